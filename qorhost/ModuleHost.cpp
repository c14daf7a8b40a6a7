#include "ModuleHost.h"

#include "MessageQueue.h"

#include <cstring>
#include <utility>

namespace {
// A window that keeps posting to itself must not hold one pass of the loop for ever.
constexpr int kMessagesPerPass = 1000;

ModuleHost* g_host = nullptr;
HWND g_dialog = nullptr;
// The windows whose messages are being dispatched, outermost first.
std::vector<HWND> g_dispatching;
int g_blockedDepth = 0;
DWORD g_blockedSince = 0;

// Marks the host as inside a call or a dispatch for as long as it lives.
class BlockedScope {
public:
    BlockedScope() {
        if (g_blockedDepth++ == 0)
            g_blockedSince = ::GetTickCount();
    }
    ~BlockedScope() { --g_blockedDepth; }
    BlockedScope(const BlockedScope&) = delete;
    BlockedScope& operator=(const BlockedScope&) = delete;
};

std::string Quoted(const char* text) {
    if (!text)
        return "null";
    std::string value(text, ::strnlen(text, 80));
    return "\"" + value + (value.size() == 80 ? "...\"" : "\"");
}

BOOL CALLBACK CollectModuleWindow(HWND window, LPARAM list) {
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (::IsWindowVisible(window) && !ModuleHost::IsHostWindow(window) &&
        std::string(className) != "IME")
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}
} // namespace

ModuleHost::ModuleHost(SimulatedPrinter& printer) : m_printer(printer) {
    g_host = this;
}

ModuleHost::~ModuleHost() {
    // The observers may be gone already.
    onRequest = nullptr;
    onCall = nullptr;
    onLifetime = nullptr;
    if (m_open)
        TerminateNow();
    g_host = nullptr;
}

template <class Call> int ModuleHost::Run(const std::string& what, Call call) {
    if (onCall)
        onCall(what);
    BlockedScope blocked;
    ++m_callDepth;
    int result = call();
    --m_callDepth;
    if (onCall)
        onCall(what.substr(0, what.find('(')) + " -> " + std::to_string(result));
    return result;
}

void ModuleHost::SetOpen(bool open) {
    if (open == m_open)
        return;
    m_open = open;
    if (onLifetime)
        onLifetime();
}

void ModuleHost::Fault(const std::string& text) {
    m_faults.push_back(text);
    if (onCall)
        onCall("protocol fault: " + text);
}

std::vector<std::string> ModuleHost::TakeProtocolFaults() {
    return std::exchange(m_faults, {});
}

int ModuleHost::Init(const char* printerName, int topic, STATUSINFO* status, PORTINFO* port) {
    // The module may ask for status while it opens.
    SetOpen(true);
    int result = Run("QORInit(" + Quoted(printerName) + ", " + std::to_string(topic) + ")",
                     [&] { return QORInit(printerName, topic, status, port, &Callback); });
    if (!result && m_open) {
        // Refused, or a topic that ends at once: whether anything stays open, only the module
        // knows. A status update is answered only by an open module.
        SetOpen(Run("QORUpdateStatus(probe)",
                    [&] { return QORUpdateStatus(m_printer.Status()); }) != 0);
    }
    return result;
}

int ModuleHost::DisplayTopic(int topic, STATUSINFO* status) {
    bool wasOpen = m_open;
    int result = Run("QORDisplayTopic(" + std::to_string(topic) + ")",
                     [&] { return QORDisplayTopic(topic, status); });
    if (!wasOpen && result)
        Fault("QORDisplayTopic answered " + std::to_string(result) + " with the module closed");
    return result;
}

int ModuleHost::ChangeCart(const char* printerName, int code, STATUSINFO* status, PORTINFO* port) {
    bool wasOpen = m_open;
    SetOpen(true);
    int result = Run("QORChangeCart(" + Quoted(printerName) + ", " + std::to_string(code) + ")",
                     [&] { return QORChangeCart(printerName, code, status, port, &Callback); });
    if (!wasOpen && !result && m_open)
        SetOpen(Run("QORUpdateStatus(probe)",
                    [&] { return QORUpdateStatus(m_printer.Status()); }) != 0);
    return result;
}

int ModuleHost::UpdateStatus(STATUSINFO* status) {
    bool wasOpen = m_open;
    int result = Run("QORUpdateStatus", [&] { return QORUpdateStatus(status); });
    // A status record is taken exactly while the module is open.
    if (status && (result != 0) != wasOpen && m_open == wasOpen)
        Fault("QORUpdateStatus answered " + std::to_string(result) + " with the module " +
              (wasOpen ? "open" : "closed"));
    return result;
}

int ModuleHost::ChoosePrinter(const char* printerList) {
    int result = Run("QORChoosePrinter", [&] { return QORChoosePrinter(printerList); });
    // It closes whatever was open, without a notice.
    SetOpen(false);
    return result;
}

int ModuleHost::TerminateNow() {
    int result = Run("QORTerminateNow", [] { return QORTerminateNow(); });
    SetOpen(false);
    return result;
}

int ModuleHost::OpenTopic(const std::string& printerName, int topic) {
    if (m_open)
        return DisplayTopic(topic, m_printer.Status());
    return Init(printerName.c_str(), topic, m_printer.Status(), m_printer.Port());
}

int ModuleHost::ChangeCartridges(const std::string& printerName) {
    return ChangeCart(printerName.c_str(), 1, m_printer.Status(), m_printer.Port());
}

int ModuleHost::PushStatus() {
    return UpdateStatus(m_printer.Status());
}

int ModuleHost::Callback(int request, void* payload, int arg3, int arg4) {
    return g_host ? g_host->Answer(request, payload, arg3, arg4) : 0;
}

int ModuleHost::Answer(int request, void* payload, int arg3, int arg4) {
    ++m_requestCount;
    if (!m_open)
        Fault(RequestName(request) + " while the module is closed");
    if (request < CBGetStatus || request > CBResetChangeCount)
        Fault("unknown request code " + std::to_string(request));
    if (request == CBSendBytes && arg3 != 14)
        Fault("CBSendBytes with " + std::to_string(arg3) + " bytes");
    RequestRecord record = m_printer.Answer(request, payload, arg3, arg4);
    if (request == CBNotifyQORClosed)
        SetOpen(false);
    if (onRequest)
        onRequest(record);
    Reenter(request);
    return record.result;
}

void ModuleHost::ReenterOnce(Reentry what, const std::string& printerName) {
    m_reentry = what;
    m_reentryPrinter = printerName;
}

void ModuleHost::Reenter(int request) {
    bool onClose = request == CBNotifyQORClosed;
    switch (m_reentry) {
    case Reentry::None:
        return;
    case Reentry::TerminateOnNextRequest:
        break;
    case Reentry::TerminateOnClose:
    case Reentry::InitOnClose:
        if (!onClose)
            return;
        break;
    }
    Reentry what = std::exchange(m_reentry, Reentry::None);
    if (what == Reentry::InitOnClose)
        Init(m_reentryPrinter.c_str(), 100, m_printer.Status(), m_printer.Port());
    else
        TerminateNow();
}

void ModuleHost::TerminateFromTimer(UINT milliseconds) {
    ::SetTimer(nullptr, 0, milliseconds, &ModuleHost::TerminateTimerProc);
}

void CALLBACK ModuleHost::TerminateTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    if (g_host && g_host->IsOpen())
        g_host->TerminateNow();
}

std::vector<HWND> ModuleHost::ModuleWindows() {
    // Thread windows come in Z order: the most recently activated first.
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectModuleWindow,
                        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool ModuleHost::IsHostWindow(HWND window) {
    auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(window, GWLP_HINSTANCE));
    if (instance == ::GetModuleHandleA(nullptr))
        return true;
    // The module's dialogs come from its resource module, even when a host window owns them.
    if (instance && instance == ::GetModuleHandleA("vqtrqorr.dll"))
        return false;
    return g_dialog && ::GetAncestor(window, GA_ROOTOWNER) == g_dialog;
}

void MessageLoop::SetDialog(HWND dialog) {
    g_dialog = dialog;
}

DWORD MessageLoop::BlockedFor() {
    return g_blockedDepth > 0 ? ::GetTickCount() - g_blockedSince : 0;
}

bool MessageLoop::ModuleHoldsLoop() {
    if (g_host && g_host->InCall())
        return true;
    for (HWND window : g_dispatching) {
        if (window && !ModuleHost::IsHostWindow(window))
            return true;
    }
    return false;
}

void MessageLoop::Dispatch(MSG& msg) {
    BlockedScope blocked;
    g_dispatching.push_back(msg.hwnd);
    if (!QORFilterDllMsg(&msg) && !(g_dialog && ::IsDialogMessageA(g_dialog, &msg))) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    g_dispatching.pop_back();
}

int MessageLoop::Run() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        Dispatch(msg);
    return static_cast<int>(msg.wParam);
}

bool MessageLoop::PumpFor(DWORD milliseconds) {
    DWORD start = ::GetTickCount();
    for (;;) {
        // The host's own dispatch takes every message, as its main loop's does.
        CMessagePass pass = DispatchWaitingMessages(kMessagesPerPass, [](MSG* msg) -> BOOL {
            Dispatch(*msg);
            return TRUE;
        });
        if (pass.quit)
            return false;
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= milliseconds)
            return true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}
