#include "CleanAndTestCartPage1.h"

#include "CSpy.h"
#include "Operations.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/JobFiles.h"

BEGIN_MESSAGE_MAP(CCleanAndTestCartPage1, CCleanWizardPage)
ON_COMMAND(IDC_CLEAN_PRINT, OnPrintButton)
END_MESSAGE_MAP()

CCleanAndTestCartPage1::CCleanAndTestCartPage1() : CCleanWizardPage(IDD_CLEAN_START) {}

BOOL CCleanAndTestCartPage1::OnInitDialog() {
    CCleanWizardPage::OnInitDialog();
    CSpy().OutputData("CCleanAndTestCartPage1::OnInitDialog()");
    SetHeading(IDC_CLEAN_HEADING, IDS_CLEAN_HEADING);
    const UINT texts[][2] = {{IDC_CLEAN_INTRO, IDS_CLEAN_INTRO},
                             {IDC_CLEAN_INK_NOTE, IDS_CLEAN_INK_NOTE},
                             {IDC_CLEAN_STEP_PAPER, IDS_CLEAN_STEP_PAPER},
                             {IDC_CLEAN_STEP_PRINT, IDS_CLEAN_STEP_PRINT},
                             {IDC_CLEAN_STEP_COMPARE, IDS_CLEAN_STEP_COMPARE},
                             {IDC_CLEAN_CANCEL_HINT, IDS_CLEAN_CANCEL_HINT}};
    for (const auto& text : texts)
        SetText(text[0], text[1]);
    m_PrinterPicture.Init(IDC_CLEAN_PRINTER_PICTURE, this, IDB_CLEAN_PRINTER);
    m_PaperPicture.Init(IDC_CLEAN_PAPER_PICTURE, this, IDB_CLEAN_PAPER);
    return TRUE;
}

void CCleanAndTestCartPage1::OnPrintButton() {
    static constexpr const char* kLogName = "CCleanAndTestCartPage1::OnPrintButton()";
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main || !WizardSheet())
        return;
    CSpy spy;
    spy.OutputData(kLogName);
    // A printer that is not ready has shown its alert; Print may be pressed again.
    if (!main->IsPrinterReady() || g_pQORTabDlg != main)
        return;
    spy.OutputData(CString(kLogName) + " <1>");
    const int session = main->DoCallback(CBOpenSession, nullptr, 0, 0);
    if (g_pQORTabDlg != main)
        return;
    if (!session) {
        spy.OutputData(CString(kLogName) + " the host opened no session");
        return;
    }
    spy.OutputData(CString(kLogName) + " <2>");
    if (BlockedByCartridgeChange(main->m_Records.ink)) {
        spy.OutputData(CString(kLogName) + " a cartridge change is not confirmed");
        CString text, caption;
        text.LoadString(IDS_CART_CHANGE_GUARD);
        caption.LoadString(IDS_CART_CHANGE_GUARD_CAPTION);
        UtilMessageBox(m_hWnd, text, caption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    PrintCleaningPage(kLogName, 1);
}
