#include "Soak.h"

#include "Handles.h"
#include "Unattended.h"

#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <climits>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <thread>
#include <vector>

namespace {
using Random = std::mt19937;

// What a crash or a hang reports: the operation running and the seed to run it again.
struct Progress {
    std::atomic<int> index{0};
    std::atomic<const char*> kind{"start"};
    std::atomic<DWORD> start{0};
    unsigned seed = 0;
    int operations = 0;
};
Progress g_progress;

void PrintWhere(const char* what) {
    std::printf("soak: %s at operation %d (%s); run again with --soak %d --seed %u\n", what,
                g_progress.index.load(), g_progress.kind.load(), g_progress.operations,
                g_progress.seed);
    std::fflush(stdout);
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    char what[64];
    std::snprintf(what, sizeof what, "crash (exception 0x%08lX)",
                  exception && exception->ExceptionRecord
                      ? static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode)
                      : 0ul);
    PrintWhere(what);
    // The process ends with the exception's code.
    return EXCEPTION_CONTINUE_SEARCH;
}

// Where a thread is: its call stack as module+offset, for addr2line.
void PrintStack(HANDLE thread) {
    if (::SuspendThread(thread) == static_cast<DWORD>(-1))
        return;
    CONTEXT context{};
    context.ContextFlags = CONTEXT_FULL;
    if (::GetThreadContext(thread, &context)) {
        for (int frame = 0; frame < 32 && context.Rip; ++frame) {
            HMODULE module = nullptr;
            char name[MAX_PATH] = "?";
            if (::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                     reinterpret_cast<const char*>(context.Rip), &module))
                ::GetModuleFileNameA(module, name, sizeof name);
            const char* file = std::strrchr(name, '\\');
            std::printf(
                "soak:   at %s+0x%llx\n", file ? file + 1 : name,
                static_cast<unsigned long long>(context.Rip - reinterpret_cast<DWORD64>(module)));
            DWORD64 base = 0;
            PRUNTIME_FUNCTION function = ::RtlLookupFunctionEntry(context.Rip, &base, nullptr);
            if (!function) {
                // A leaf function: the return address is on top of the stack.
                context.Rip = *reinterpret_cast<DWORD64*>(context.Rsp);
                context.Rsp += 8;
                continue;
            }
            void* handlerData = nullptr;
            DWORD64 establisher = 0;
            ::RtlVirtualUnwind(UNW_FLAG_NHANDLER, base, context.Rip, function, &context,
                               &handlerData, &establisher, nullptr);
        }
    }
    std::fflush(stdout);
}

// Ends the process when one operation takes too long: the GUI thread is stuck.
class Watchdog {
public:
    explicit Watchdog(DWORD limit) : m_limit(limit) {
        ::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentThread(), ::GetCurrentProcess(),
                          m_guiThread.Receive(), 0, FALSE, DUPLICATE_SAME_ACCESS);
        m_thread = std::thread([this] { Watch(); });
    }
    ~Watchdog() {
        m_stop = true;
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    void Watch() {
        while (!m_stop) {
            ::Sleep(100);
            if (::GetTickCount() - g_progress.start.load() > m_limit) {
                char what[64];
                std::snprintf(what, sizeof what, "hang (no return within %lu s)",
                              static_cast<unsigned long>(m_limit / 1000));
                PrintWhere(what);
                PrintStack(m_guiThread);
                ::TerminateProcess(::GetCurrentProcess(), 3);
            }
        }
    }

    DWORD m_limit;
    CHandle m_guiThread;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

int Below(Random& random, size_t count) {
    return count ? static_cast<int>(std::uniform_int_distribution<size_t>(0, count - 1)(random))
                 : 0;
}

bool Chance(Random& random, int percent) {
    return Below(random, 100) < percent;
}

template <class T> T Pick(Random& random, std::initializer_list<T> values) {
    return values.begin()[Below(random, values.size())];
}

DWORD AnyValue(Random& random) {
    return static_cast<DWORD>(random());
}

// Records as a strange host might hand them in: every value in range, at its edges or beyond.
struct HostileRecords {
    STATUSINFO status{};
    STATUSERROR alert{};
    std::vector<BYTE> alertBytes;
    INKINFO ink{};
    ALIGNINFO align{};
    PORTINFO port{};
};

LONG HostileLevel(Random& random) {
    switch (Below(random, 8)) {
    case 0:
        return Pick<LONG>(random, {INT_MIN, INT_MAX, -1, 101, 12, 13});
    case 1:
        return QOR_NEW_CARTRIDGE_MARKER;
    case 2:
        return static_cast<LONG>(AnyValue(random));
    default:
        return Below(random, 101);
    }
}

DWORD HostileCartridge(Random& random) {
    if (Chance(random, 15))
        return Pick<DWORD>(random, {AnyValue(random), 0xFFFFFFFFu, 17, 200, 1000});
    return Pick<DWORD>(random,
                       {0, 16, 32, 48, 53, 63, 64, 80, 85, 95, 96, 112, 127, 128, 143, 999});
}

DWORD HostileSmall(Random& random, DWORD top) {
    return Chance(random, 10) ? Pick<DWORD>(random, {AnyValue(random), 0xFFFFFFFFu, top + 1})
                              : static_cast<DWORD>(Below(random, top + 1));
}

void MakeInk(Random& random, INKINFO& ink) {
    ink.dwCarrierType =
        Chance(random, 85) ? Pick<DWORD>(random, {1, 2, 3}) : HostileSmall(random, 4);
    LONG* levels = &ink.nBlackLevel;
    for (int index = 0; index < 7; ++index)
        levels[index] = HostileLevel(random);
    ink.dwReserved8 = AnyValue(random);
    ink.dwReserved21 = AnyValue(random);
    ink.bCartChanged1 = HostileSmall(random, 1);
    ink.bCartChanged2 = HostileSmall(random, 1);
    ink.LogCartID1 = HostileCartridge(random);
    ink.LogCartID2 = HostileCartridge(random);
    ink.PhyCartID1 = Chance(random, 50) ? ink.LogCartID1 : HostileCartridge(random);
    ink.PhyCartID2 = Chance(random, 50) ? ink.LogCartID2 : HostileCartridge(random);
    ink.dwCarried17 = AnyValue(random);
    ink.bAlignCart1 = HostileSmall(random, 2);
    ink.bAlignCart2 = HostileSmall(random, 2);
}

void MakeAlert(Random& random, std::vector<BYTE>& bytes) {
    bytes.resize(Below(random, 65));
    for (BYTE& byte : bytes)
        byte = static_cast<BYTE>(random());
}

void MakeHostile(Random& random, HostileRecords& records) {
    STATUSINFO& status = records.status;
    status = STATUSINFO{};
    status.dwStatus = HostileSmall(random, 11);
    status.dwMediaTray1 = Chance(random, 80) ? Below(random, 6) : HostileSmall(random, 255);
    status.dwMediaTray2 = Chance(random, 80) ? Below(random, 6) : HostileSmall(random, 255);
    if (!Chance(random, 10)) {
        MakeInk(random, records.ink);
        status.lpInk = &records.ink;
    }
    if (!Chance(random, 10)) {
        for (DWORD& value : records.align.dwValue)
            value = HostileSmall(random, 30);
        status.lpHeadAlign = &records.align;
    }
    if (!Chance(random, 10)) {
        MakeAlert(random, records.alertBytes);
        records.alert.lpAlertStatusBytes =
            records.alertBytes.empty() ? nullptr : records.alertBytes.data();
        records.alert.dwAlertStatusLength = static_cast<DWORD>(records.alertBytes.size());
        // No bytes, yet a length: the module must not read through the null pointer.
        if (Chance(random, 15)) {
            records.alert.lpAlertStatusBytes = nullptr;
            records.alert.dwAlertStatusLength = Pick<DWORD>(random, {1, 14, 64, 0xFFFFFFFFu});
        }
        status.lpStatusError = &records.alert;
    }
    records.port.dwPortType = HostileSmall(random, 11);
    records.port.dwPortValue1 = AnyValue(random);
    records.port.dwPortValue2 = AnyValue(random);
}

int HostileTopic(Random& random) {
    switch (Below(random, 10)) {
    case 0:
    case 1:
    case 2:
        return Pick(random,
                    {0,   100, 101, 102, 103, 104, 105, 106, 107, 108, 201, 203, 206, 214, 216,
                     218, 222, 223, 224, 225, 301, 302, 303, 304, 305, 306, 308, 313, 314, 400,
                     401, 402, 404, 405, 406, 409, 410, 411, 412, 500, 600, 700, 701, 900});
    case 3:
    case 4:
    case 5:
        return Below(random, 1001);
    case 6:
        return -Below(random, 1001);
    case 7:
        return Pick(random, {INT_MIN, INT_MAX, INT_MIN + 1, INT_MAX - 1, -1});
    default:
        return 100 + Below(random, 6);
    }
}

BOOL CALLBACK CollectChild(HWND window, LPARAM list) {
    // Input reaches only what is shown: a hidden page's controls get no keys or clicks.
    if (::IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

class SoakRun {
public:
    SoakRun(ModuleHost& host, const Profile& profile, const SoakSettings& settings)
        : m_host(host), m_profile(profile), m_settings(settings), m_random(settings.seed),
          m_unattended([this](UINT style) {
              std::vector<int> buttons = Unattended::Buttons(style);
              return buttons[Below(m_random, buttons.size())];
          }) {
        m_unattended.ShowHelpInViewer(settings.helpFile);
    }

    int Run();

private:
    struct Operation {
        const char* name;
        int weightOpen;   // how often while the module is open
        int weightClosed; // and while it is closed
        void (SoakRun::*run)();
    };
    static const Operation kOperations[];

    const Operation& Choose();
    void Failure(const std::string& text);
    void Note(const std::string& text);
    void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Check();
    STATUSINFO* SomeStatus();

    void OpenTopic();
    void UpdateStatus();
    void ChangePrinter();
    void ChangeCartridges();
    void WindowMessage();
    void Pump();
    void CloseWindow();
    void Terminate();
    void InitAgain();
    void NullRecords();
    void ChoosePrinter();
    void CallBackFromAnswer();
    void TerminateFromTimer();

    void MouseMessage(HWND target);
    void KeyMessage(HWND target);
    void CommandMessage(HWND top, const std::vector<HWND>& children);
    void DrawMessage(HWND target);
    void NotifyMessage(HWND target);
    void SystemMessage(HWND top);

    ModuleHost& m_host;
    const Profile& m_profile;
    SoakSettings m_settings;
    Random m_random;
    Unattended m_unattended;
    HostileRecords m_records;
    int m_index = 0;
    const char* m_kind = "";
    int m_failures = 0;
    std::map<std::string, int> m_counts;
    std::set<HWND> m_reportedWindows;
    int m_lifetimes = 0;
};

const SoakRun::Operation SoakRun::kOperations[] = {
    {"open topic", 8, 60, &SoakRun::OpenTopic},
    {"status update", 10, 3, &SoakRun::UpdateStatus},
    {"printer change", 5, 5, &SoakRun::ChangePrinter},
    {"change cartridges", 2, 4, &SoakRun::ChangeCartridges},
    {"window message", 50, 0, &SoakRun::WindowMessage},
    {"pump", 8, 3, &SoakRun::Pump},
    {"close window", 2, 0, &SoakRun::CloseWindow},
    {"terminate", 2, 2, &SoakRun::Terminate},
    {"init again", 1, 0, &SoakRun::InitAgain},
    {"null records", 2, 3, &SoakRun::NullRecords},
    {"choose printer", 1, 1, &SoakRun::ChoosePrinter},
    {"call back in answer", 2, 0, &SoakRun::CallBackFromAnswer},
    {"terminate by timer", 2, 0, &SoakRun::TerminateFromTimer},
};

const SoakRun::Operation& SoakRun::Choose() {
    bool open = m_host.IsOpen();
    int total = 0;
    for (const Operation& operation : kOperations)
        total += open ? operation.weightOpen : operation.weightClosed;
    int pick = Below(m_random, static_cast<size_t>(total));
    for (const Operation& operation : kOperations) {
        pick -= open ? operation.weightOpen : operation.weightClosed;
        if (pick < 0)
            return operation;
    }
    return kOperations[0];
}

void SoakRun::Failure(const std::string& text) {
    ++m_failures;
    std::printf("soak: failure at operation %d (%s): %s; seed %u\n", m_index, m_kind, text.c_str(),
                m_settings.seed);
    std::fflush(stdout);
}

void SoakRun::Note(const std::string& text) {
    if (m_settings.log)
        m_settings.log("soak: " + std::to_string(m_index) + " " + m_kind + ": " + text);
}

namespace {
std::string Describe(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    char text[160];
    std::snprintf(text, sizeof text, "0x%04X (0x%llX, 0x%llX) to %p %s", message,
                  static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam),
                  static_cast<void*>(window), className);
    std::string line = text;
    // The window's place: its parents up to the top-level window, with their ids.
    for (HWND parent = ::GetParent(window); parent; parent = ::GetParent(parent)) {
        ::GetClassNameA(parent, className, sizeof className);
        char ex[24];
        std::snprintf(ex, sizeof ex, " ex 0x%lX", ::GetWindowLongA(parent, GWL_EXSTYLE));
        line += std::string(" in ") + className + ex;
        if (!(::GetWindowLongA(parent, GWL_STYLE) & WS_CHILD))
            break;
    }
    return line;
}
} // namespace

void SoakRun::Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Note("post " + Describe(window, message, wParam, lParam));
    ::PostMessageA(window, message, wParam, lParam);
}

LRESULT SoakRun::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Note("send " + Describe(window, message, wParam, lParam));
    return ::SendMessageA(window, message, wParam, lParam);
}

STATUSINFO* SoakRun::SomeStatus() {
    if (Chance(m_random, 40))
        return m_host.Printer().Status();
    MakeHostile(m_random, m_records);
    return &m_records.status;
}

void SoakRun::Check() {
    for (const std::string& fault : m_host.TakeProtocolFaults())
        Failure(fault);
    if (m_host.IsOpen())
        return;
    // A closed module leaves nothing on the screen.
    for (HWND window : ModuleHost::ModuleWindows()) {
        if (!m_reportedWindows.insert(window).second)
            continue;
        char title[96] = {};
        char className[64] = {};
        ::GetWindowTextA(window, title, sizeof title);
        ::GetClassNameA(window, className, sizeof className);
        Failure(std::string("window \"") + title + "\" (" + className + ") outlives the module");
    }
}

void SoakRun::OpenTopic() {
    int topic = HostileTopic(m_random);
    if (m_host.IsOpen()) {
        m_host.DisplayTopic(topic, SomeStatus());
        return;
    }
    ++m_lifetimes;
    STATUSINFO* status = SomeStatus();
    PORTINFO* port = Chance(m_random, 50) ? m_host.Printer().Port() : &m_records.port;
    m_host.Init(m_profile.printerName.c_str(), topic, status, port);
}

void SoakRun::UpdateStatus() {
    m_host.UpdateStatus(SomeStatus());
}

void SoakRun::ChangePrinter() {
    // The printer itself reports strange things: every status read answers with them.
    PrinterState& state = m_host.Printer().State();
    MakeHostile(m_random, m_records);
    state.status = m_records.status.dwStatus;
    state.mediaTray1 = m_records.status.dwMediaTray1;
    state.mediaTray2 = m_records.status.dwMediaTray2;
    MakeInk(m_random, state.ink);
    MakeAlert(m_random, state.alertBytes);
    state.heldByOtherSession = Chance(m_random, 20);
    state.jobHeld = Chance(m_random, 20);
    if (Chance(m_random, 50))
        m_host.PushStatus();
}

void SoakRun::ChangeCartridges() {
    if (!m_host.IsOpen())
        ++m_lifetimes;
    m_host.ChangeCart(m_profile.printerName.c_str(), static_cast<int>(AnyValue(m_random)),
                      SomeStatus(), m_host.Printer().Port());
}

void SoakRun::Pump() {
    MessageLoop::PumpFor(static_cast<DWORD>(Below(m_random, 80)));
}

void SoakRun::Terminate() {
    m_host.TerminateNow();
}

void SoakRun::CallBackFromAnswer() {
    using Reentry = ModuleHost::Reentry;
    Reentry what = Pick(m_random, {Reentry::TerminateOnNextRequest, Reentry::TerminateOnClose,
                                   Reentry::InitOnClose});
    m_host.ReenterOnce(what, m_profile.printerName);
    // The next request or close notice may be far off: a poll, a click or a close brings it.
    std::vector<HWND> windows = ModuleHost::ModuleWindows();
    if (!windows.empty() && Chance(m_random, 50))
        Send(windows.front(), WM_CLOSE, 0, 0);
}

void SoakRun::TerminateFromTimer() {
    m_host.TerminateFromTimer(static_cast<UINT>(Below(m_random, 50)));
}

void SoakRun::InitAgain() {
    // The host is not meant to do this; the module replaces its object.
    m_host.Init(m_profile.printerName.c_str(), HostileTopic(m_random), SomeStatus(),
                m_host.Printer().Port());
}

void SoakRun::NullRecords() {
    std::string longName(300, 'Q');
    switch (Below(m_random, 5)) {
    case 0:
        m_host.UpdateStatus(nullptr);
        break;
    case 1:
        m_host.DisplayTopic(HostileTopic(m_random), nullptr);
        break;
    case 2:
        if (!m_host.IsOpen())
            m_host.Init(Chance(m_random, 50) ? nullptr : longName.c_str(), 100, SomeStatus(),
                        m_host.Printer().Port());
        break;
    case 3:
        if (!m_host.IsOpen())
            m_host.Init(m_profile.printerName.c_str(), HostileTopic(m_random), nullptr, nullptr);
        break;
    default:
        m_host.ChangeCart(m_profile.printerName.c_str(), 0, nullptr, nullptr);
        break;
    }
}

void SoakRun::ChoosePrinter() {
    static const char kList[] = "Corvane Q710 Series\0Office Printer\0\0";
    static const char kEmpty[] = "\0";
    m_host.ChoosePrinter(Pick<const char*>(m_random, {kList, kEmpty, nullptr}));
}

void SoakRun::CloseWindow() {
    std::vector<HWND> windows = ModuleHost::ModuleWindows();
    if (windows.empty())
        return;
    HWND window = windows[Below(m_random, windows.size())];
    switch (Below(m_random, 3)) {
    case 0:
        Post(window, WM_CLOSE, 0, 0);
        break;
    case 1:
        Post(window, WM_KEYDOWN, VK_ESCAPE, 1);
        break;
    default:
        Post(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        break;
    }
}

void SoakRun::WindowMessage() {
    std::vector<HWND> windows = ModuleHost::ModuleWindows();
    if (windows.empty())
        return;
    HWND top = windows[Below(m_random, windows.size())];
    std::vector<HWND> children;
    ::EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&children));
    HWND target =
        children.empty() || Chance(m_random, 25) ? top : children[Below(m_random, children.size())];
    switch (Below(m_random, 10)) {
    case 0:
    case 1:
        MouseMessage(target);
        break;
    case 2:
    case 3:
        KeyMessage(target);
        break;
    case 4:
    case 5:
        CommandMessage(top, children);
        break;
    case 6:
        DrawMessage(target);
        break;
    case 7:
        NotifyMessage(target);
        break;
    default:
        SystemMessage(top);
        break;
    }
}

void SoakRun::MouseMessage(HWND target) {
    RECT client{};
    ::GetClientRect(target, &client);
    LPARAM point = MAKELPARAM(Below(m_random, static_cast<size_t>(client.right + 1)),
                              Below(m_random, static_cast<size_t>(client.bottom + 1)));
    if (Chance(m_random, 50)) {
        // A click: what presses buttons and selects items.
        Post(target, WM_LBUTTONDOWN, MK_LBUTTON, point);
        Post(target, WM_LBUTTONUP, 0, point);
        return;
    }
    UINT message =
        Pick<UINT>(m_random, {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                              WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEWHEEL, WM_NCMOUSEMOVE});
    WPARAM keys = message == WM_MOUSEWHEEL ? MAKEWPARAM(0, Pick<short>(m_random, {120, -120}))
                                           : static_cast<WPARAM>(Below(m_random, 2));
    Post(target, message, keys, point);
    if (Chance(m_random, 30)) {
        // The mouse over a window: hit tests that start no move or size loop.
        Post(target, Pick<UINT>(m_random, {WM_NCLBUTTONDOWN, WM_NCLBUTTONUP}),
             Pick<WPARAM>(m_random, {HTCLIENT, HTNOWHERE}), point);
        Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
}

void SoakRun::KeyMessage(HWND target) {
    // Escape and Alt+F4 close: they belong to the close operation.
    WPARAM key = Pick<WPARAM>(m_random, {VK_TAB, VK_RETURN, VK_SPACE, VK_LEFT, VK_RIGHT, VK_UP,
                                         VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END, VK_F1,
                                         VK_DELETE, VK_BACK, 'A', 'Z', '7'});
    HWND focus = ::GetFocus();
    if (focus && !ModuleHost::IsHostWindow(focus) && Chance(m_random, 50))
        target = focus;
    Post(target, WM_KEYDOWN, key, 1);
    if (Chance(m_random, 30))
        Post(target, WM_CHAR, static_cast<WPARAM>('0' + Below(m_random, 75)), 1);
    Post(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

void SoakRun::CommandMessage(HWND top, const std::vector<HWND>& children) {
    // The command of a control, as its parent hears it when the control is used.
    if (children.empty())
        return;
    HWND child = children[Below(m_random, children.size())];
    int id = ::GetDlgCtrlID(child);
    if (id == IDCANCEL)
        return;
    HWND parent = ::GetParent(child);
    WORD code = Pick<WORD>(
        m_random, {BN_CLICKED, BN_CLICKED, CBN_SELCHANGE, EN_CHANGE, LBN_SELCHANGE, BN_SETFOCUS});
    Post(parent ? parent : top, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(child));
}

void SoakRun::DrawMessage(HWND target) {
    HDC dc = ::GetDC(target);
    if (!dc)
        return;
    RECT client{};
    ::GetClientRect(target, &client);
    HWND parent = ::GetParent(target);
    LONG style = ::GetWindowLongA(target, GWL_STYLE);
    char className[32] = {};
    ::GetClassNameA(target, className, sizeof className);
    bool ownerDrawnButton =
        _stricmp(className, "Button") == 0 && (style & BS_TYPEMASK) == BS_OWNERDRAW;
    bool ownerDrawnStatic =
        _stricmp(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_OWNERDRAW;
    if (parent && (ownerDrawnButton || ownerDrawnStatic)) {
        DRAWITEMSTRUCT item{};
        item.CtlType = ownerDrawnButton ? ODT_BUTTON : ODT_STATIC;
        item.CtlID = static_cast<UINT>(::GetDlgCtrlID(target));
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = Pick<UINT>(
            m_random, {0, ODS_SELECTED, ODS_FOCUS, ODS_DISABLED, ODS_SELECTED | ODS_FOCUS});
        item.hwndItem = target;
        item.hDC = dc;
        item.rcItem = client;
        Send(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    } else if (parent && Chance(m_random, 50)) {
        UINT message = Pick<UINT>(
            m_random, {WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX});
        Send(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(target));
    } else if (Chance(m_random, 50)) {
        Send(target, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    } else {
        ::InvalidateRect(target, nullptr, TRUE);
        ::UpdateWindow(target);
    }
    ::ReleaseDC(target, dc);
}

void SoakRun::NotifyMessage(HWND target) {
    HWND parent = ::GetParent(target);
    if (!parent)
        return;
    // Room for the largest notification record (a link's carries its address).
    alignas(8) static BYTE record[8192];
    std::fill(std::begin(record), std::end(record), BYTE{0});
    auto* header = reinterpret_cast<NMHDR*>(record);
    header->hwndFrom = target;
    header->idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(target));
    static const UINT kCodes[] = {NM_CLICK,     NM_DBLCLK,       NM_RETURN,     NM_SETFOCUS,
                                  NM_KILLFOCUS, TCN_SELCHANGING, TCN_SELCHANGE, TTN_GETDISPINFOA,
                                  TTN_SHOW,     TTN_POP,         PSN_SETACTIVE, PSN_KILLACTIVE,
                                  PSN_WIZNEXT,  PSN_WIZBACK};
    header->code = kCodes[Below(m_random, std::size(kCodes))];
    Send(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(record));
}

void SoakRun::SystemMessage(HWND top) {
    switch (Below(m_random, 8)) {
    case 0: {
        HELPINFO help{};
        help.cbSize = sizeof help;
        help.iContextType = HELPINFO_WINDOW;
        help.hItemHandle = top;
        Send(top, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
        break;
    }
    case 1:
        Post(top, WM_TIMER, Pick<WPARAM>(m_random, {1, 20, 7}), 0);
        break;
    case 2:
        Send(top, WM_ACTIVATE, Pick<WPARAM>(m_random, {WA_ACTIVE, WA_INACTIVE, WA_CLICKACTIVE}), 0);
        break;
    case 3:
        ::SetWindowPos(top, nullptr, Below(m_random, 600), Below(m_random, 400), 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    case 4: {
        RECT client{};
        ::GetClientRect(top, &client);
        Send(top, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
        break;
    }
    case 5:
        Send(top, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(::GetDesktopWindow()), 0);
        Send(top, WM_QUERYNEWPALETTE, 0, 0);
        break;
    case 6:
        Send(top,
             Pick<UINT>(m_random,
                        {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE, WM_THEMECHANGED, WM_FONTCHANGE}),
             0, 0);
        break;
    default:
        ::SetFocus(top);
        break;
    }
}

int SoakRun::Run() {
    if (!m_unattended.HandlerSet())
        std::printf("soak: the utility library offers no user-interface handler\n");
    m_unattended.SetDelay(300);
    g_progress.seed = m_settings.seed;
    g_progress.operations = m_settings.operations;
    g_progress.start = ::GetTickCount();
    LPTOP_LEVEL_EXCEPTION_FILTER previous = ::SetUnhandledExceptionFilter(ReportCrash);
    {
        Watchdog watchdog(m_settings.hangMilliseconds);
        for (m_index = 0; m_index < m_settings.operations; ++m_index) {
            const Operation& operation = Choose();
            m_kind = operation.name;
            g_progress.index = m_index;
            g_progress.kind = operation.name;
            g_progress.start = ::GetTickCount();
            ++m_counts[operation.name];
            Note("begins");
            try {
                (this->*operation.run)();
                MessageLoop::PumpFor(0);
            } catch (const std::exception& error) {
                Failure(std::string("exception: ") + error.what());
            } catch (...) {
                Failure("unknown exception");
            }
            Check();
            if ((m_index + 1) % 500 == 0) {
                std::printf("soak: %d operations done, %d failures\n", m_index + 1, m_failures);
                std::fflush(stdout);
            }
        }
        m_kind = "end";
        g_progress.kind = "end";
        g_progress.start = ::GetTickCount();
        if (m_host.IsOpen())
            m_host.TerminateNow();
        MessageLoop::PumpFor(0);
        Check();
    }
    ::SetUnhandledExceptionFilter(previous);

    std::printf("soak: profile %s, seed %u: %d module lifetimes, %d requests, %d message boxes, "
                "%d help topics (%d in the viewer), %d shell openings, %d modal windows "
                "cancelled\n",
                m_profile.name.c_str(), m_settings.seed, m_lifetimes, m_host.RequestCount(),
                m_unattended.MessageBoxes(), m_unattended.HelpTopics(), m_unattended.ViewerTopics(),
                m_unattended.ShellOpens(), m_unattended.ModalCloses());
    for (const auto& [name, count] : m_counts)
        std::printf("soak:   %-18s %d\n", name.c_str(), count);
    std::printf("soak: %d operations, %d failures\n", m_settings.operations, m_failures);
    std::fflush(stdout);
    return m_failures ? 1 : 0;
}
} // namespace

int RunSoak(ModuleHost& host, const Profile& profile, const SoakSettings& settings) {
    SoakRun run(host, profile, settings);
    return run.Run();
}
