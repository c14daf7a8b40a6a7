// What the post-install wizard's alignment value pages share: the step band over the values of
// the installation's alignment page, an example of its patterns, the applications picture, and
// Continue, which checks the printer, sends the values (CBSendAlignment) and moves on to the
// application step. Back leads to the welcome page, where the alignment page may be printed
// again; Exit ends the wizard by the page's own closing sequence.
#pragma once

#include "InstallBackendWizardSheet.h"
#include "InstallStepBand.h"
#include "maintenance/AlignValuePage.h"

class CInstallValuePage : public CAlignValuePage {
public:
    struct Kind {
        UINT templateId;
        AlignPage values;
        UINT textId;
        // Which applications the application step installs without asking.
        SilentInstallRule silentRule;
        // The one-cartridge page ends the host's session once the values are sent.
        bool closesSession;
        const CInstallBackendWizardSheet::ClosingVariant& closing;
    };
    explicit CInstallValuePage(const Kind& kind);

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override;
    void OnCancelbutton() override;

private:
    CInstallBackendWizardSheet* InstallSheet() const;

    const Kind& m_Kind;
    CInstallStepBand m_Band;
    CTransStaticBmp m_Applications;
    CTransStaticBmp m_Patterns;
};
