// The automatic alignment wizard's start page. The user chooses the automatic alignment (the
// printer prints a page and aligns itself) or, where the model offers it, the manual one (the
// printer prints numbered patterns and the user types the best ones on a value page). Print (or
// Enter) prints the chosen page; Cancel is hidden while an alignment is required.
#pragma once

#include "AlignWizardPage.h"
#include "TransStatic.h"
#include "status/AlignmentPlan.h"

class CAutoAlignementPage1 : public CAlignWizardPage {
public:
    CAutoAlignementPage1();

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override { OnPrintButton(); }
    void OnCancelbutton() override { CancelAlignment(false); }
    void OnPrintButton();
    DECLARE_MESSAGE_MAP()

private:
    // The automatic page sent, then the result page; nothing while the cartridge guard refuses.
    void PrintAutomatic(CQORTabDlg& main);
    // The manual page sent where the cartridges allow it, then the page for its values.
    void PrintManual(CQORTabDlg& main);
    // Shows the page of a kind in the sheet.
    void ShowPage(AlignPage page);

    CTransStaticBmp m_Picture;
};
