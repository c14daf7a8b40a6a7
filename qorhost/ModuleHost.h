// The module as this host drives it: the seven exports, the callback that the simulated printer
// answers, the module's lifetime as the requests tell it, and the host's message loop.
#pragma once

#include "SimulatedPrinter.h"
#include "qor.h"

#include <functional>
#include <string>
#include <vector>

class ModuleHost {
public:
    explicit ModuleHost(SimulatedPrinter& printer);
    // Ends the module if it is still open.
    ~ModuleHost();
    ModuleHost(const ModuleHost&) = delete;
    ModuleHost& operator=(const ModuleHost&) = delete;

    // Told of every request answered, of every call made ("QORInit("...", 100) -> 1") and of
    // every change between open and closed.
    std::function<void(const RequestRecord&)> onRequest;
    std::function<void(const std::string&)> onCall;
    std::function<void()> onLifetime;

    // A topic: QORInit when the module is closed, QORDisplayTopic when it is open. The printer's
    // present records go with it.
    int OpenTopic(const std::string& printerName, int topic);
    // QORChangeCart with the printer's records.
    int ChangeCartridges(const std::string& printerName);
    // QORUpdateStatus with the printer's records.
    int PushStatus();

    // The exports as they are, with whatever records the caller hands in.
    int Init(const char* printerName, int topic, STATUSINFO* status, PORTINFO* port);
    int DisplayTopic(int topic, STATUSINFO* status);
    int ChangeCart(const char* printerName, int code, STATUSINFO* status, PORTINFO* port);
    int UpdateStatus(STATUSINFO* status);
    int ChoosePrinter(const char* printerList);
    int TerminateNow();

    // What the host does from inside its own answer, once: a host may call the module back while
    // the module waits for it.
    enum class Reentry {
        None,
        TerminateOnNextRequest, // QORTerminateNow while answering the next request
        TerminateOnClose,       // QORTerminateNow while answering the close notice
        InitOnClose,            // QORInit on the same printer while answering the close notice
    };
    void ReenterOnce(Reentry what, const std::string& printerName);
    // QORTerminateNow from a timer of the host's, which fires inside whatever loop runs then: a
    // modal loop of the module's as well as the host's own.
    void TerminateFromTimer(UINT milliseconds);

    // Open from QORInit until CBNotifyQORClosed, QORTerminateNow or QORChoosePrinter.
    bool IsOpen() const { return m_open; }
    // A call into the module is running (a modal wizard may be up).
    bool InCall() const { return m_callDepth > 0; }
    SimulatedPrinter& Printer() { return m_printer; }
    int RequestCount() const { return m_requestCount; }

    // Breaches of the request protocol seen since the last call of this: a request while the
    // module is closed, a request code outside 1 to 11, CBSendBytes without 14 bytes.
    std::vector<std::string> TakeProtocolFaults();

    // The visible top-level windows of this thread that the module made, the most recently
    // activated first where known.
    static std::vector<HWND> ModuleWindows();
    // Whether a window belongs to this program rather than to the module.
    static bool IsHostWindow(HWND window);

private:
    static int Callback(int request, void* payload, int arg3, int arg4);
    int Answer(int request, void* payload, int arg3, int arg4);
    // Runs one export, keeping the call depth and the lifetime; name and arguments are logged.
    template <class Call> int Run(const std::string& what, Call call);
    void SetOpen(bool open);
    void Fault(const std::string& text);
    void Reenter(int request);
    static void CALLBACK TerminateTimerProc(HWND, UINT, UINT_PTR id, DWORD);

    SimulatedPrinter& m_printer;
    bool m_open = false;
    bool m_closedInCall = false;
    int m_callDepth = 0;
    int m_requestCount = 0;
    Reentry m_reentry = Reentry::None;
    std::string m_reentryPrinter;
    std::vector<std::string> m_faults;
};

// The host's message loop: every message goes to the module first (QORFilterDllMsg), then to the
// host's own dialog (IsDialogMessage, for its keyboard), then is dispatched.
namespace MessageLoop {
// The dialog whose keyboard the loop serves; null for none.
void SetDialog(HWND dialog);
void Dispatch(MSG& msg);
// How long the host has been inside one call into the module or one dispatch of a message:
// more than a moment means the module runs a modal loop of its own. 0 when the host is idle.
DWORD BlockedFor();
// Whether a window of the module (a modal loop, or a call) holds the host's loop now: the host
// then calls nothing that would end the windows whose loops are running.
bool ModuleHoldsLoop();
// Runs until WM_QUIT; returns its code.
int Run();
// Dispatches what is waiting, then waits for more until the time is up. False when WM_QUIT came
// (it is posted again for the outer loop).
bool PumpFor(DWORD milliseconds);
} // namespace MessageLoop
