// qorhost: the reference QOR host. It loads the module, opens a topic for a simulated printer,
// runs its message loop through QORFilterDllMsg, answers the module's requests and lists them.
//
//   qorhost [--printer NAME] [--topic N] [--screenshot FILE.png] [--log FILE]
#include "Screenshot.h"
#include "SimulatedPrinter.h"
#include "qor.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
SimulatedPrinter g_printer;
FILE* g_requestLog = nullptr;

void Note(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    if (g_requestLog) {
        std::fprintf(g_requestLog, "%s\n", line.c_str());
        std::fflush(g_requestLog);
    }
}

int HostCallback(int request, void* payload, int arg3, int arg4) {
    std::string description;
    int result = g_printer.Answer(request, payload, arg3, arg4, description);
    Note("request: " + description + " -> " + std::to_string(result));
    if (request == CBNotifyQORClosed)
        ::PostQuitMessage(0);
    return result;
}

void Dispatch(MSG& msg) {
    if (!QORFilterDllMsg(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Runs the loop for a while, so that every window has painted and the display shows it.
void PumpFor(DWORD milliseconds) {
    DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            Dispatch(msg);
        }
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= milliseconds)
            return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

struct Options {
    std::string printer = "Corvane Q710 Series";
    int topic = 100;
    std::string screenshot;
    std::string log;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int index = 1; index < argc; ++index) {
        std::string option = argv[index];
        bool hasValue = index + 1 < argc;
        if (option == "--printer" && hasValue)
            options.printer = argv[++index];
        else if (option == "--topic" && hasValue)
            options.topic = std::atoi(argv[++index]);
        else if (option == "--screenshot" && hasValue)
            options.screenshot = argv[++index];
        else if (option == "--log" && hasValue)
            options.log = argv[++index];
        else {
            std::fprintf(stderr, "usage: qorhost [--printer NAME] [--topic N] "
                                 "[--screenshot FILE.png] [--log FILE]\n");
            return false;
        }
    }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options))
        return 2;
    if (!options.log.empty())
        g_requestLog = std::fopen(options.log.c_str(), "w");
    ::CoInitialize(nullptr);

    Note("QORInit(\"" + options.printer + "\", " + std::to_string(options.topic) + ")");
    int opened = QORInit(options.printer.c_str(), options.topic, g_printer.Status(),
                         g_printer.Port(), HostCallback);
    Note("QORInit -> " + std::to_string(opened));

    int exitCode = 0;
    if (!options.screenshot.empty()) {
        PumpFor(800);
        std::wstring path(options.screenshot.begin(), options.screenshot.end());
        bool saved = SaveScreenAsPng(path.c_str());
        Note(saved ? "screenshot saved: " + options.screenshot
                   : "screenshot could not be saved: " + options.screenshot);
        exitCode = saved ? 0 : 1;
    } else if (!g_printer.ModuleClosed()) {
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
            Dispatch(msg);
    }
    if (!g_printer.ModuleClosed())
        QORTerminateNow();
    ::CoUninitialize();
    if (g_requestLog)
        std::fclose(g_requestLog);
    return opened || g_printer.ModuleClosed() ? exitCode : 1;
}
