// The cartridge verification wizard, run from the main object in its slot.
#include "CSpy.h"
#include "QORTabDlg.h"
#include "cartridge/CartVerificationSheet.h"

BOOL CQORTabDlg::OpenCartVerificationSheet(int mode) {
    if (m_Slots.IsOpen(kCartVerificationSheet))
        return FALSE;
    auto sheet = std::make_unique<CCartVerificationSheet>(mode);
    CCartVerificationSheet* made = sheet.get();
    m_Slots.Set(kCartVerificationSheet, std::move(sheet));
    if (made->CreateModeless())
        return TRUE;
    CSpy().OutputError("CQORTabDlg: the cartridge wizard could not be opened");
    m_Slots.Delete(kCartVerificationSheet);
    return FALSE;
}

INT_PTR CQORTabDlg::RunCartVerificationSheet(int mode) {
    if (m_Slots.IsOpen(kCartVerificationSheet))
        return -1;
    auto sheet = std::make_unique<CCartVerificationSheet>(mode);
    CCartVerificationSheet* made = sheet.get();
    m_Slots.Set(kCartVerificationSheet, std::move(sheet));
    INT_PTR result = made->RunModal();
    // The host may have closed the module while the wizard ran.
    if (g_pQORTabDlg != this)
        return result;
    if (result < 0)
        CSpy().OutputError("CQORTabDlg: the cartridge wizard could not be run");
    m_Slots.Delete(kCartVerificationSheet);
    Shutdown(kCartVerificationSheet);
    return result;
}

int CQORTabDlg::RunCartridgeTopic(CartridgeTopic run) {
    switch (run) {
    case CartridgeTopic::FitCartridges:
        if (m_Records.ink.dwCarrierType == QOR_CARRIER_INK_TANKS)
            return OpenMainWindow(kHomePage, 0);
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
    }
    return 0;
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
