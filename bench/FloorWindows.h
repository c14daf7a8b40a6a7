// The floor the module's main window is measured against: the same dialogs from the same
// templates, built with Win32 calls alone.
#pragma once

#include "BenchSupport.h"
#include "resource.h"

namespace bench {

inline void DrawNow(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The main dialog and its six pages as children, shown and drawn, then destroyed.
inline void BuildFloorWindows(HMODULE resources) {
    static const UINT kPages[] = {
        IDD_PAGE_HOME,          IDD_PAGE_FEATURES, IDD_PAGE_TROUBLESHOOTING,
        IDD_PAGE_INK_CARTRIDGE, IDD_PAGE_CONTACT,  IDD_PAGE_ADVANCED};
    HWND main =
        ::CreateDialogParamA(resources, MAKEINTRESOURCEA(IDD_QOR_MAIN), nullptr, PlainDialog, 0);
    HBITMAP background = ::LoadBitmapA(resources, MAKEINTRESOURCEA(IDB_MAIN_BACKGROUND));
    for (UINT page : kPages) {
        HWND child = ::CreateDialogParamA(resources, MAKEINTRESOURCEA(page), main, PlainDialog, 0);
        ::ShowWindow(child, page == IDD_PAGE_HOME ? SW_SHOW : SW_HIDE);
    }
    ::ShowWindow(main, SW_SHOW);
    DrawNow(main);
    PumpPending();
    ::DestroyWindow(main);
    ::DeleteObject(background);
}

// The printer the benchmark hosts report: two cartridges, ready, on USB.
struct QuietPrinter {
    INKINFO ink{};
    ALIGNINFO align{};
    STATUSINFO status{};
    PORTINFO port{QOR_PORT_USB, 0, 0};
    QuietPrinter() {
        ink.dwCarrierType = QOR_CARRIER_DUAL;
        ink.LogCartID1 = ink.PhyCartID1 = QOR_CART_COLOR;
        ink.LogCartID2 = ink.PhyCartID2 = QOR_CART_BLACK;
        status.dwStatus = QOR_STATUS_READY;
        status.lpInk = &ink;
        status.lpHeadAlign = &align;
    }
    static int Callback(int request, void* payload, int, int) {
        if (request == CBGetStatus && payload)
            static_cast<STATUSINFO*>(payload)->dwStatus = QOR_STATUS_READY;
        return 1;
    }
};

} // namespace bench
