// Opening and closing the main window: QORInit with topic 100 until the window is drawn, then
// QORTerminateNow; beside the floor of building the same dialogs from the same templates with
// Win32 calls alone. Prints the figures, their ratio and the process's working set.
#include "FloorWindows.h"
#include "qor.h"

#include <psapi.h>

#include <cstdio>

namespace {
constexpr int kRounds = 40;

using bench::DrawNow;
using bench::Median;
using bench::Now;
using bench::QuietPrinter;

double FloorRound(HMODULE resources) {
    double start = Now();
    bench::BuildFloorWindows(resources);
    return Now() - start;
}

double ModuleRound(QuietPrinter& printer) {
    double start = Now();
    QORInit("Benchmark Printer", 100, &printer.status, &printer.port, QuietPrinter::Callback);
    HWND main = ::FindWindowA(nullptr, "Printer Assistant - Benchmark Printer");
    DrawNow(main);
    bench::PumpPending();
    QORTerminateNow();
    return Now() - start;
}
} // namespace

int main() {
    QuietPrinter printer;

    HMODULE resources = ::LoadLibraryA("vqtrqorr.dll");
    if (!resources) {
        std::fprintf(stderr, "vqtrqorr.dll is missing\n");
        return 1;
    }
    // One round of each first, so that both measure warm code and loaded resources.
    FloorRound(resources);
    ModuleRound(printer);

    std::vector<double> floor, module;
    for (int round = 0; round < kRounds; ++round) {
        floor.push_back(FloorRound(resources));
        module.push_back(ModuleRound(printer));
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
