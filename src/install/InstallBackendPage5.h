// The post-install wizard's registration: Register opens the registration web page and leads to
// the last page, Later asks whether to be reminded.
#pragma once

#include "InstallWizardPage.h"
#include "Links.h"

class CInstallBackendPage5 : public CInstallWizardPage {
public:
    CInstallBackendPage5();

protected:
    BOOL OnInitDialog() override;
    // Register.
    void OnNextbutton() override;
    void OnCancelbutton() override;
    void OnLater();
    DECLARE_MESSAGE_MAP()

private:
    CGUIUrlLink m_Registration;
};
