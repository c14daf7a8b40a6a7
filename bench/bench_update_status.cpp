// A status update on the open main window (QORUpdateStatus): an unchanged record, changed ink
// levels, and a changed state and paper; beside the floor of the same visible work done with
// Win32 calls alone (the texts set and the lines hidden and shown on a dialog of the Home page's
// template). Prints each figure and its ratio to the floor.
#include "BenchSupport.h"
#include "qor.h"
#include "resource.h"

#include <cstdio>
#include <vector>

namespace {
constexpr int kRounds = 200;

int QuietHost(int, void*, int, int) {
    return 1;
}

using bench::Median;
using bench::Now;
using bench::PlainDialog;
using bench::PumpPending;

// Each round ends when the windows have painted what changed.
template <class Work> double Measure(Work work) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        double start = Now();
        work(round);
        PumpPending();
        for (HWND top = ::GetForegroundWindow(); top; top = nullptr)
            ::UpdateWindow(top);
        times.push_back(Now() - start);
    }
    return Median(times);
}
} // namespace

int main() {
    BYTE alert[] = {0x80, 0x02};
    STATUSERROR error{alert, 2};
    INKINFO ink{};
    ink.dwCarrierType = QOR_CARRIER_DUAL;
    ink.nBlackLevel = 50;
    ink.nColorLevel1 = ink.nColorLevel2 = ink.nColorLevel3 = 50;
    ink.LogCartID1 = ink.PhyCartID1 = QOR_CART_COLOR;
    ink.LogCartID2 = ink.PhyCartID2 = QOR_CART_BLACK;
    ALIGNINFO align{};
    STATUSINFO status{QOR_STATUS_READY, &error, 0, 0, &ink, &align};
    PORTINFO port{QOR_PORT_USB, 0, 0};

    // The floor: the same calls on a plain dialog of the Home page's template.
    HMODULE resources = ::LoadLibraryA("vqtrqorr.dll");
    if (!resources) {
        std::fprintf(stderr, "vqtrqorr.dll is missing\n");
        return 1;
    }
    HWND frame =
        ::CreateDialogParamA(resources, MAKEINTRESOURCEA(IDD_QOR_MAIN), nullptr, PlainDialog, 0);
    HWND plain =
        ::CreateDialogParamA(resources, MAKEINTRESOURCEA(IDD_PAGE_HOME), frame, PlainDialog, 0);
    ::SetWindowPos(frame, nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOMOVE);
    ::ShowWindow(plain, SW_SHOW);
    ::ShowWindow(frame, SW_SHOW);
    ::UpdateWindow(frame);
    PumpPending();
    double floor = Measure([&](int round) {
        const char* texts[] = {"The printer is ready.", "The printer reports a problem:"};
        ::SetDlgItemTextA(plain, IDC_HOME_STATUS_TEXT1, texts[round % 2]);
        ::SetDlgItemTextA(plain, IDC_HOME_STATUS_TEXT2, texts[(round + 1) % 2]);
        ::SetDlgItemTextA(plain, IDC_HOME_MEDIA_TEXT2, texts[round % 2]);
        for (int line : {IDC_HOME_STATUS_TEXT1, IDC_HOME_STATUS_TEXT2, IDC_HOME_MEDIA_TEXT2}) {
            HWND control = ::GetDlgItem(plain, line);
            ::ShowWindow(control, SW_HIDE);
            ::ShowWindow(control, SW_SHOW);
        }
        ::UpdateWindow(frame);
    });
    ::DestroyWindow(frame);
    ::FreeLibrary(resources);

    QORInit("Benchmark Printer", 100, &status, &port, QuietHost);
    PumpPending();
    double unchanged = Measure([&](int) { QORUpdateStatus(&status); });
    double inkChanged = Measure([&](int round) {
        ink.nBlackLevel = 40 + round % 20;
        QORUpdateStatus(&status);
    });
    double stateChanged = Measure([&](int round) {
        status.dwStatus = round % 2 ? QOR_STATUS_ALERT : QOR_STATUS_READY;
        status.dwMediaTray1 = round % 2 ? QOR_MEDIA_GLOSSY : QOR_MEDIA_PLAIN;
        ink.nColorLevel2 = 30 + round % 20;
        QORUpdateStatus(&status);
    });
    QORTerminateNow();

    std::printf("status update on the open main window (median of %d rounds)\n", kRounds);
    std::printf("  floor: 3 texts set, 3 lines hidden and shown   %7.3f ms\n", floor);
    std::printf(
        "  unchanged record                               %7.3f ms  ratio %.2f (target < 1)\n",
        unchanged, unchanged / floor);
    std::printf("  changed ink levels                             %7.3f ms  ratio %.2f\n",
                inkChanged, inkChanged / floor);
    std::printf(
        "  changed state, paper and ink                   %7.3f ms  ratio %.2f (target <= 2)\n",
        stateChanged, stateChanged / floor);
    return 0;
}
