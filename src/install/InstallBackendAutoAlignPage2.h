// The post-install wizard's middle page on printers that align themselves: the welcome page has
// sent the alignment page, and this one shows the carriage being aligned. Its commands keep the
// numbers its hosts know: Continue is 6000 and Exit 6001 (Escape exits, Enter continues).
#pragma once

#include "InstallWizardPage.h"

class CInstallBackendAutoAlignPage2 : public CInstallWizardPage {
public:
    CInstallBackendAutoAlignPage2();

protected:
    BOOL OnInitDialog() override;
    unsigned HelpTopic() const override;
    // Continue: the printer checked, then the application step.
    void OnNextbutton() override;
    // Exit: the shortcut and the all-in-one centre, then the wizard ends.
    void OnCancelbutton() override;
    // Back: the printer checked, then the welcome page.
    void OnBackToWelcome();
    DECLARE_MESSAGE_MAP()

private:
    CTransStaticBmp m_Carrier;
    CTransStaticBmp m_Applications;
};
