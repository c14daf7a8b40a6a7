// The page after a declined registration: Finish ends the wizard, with the installation date
// written when the user wants to be reminded; Back returns to the registration.
#pragma once

#include "InstallWizardPage.h"

class CAreYouSure : public CInstallWizardPage {
public:
    CAreYouSure();

protected:
    BOOL OnInitDialog() override;
    // Enter and the Finish button (6000) both finish.
    void OnNextbutton() override { OnCancelbutton(); }
    void OnCancelbutton() override;
};
