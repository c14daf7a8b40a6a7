// The cartridge verification wizard, run from the main object in its slot.
#include "CSpy.h"
#include "QORTabDlg.h"
#include "cartridge/CartVerificationSheet.h"
#include "pages/InkTanksPage.h"

BOOL CQORTabDlg::OpenCartVerificationSheet(int mode) {
    if (m_Slots.IsOpen(kCartVerificationSheet))
        return FALSE;
    if (OpenWizardInSlot(kCartVerificationSheet, std::make_unique<CCartVerificationSheet>(mode)))
        return TRUE;
    m_bCartTopicA = m_bCartTopicB = FALSE;
    return FALSE;
}

INT_PTR CQORTabDlg::RunCartVerificationSheet(int mode) {
    if (m_Slots.IsOpen(kCartVerificationSheet))
        return -1;
    INT_PTR result =
        RunWizardInSlot(kCartVerificationSheet, std::make_unique<CCartVerificationSheet>(mode));
    // The host may have closed the module while the wizard ran.
    if (g_pQORTabDlg != this)
        return result;
    m_bCartTopicA = m_bCartTopicB = FALSE;
    Shutdown(kCartVerificationSheet);
    return result;
}

int CQORTabDlg::RunCartridgeTopic(CartridgeTopic run) {
    switch (run) {
    case CartridgeTopic::FitCartridges:
        if (HasMainWindow())
            return FitCartridgesInWindow();
        if (m_Records.ink.dwCarrierType == QOR_CARRIER_INK_TANKS)
            return TankSheetTopic(kTankSheet1);
        if (m_Slots.IsOpen(kCartVerificationSheet))
            return 0;
        DoCallback(CBOpenSession, nullptr, 0, 0);
        // The host may close the module while it answers.
        if (g_pQORTabDlg != this)
            return 0;
        if (OpenCartVerificationSheet(2))
            return 1;
        Shutdown(kNoWindow);
        return 0;
    case CartridgeTopic::ChangeCartridges:
        return ChangeCartridges();
    case CartridgeTopic::InstallCartridges:
        return InstallCartridges();
    case CartridgeTopic::CheckCartridges:
        return CheckCartridges();
    case CartridgeTopic::ReportedChange:
        return TakeReportedChange();
    case CartridgeTopic::HeldJobColourWithSteps:
        return FitCartridgeForHeldJob(true, true);
    case CartridgeTopic::HeldJobBlackWithSteps:
        return FitCartridgeForHeldJob(false, true);
    case CartridgeTopic::HeldJobColour:
        return FitCartridgeForHeldJob(true, false);
    case CartridgeTopic::HeldJobBlack:
        return FitCartridgeForHeldJob(false, false);
    }
    return 0;
}

int CQORTabDlg::FitCartridgesInWindow() {
    if (CQORInkPage* page = ShowInkPage(*this))
        page->InstallCartridges();
    return 1;
}

int CQORTabDlg::ChangeCartridges() {
    const bool windowOpen = HasMainWindow();
    if (m_Slots.IsOpen(kCartVerificationSheet))
        return 0;
    m_bInCartChange = 1;
    PlayCartridgeChangeSound();
    DoCallback(CBOpenSession, nullptr, 0, 0);
    if (g_pQORTabDlg != this)
        return 0;
    if (windowOpen)
        SelectPage(kInkPage);
    else
        CartChangePathDetermination();
    RunCartVerificationSheet(2);
    // The shutdown check after the wizard may have closed the module.
    if (g_pQORTabDlg == this)
        m_bInCartChange = 0;
    return 1;
}

int CQORTabDlg::InstallCartridges() {
    const bool windowOpen = HasMainWindow();
    m_bInCartChange = 0;
    if (windowOpen && m_Slots.IsOpen(kCartVerificationSheet))
        return 1;
    if (!IsPrinterReady()) {
        // The alert has told the user why; with nothing else open the module closes.
        if (g_pQORTabDlg == this && !windowOpen)
            Shutdown(kNoWindow);
        return windowOpen ? 1 : 0;
    }
    DoCallback(CBOpenSession, nullptr, 0, 0);
    if (g_pQORTabDlg != this)
        return 0;
    if (windowOpen) {
        SelectPage(kInkPage);
        OpenCartVerificationSheet(1);
        return 1;
    }
    CartChangePathDetermination();
    RunCartVerificationSheet(1);
    return 1;
}

int CQORTabDlg::CheckCartridges() {
    const bool windowOpen = HasMainWindow();
    if (!IsPrinterReady()) {
        // The alert has told the user why; on the first run the main window takes over.
        if (g_pQORTabDlg != this)
            return 0;
        return windowOpen ? 1 : OpenMainWindow(kHomePage, 0);
    }
    CQORInkPage* page = windowOpen ? ShowInkPage(*this) : nullptr;
    // Ink tanks are checked by a wizard of their own.
    if (m_Records.ink.dwCarrierType == QOR_CARRIER_INK_TANKS) {
        if (!windowOpen)
            return TankSheetTopic(kTankSheet2);
        if (auto* tanksPage = dynamic_cast<CQORInkTanksPage*>(page))
            tanksPage->CheckTanks();
        return 1;
    }
    if (m_Slots.IsOpen(kCartVerificationSheet))
        return windowOpen ? 1 : 0;
    DoCallback(CBOpenSession, nullptr, 0, 0);
    if (g_pQORTabDlg != this)
        return 0;
    CartChangePathDetermination();
    RunCartVerificationSheet(1);
    if (g_pQORTabDlg == this)
        m_bInCartChange = 0;
    return 1;
}

int CQORTabDlg::TakeReportedChange() {
    m_bInCartChange = 0;
    if (m_Slots.IsOpen(kCartVerificationSheet))
        return 0;
    CartChangePathDetermination();
    RunCartVerificationSheet(2);
    return 1;
}

int CQORTabDlg::FitCartridgeForHeldJob(bool colour, bool withSteps) {
    const bool windowOpen = HasMainWindow();
    if (m_Slots.IsOpen(kCartVerificationSheet))
        return windowOpen ? 1 : 0;
    (colour ? m_bCartTopicA : m_bCartTopicB) = TRUE;
    DoCallback(CBOpenSession, nullptr, 0, 0);
    if (g_pQORTabDlg != this)
        return 0;
    CartChangePathDetermination();
    if (windowOpen) {
        OpenCartVerificationSheet(4);
        return 1;
    }
    RunCartVerificationSheet(withSteps ? 5 : 4);
    return 1;
}
