// The post-install wizard's last page: a shortcut on the desktop and, on all-in-one models, the
// centre started. Its finish also ends the wizard that runs hidden.
#pragma once

#include "InstallWizardPage.h"

class CInstallBackendPage3 : public CInstallWizardPage {
public:
    CInstallBackendPage3();

    // Closes the session, makes the shortcut and starts the centre or the background manager as
    // the boxes say (when the page was never shown, as the silent run wants), then ends the
    // wizard. The module may close there: the caller touches nothing afterwards.
    void Finish();

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override { Finish(); }
    // The setup is complete here: leaving the page applies what it shows.
    void OnCancelbutton() override { Finish(); }
    // Back leads to the page that led here: registration, or the programs page without it.
    void OnBackToRegistration();
    DECLARE_MESSAGE_MAP()
};
