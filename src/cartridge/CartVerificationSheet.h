// The cartridge verification wizard: it walks the user through fitting cartridges and tells the
// host which cartridges are now in the carrier. The mode decides its pages and whether an
// alignment may follow; it runs modal (the export returns when it closes) or modeless.
#pragma once

#include "main/QorWizardSheet.h"

class CCartVerificationSheet : public CQorWizardSheet {
public:
    CCartVerificationSheet(int mode, CWnd* parent = nullptr);

    // Ends the wizard (CQorWizardSheet::CloseWizard with window id 3); a held job's request ends
    // with it.
    void CloseWizard(bool shutDownMain);
    // What Cancel, Escape and the caption's close do: the host's session ends with the wizard.
    void CancelWizard();

    // The mode handed to the constructor.
    int m_iSheetStyle;

protected:
    BOOL OnInitDialog() override;
};
