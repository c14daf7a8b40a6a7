#include "AlignWizardPage.h"

#include "CSpy.h"
#include "InkDisplay.h"
#include "Operations.h"
#include "main/HelpTopics.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/JobFiles.h"

#include <algorithm>
#include <iterator>

namespace {
// What an ink-tank printer is told once as a start page opens.
constexpr BYTE kInkTankAlignmentMode[14] = {0xA5, 0x00, 0x0B, 0x40, 0xE0, 0x81, 0x00,
                                            0x01, 0x00, 0x01, 0x05, 0x16, 0x01, 0x00};
} // namespace

unsigned CAlignWizardPage::HelpTopic() const {
    return kHelpTopicAlignment;
}

void CAlignWizardPage::InitStartPage() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
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
    if (tanks) {
        BYTE mode[sizeof kInkTankAlignmentMode];
        std::copy(std::begin(kInkTankAlignmentMode), std::end(kInkTankAlignmentMode), mode);
        main->DoCallback(CBSendBytes, mode, sizeof mode, 0);
    }
}

bool CAlignWizardPage::CartridgeChangeBlocks() {
    const CQORTabDlg* main = g_pQORTabDlg;
    if (!main || !BlockedByCartridgeChange(main->m_Records.ink))
        return false;
    CSpy().OutputData("CAlignWizardPage: a cartridge change is not confirmed yet");
    CString text, caption;
    text.LoadString(IDS_CART_CHANGE_GUARD);
    caption.LoadString(IDS_CART_CHANGE_GUARD_CAPTION);
    UtilMessageBox(m_hWnd, text, caption, MB_OK | MB_ICONEXCLAMATION);
    return true;
}

void CAlignWizardPage::FinishAlignment(bool sendAlignment) {
    CQORTabDlg* main = g_pQORTabDlg;
    CQorWizardSheet* sheet = WizardSheet();
    if (!main || !sheet)
        return;
    if (sendAlignment) {
        main->DoCallback(CBSendAlignment, &main->m_Records.align, 0, 0);
        // The host may close the module while it answers: nothing of it is touched again.
        if (g_pQORTabDlg != main)
            return;
    }
    main->DoCallback(CBCloseSession, nullptr, 0, 0);
    if (g_pQORTabDlg == main)
        sheet->CloseWizard(true);
}

void CAlignWizardPage::CancelAlignment(bool cancelJob) {
    CQORTabDlg* main = g_pQORTabDlg;
    CQorWizardSheet* sheet = WizardSheet();
    if (!main || !sheet)
        return;
    CSpy().OutputEach("CAlignWizardPage::CancelAlignment()", static_cast<int>(cancelJob));
    if (cancelJob && main->m_bInCartChange) {
        main->DoCallback(CBCancelJob, nullptr, 0, 0);
        if (g_pQORTabDlg != main)
            return;
        main->m_bJobCancelled = TRUE;
    }
    main->DoCallback(CBCloseSession, nullptr, 0, 0);
    if (g_pQORTabDlg == main)
        sheet->CloseWizard(true);
}
