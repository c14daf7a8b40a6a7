#include "AlignementPage1.h"

#include "CSpy.h"
#include "InkDisplay.h"
#include "Operations.h"
#include "main/QORTabDlg.h"
#include "pages/PrinterReadyCheck.h"
#include "resource.h"
#include "status/JobFiles.h"

#include <algorithm>
#include <iterator>

namespace {
// What an ink-tank printer is told once as the start page opens.
constexpr BYTE kInkTankAlignmentMode[14] = {0xA5, 0x00, 0x0B, 0x40, 0xE0, 0x81, 0x00,
                                            0x01, 0x00, 0x01, 0x05, 0x16, 0x01, 0x00};
} // namespace

BEGIN_MESSAGE_MAP(CAlignementPage1, CAlignWizardPage)
ON_COMMAND(IDC_ALIGN_PRINT, OnPrintButton)
END_MESSAGE_MAP()

CAlignementPage1::CAlignementPage1() : CAlignWizardPage(IDD_ALIGN_START) {}

BOOL CAlignementPage1::OnInitDialog() {
    CAlignWizardPage::OnInitDialog();
    CSpy().OutputData("CAlignementPage1::OnInitDialog()");
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return TRUE;
    INKINFO& ink = main->m_Records.ink;
    const bool tanks = ink.dwCarrierType == QOR_CARRIER_INK_TANKS;
    SetHeading(IDC_ALIGN_HEADING, tanks ? IDS_ALIGN_HEADING_TANKS : IDS_ALIGN_HEADING);
    SetText(IDC_ALIGN_TEXT, tanks ? IDS_ALIGN_STEPS_TANKS : IDS_ALIGN_STEPS);
    SetHeading(IDC_ALIGN_PAPER_HINT, IDS_ALIGN_PAPER_HINT);
    // A printer that senses plain paper in its tray needs no reminder.
    const bool paperSensed = main->m_Product.CompareSetting("IDO_AUTOMEDIASENSE_AUTOQUALITY", 1) &&
                             main->m_InfoStruct.dwMediaTray1 == 0;
    ShowControl(IDC_ALIGN_PAPER_HINT, !paperSensed);
    ShowControl(IDC_WIZARD_CANCEL, !CGUIInkDisplay(&ink).AnyForceAlignSet());
    m_Picture.Init(IDC_ALIGN_PICTURE, this, IDB_HOME_PICTURE2);
    if (tanks) {
        BYTE mode[sizeof kInkTankAlignmentMode];
        std::copy(std::begin(kInkTankAlignmentMode), std::end(kInkTankAlignmentMode), mode);
        main->DoCallback(CBSendBytes, mode, sizeof mode, 0);
    }
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
    if (g_pQORTabDlg != main)
        return;
    const INKINFO& ink = main->m_Records.ink;
    if (BlockedByCartridgeChange(ink)) {
        CString text, caption;
        text.LoadString(IDS_CART_CHANGE_GUARD);
        caption.LoadString(IDS_CART_CHANGE_GUARD_CAPTION);
        UtilMessageBox(m_hWnd, text, caption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (const char* file = ManualAlignmentJobFile(ink, true)) {
        main->DoCallback(CBSendFile, const_cast<char*>(file), 0, 0);
        if (g_pQORTabDlg != main)
            return;
    }
    sheet->ShowPageNumber(1);
}
