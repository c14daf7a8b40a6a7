// The post-install wizard's welcome: it offers to install and align the cartridges (Continue
// prints the alignment page and leads to the values) or, unticked, goes straight to the
// applications. It makes sure the job status window's settings exist for the printer.
#pragma once

#include "InstallWizardPage.h"

class CInstallBackendPage1 : public CInstallWizardPage {
public:
    CInstallBackendPage1();

    // The job status window's settings: each one that cannot be read is written with its
    // default. Run also when the wizard runs hidden.
    static void EnsureJobWindowSettings(const char* printerName);
    bool SkippedCartridges() const { return m_bSkippedCartridges; }

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override;
    void OnCancelbutton() override;

private:
    CTransStaticBmp m_Applications;
    bool m_bSkippedCartridges = false;
};
