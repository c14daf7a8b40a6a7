#include "AlignementPage1.h"

#include "CSpy.h"
#include "main/QORTabDlg.h"
#include "pages/PrinterReadyCheck.h"
#include "resource.h"
#include "status/JobFiles.h"

BEGIN_MESSAGE_MAP(CAlignementPage1, CAlignWizardPage)
ON_COMMAND(IDC_ALIGN_PRINT, OnPrintButton)
END_MESSAGE_MAP()

CAlignementPage1::CAlignementPage1() : CAlignWizardPage(IDD_ALIGN_START) {}

BOOL CAlignementPage1::OnInitDialog() {
    CAlignWizardPage::OnInitDialog();
    CSpy().OutputData("CAlignementPage1::OnInitDialog()");
    m_Picture.Init(IDC_ALIGN_PICTURE, this, IDB_ALIGN_START_PICTURE);
    InitStartPage();
    // This page leads to the values the user reads off the printed page: it says how.
    if (g_pQORTabDlg)
        SetDlgItemText(IDC_ALIGN_TEXT,
                       GetDlgItemText(IDC_ALIGN_TEXT) + "\n\n" + LoadText(IDS_ALIGN_MANUAL_STEPS));
    return TRUE;
}

void CAlignementPage1::OnPrintButton() {
    CQORTabDlg* main = g_pQORTabDlg;
    CQorWizardSheet* sheet = WizardSheet();
    if (!main || !sheet)
        return;
    CSpy().OutputData("CAlignementPage1::OnPrintButton()");
    {
        // A printer that is not free gets the alert; Print may be pressed again.
        CPrinterReadyDlg alert(*main);
        if (!alert.CheckOpenSession())
            return;
    }
    if (g_pQORTabDlg != main)
        return;
    main->DoCallback(CBGetStatus, &main->m_InfoStruct, 0, 0);
    if (g_pQORTabDlg != main || CartridgeChangeBlocks())
        return;
    if (const char* file = ManualAlignmentJobFile(main->m_Records.ink, true)) {
        main->DoCallback(CBSendFile, const_cast<char*>(file), 0, 0);
        if (g_pQORTabDlg != main)
            return;
    }
    sheet->ShowPageNumber(1);
}
