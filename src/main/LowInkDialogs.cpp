// The low-ink warning and the service-tag dialog, run from the main object in their slots, and the
// warning opening on its own when the ink runs low.
#include "CSpy.h"
#include "LowInkThresholds.h"
#include "QORTabDlg.h"
#include "host/QorModule.h"
#include "pages/InkReorderDlg.h"
#include "pages/ServiceTagDlg.h"

int CQORTabDlg::RunLowInkDialog() {
    CSpy spy;
    spy.OutputData("CQORTabDlg::RunLowInkDialog()");
    if (m_Slots.Get(kLowInkDialog))
        return 0;
    m_LowInkEpisode.Shown();
    CWnd* parent = HasMainWindow() ? this : nullptr;
    INT_PTR result =
        RunDialogInSlot(kLowInkDialog, std::make_unique<CInkReorderDlg>(*this, parent));
    // A dialog that could not run has not run its own shutdown check: with nothing else open the
    // module would stay open with no window.
    if (result < 0 && g_pQORTabDlg == this)
        Shutdown(kLowInkDialog);
    return 1;
}

INT_PTR CQORTabDlg::RunServiceTagDialog(CWnd* parent) {
    if (m_Slots.Get(kServiceTagDialog))
        return -1;
    return RunDialogInSlot(kServiceTagDialog, std::make_unique<CServiceTagDlg>(*this, parent));
}

void CQORTabDlg::WatchLowInk() {
    const bool low = IsInkLow(m_Records.ink, ReadLowInkThresholds(m_Registry));
    if (!m_LowInkEpisode.Starts(low) || m_Slots.Get(kLowInkDialog))
        return;
    CSpy spy;
    spy.OutputData("CQORTabDlg::WatchLowInk() the ink has run low");
    // Not inside the call that brought the status: the host's call returns, and the modal
    // warning runs from its loop.
    SetTimer(kLowInkTimer, USER_TIMER_MINIMUM, &CQORTabDlg::LowInkTimerProc);
}

void CALLBACK CQORTabDlg::LowInkTimerProc(HWND hwnd, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(hwnd, id);
    // A timer routine runs straight from the host's loop: it takes the module's state itself.
    CModuleStateScope state(QorModuleState());
    try {
        CQORTabDlg* main = g_pQORTabDlg;
        if (main && main->HasMainWindow() && main->m_hWnd == hwnd)
            main->RunLowInkDialog();
    } catch (...) {
        CSpy spy;
        spy.OutputData("CQORTabDlg::LowInkTimerProc() stopped by an error");
    }
}
