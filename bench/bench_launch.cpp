// Launch: a host process started until the module's main window is drawn, beside a bare Win32
// program that builds the same templates, in one run. This program times both as child
// processes of its own (`bench_launch.exe host` and `bench_launch.exe floor`), alternately.
#include "FloorWindows.h"
#include "qor.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {
constexpr int kRounds = 15;

// The child that stands for a host: opens the main window, draws it, closes and ends.
int RunHost() {
    bench::QuietPrinter printer;
    QORInit("Benchmark Printer", 100, &printer.status, &printer.port,
            bench::QuietPrinter::Callback);
    bench::DrawNow(::FindWindowA(nullptr, "Printer Assistant - Benchmark Printer"));
    bench::PumpPending();
    QORTerminateNow();
    return 0;
}

// The child that stands for the floor: the same templates with Win32 alone.
int RunFloor() {
    HMODULE resources = ::LoadLibraryA("vqtrqorr.dll");
    if (!resources)
        return 1;
    bench::BuildFloorWindows(resources);
    ::FreeLibrary(resources);
    return 0;
}

// Milliseconds from the start of a child until its end; negative when it could not run.
double TimeChild(const char* role) {
    char program[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string line = std::string("\"") + program + "\" " + role;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    double start = bench::Now();
    if (!::CreateProcessA(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return -1;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    double elapsed = bench::Now() - start;
    DWORD code = 1;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return code == 0 ? elapsed : -1;
}
} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "host") == 0)
        return RunHost();
    if (argc > 1 && std::strcmp(argv[1], "floor") == 0)
        return RunFloor();

    // One of each first: both then start from the same warm caches.
    TimeChild("floor");
    TimeChild("host");
    std::vector<double> floor, host;
    for (int round = 0; round < kRounds; ++round) {
        floor.push_back(TimeChild("floor"));
        host.push_back(TimeChild("host"));
        if (floor.back() < 0 || host.back() < 0) {
            std::fprintf(stderr, "a child program failed\n");
            return 1;
        }
    }
    double floorMs = bench::Median(floor);
    double hostMs = bench::Median(host);
    std::printf("launch until the main window is drawn (median of %d processes each)\n", kRounds);
    std::printf("  host:  a process opening the module        %8.2f ms\n", hostMs);
    std::printf("  floor: a process building the templates    %8.2f ms\n", floorMs);
    std::printf("  ratio: %.2f (target: at most 1.2)\n", hostMs / floorMs);
    return 0;
}
