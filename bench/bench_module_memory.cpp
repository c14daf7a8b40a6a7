// The memory the module adds to a host: the host's working set before the module is loaded,
// with the module loaded, with the main window open, after QORTerminateNow, and after 200 more
// open and close cycles. The module is loaded as a host loads it: by full path, at run time.
#include "FloorWindows.h"

#include <psapi.h>

#include <cstdio>
#include <string>

namespace {
constexpr int kCycles = 200;

double WorkingSetMiB() {
    PROCESS_MEMORY_COUNTERS memory{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
    return static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
}

std::string BesideThisProgram(const char* name) {
    char path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

struct ModuleExports {
    decltype(&QORInit) init = nullptr;
    decltype(&QORTerminateNow) terminate = nullptr;
    decltype(&QORFilterDllMsg) filter = nullptr;
    // The framework's pass over the queue, from the framework the module brought along.
    decltype(&DispatchWaitingMessages) dispatch = nullptr;
};

ModuleExports g_module;

void Pump() {
    g_module.dispatch(kAllWaitingMessages, g_module.filter, QuitMessage::EndPass);
}

void OpenAndDraw(bench::QuietPrinter& printer) {
    g_module.init("Benchmark Printer", 100, &printer.status, &printer.port,
                  bench::QuietPrinter::Callback);
    bench::DrawNow(::FindWindowA(nullptr, "Printer Assistant - Benchmark Printer"));
    Pump();
}

void Close() {
    g_module.terminate();
    Pump();
}
} // namespace

int main() {
    // A host has a window of its own before it loads the module.
    HWND hostWindow = ::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                        200, 100, nullptr, nullptr, nullptr, nullptr);
    bench::DrawNow(hostWindow);
    double before = WorkingSetMiB();

    HMODULE module = ::LoadLibraryA(BesideThisProgram("vqtrqor.dll").c_str());
    if (!module) {
        std::fprintf(stderr, "vqtrqor.dll could not be loaded\n");
        return 1;
    }
    g_module.init = reinterpret_cast<decltype(&QORInit)>(::GetProcAddress(module, "QORInit"));
    g_module.terminate =
        reinterpret_cast<decltype(&QORTerminateNow)>(::GetProcAddress(module, "QORTerminateNow"));
    g_module.filter =
        reinterpret_cast<decltype(&QORFilterDllMsg)>(::GetProcAddress(module, "QORFilterDllMsg"));
    g_module.dispatch = reinterpret_cast<decltype(&DispatchWaitingMessages)>(
        ::GetProcAddress(::GetModuleHandleA("VQTRG.dll"), "DispatchWaitingMessages"));
    if (!g_module.init || !g_module.terminate || !g_module.filter || !g_module.dispatch) {
        std::fprintf(stderr, "vqtrqor.dll lacks its exports\n");
        return 1;
    }
    double loaded = WorkingSetMiB();

    bench::QuietPrinter printer;
    OpenAndDraw(printer);
    double open = WorkingSetMiB();
    Close();
    double closed = WorkingSetMiB();
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        OpenAndDraw(printer);
        Close();
    }
    double cycled = WorkingSetMiB();

    std::printf("memory the module adds to a host (working set)\n");
    std::printf("  host before the module:        %7.1f MiB\n", before);
    std::printf("  module loaded, before QORInit: %7.1f MiB\n", loaded);
    std::printf("  main window open:              %7.1f MiB\n", open);
    std::printf("  after QORTerminateNow:         %7.1f MiB\n", closed);
    std::printf("  after %d more open and close:  %7.1f MiB\n", kCycles, cycled);
    std::printf("module adds %.1f MiB (target: at most 10)\n", open - before);
    std::printf("growth over %d cycles: %.1f MiB (target: 0)\n", kCycles, cycled - closed);
    ::FreeLibrary(module);
    ::DestroyWindow(hostWindow);
    return 0;
}
