// Opening and closing the main window: QORInit with topic 100 until the window is drawn, then
// QORTerminateNow; beside the floor of building the same dialogs from the same templates with
// Win32 calls alone. Prints the figures, their ratio and the process's working set.
#include "BenchSupport.h"
#include "qor.h"
#include "resource.h"

#include <psapi.h>

#include <cstdio>

namespace {
constexpr int kRounds = 40;

int QuietHost(int request, void* payload, int, int) {
    if (request == CBGetStatus && payload) {
        auto* status = static_cast<STATUSINFO*>(payload);
        status->dwStatus = QOR_STATUS_READY;
    }
    return 1;
}

void DrawNow(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

using bench::Median;
using bench::Now;
using bench::PlainDialog;
using bench::PumpPending;

// The same windows from the same templates: the main dialog and its six pages as children.
double FloorRound(HMODULE resources) {
    static const UINT kPages[] = {
        IDD_PAGE_HOME,          IDD_PAGE_FEATURES, IDD_PAGE_TROUBLESHOOTING,
        IDD_PAGE_INK_CARTRIDGE, IDD_PAGE_CONTACT,  IDD_PAGE_ADVANCED};
    double start = Now();
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
    return Now() - start;
}

double ModuleRound(STATUSINFO* status, PORTINFO* port) {
    double start = Now();
    QORInit("Benchmark Printer", 100, status, port, QuietHost);
    HWND main = ::FindWindowA(nullptr, "Printer Assistant - Benchmark Printer");
    DrawNow(main);
    PumpPending();
    QORTerminateNow();
    return Now() - start;
}
} // namespace

int main() {
    INKINFO ink{};
    ink.dwCarrierType = QOR_CARRIER_DUAL;
    ink.LogCartID1 = ink.PhyCartID1 = QOR_CART_COLOR;
    ink.LogCartID2 = ink.PhyCartID2 = QOR_CART_BLACK;
    ALIGNINFO align{};
    STATUSINFO status{QOR_STATUS_READY, nullptr, 0, 0, &ink, &align};
    PORTINFO port{QOR_PORT_USB, 0, 0};

    HMODULE resources = ::LoadLibraryA("vqtrqorr.dll");
    if (!resources) {
        std::fprintf(stderr, "vqtrqorr.dll is missing\n");
        return 1;
    }
    // One round of each first, so that both measure warm code and loaded resources.
    FloorRound(resources);
    ModuleRound(&status, &port);

    std::vector<double> floor, module;
    for (int round = 0; round < kRounds; ++round) {
        floor.push_back(FloorRound(resources));
        module.push_back(ModuleRound(&status, &port));
    }
    PROCESS_MEMORY_COUNTERS memory{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
    double floorMs = Median(floor);
    double moduleMs = Median(module);
    std::printf("open and close the main window (median of %d rounds)\n", kRounds);
    std::printf("  module: QORInit(100) drawn + QORTerminateNow  %8.2f ms\n", moduleMs);
    std::printf("  floor:  same templates, Win32 calls alone    %8.2f ms\n", floorMs);
    std::printf("  ratio:  %.2f (target: at most 1.2)\n", moduleMs / floorMs);
    std::printf("  working set: %.1f MiB (peak %.1f MiB)\n",
                static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0),
                static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
    ::FreeLibrary(resources);
    return 0;
}
