// The soak's runner: chooses each operation by its weight, runs it on the module and checks the
// host and the module's windows after it.
#include "Soak.h"

#include "HostileRecords.h"
#include "SoakWatchdog.h"
#include "Unattended.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iterator>
#include <map>
#include <set>
#include <vector>

namespace {
using namespace soak;

// The commands every wizard page of the module answers: Next (and Finish), Back, Cancel, Help;
// and those of the alignment and cleaning pages: Print, their own Finish, and Print again on the
// first cleaning result page (where Cancel's command prints again); the low-ink dialog's
// order link; the DOS printing dialog's OK (its Restore Defaults, Cancel and Help are 6000,
// 6002 and 6003); the post-install language page's Install, the setup CD prompts' Skip and the
// registration page's Later; and the supplies ordering dialog's online, reseller and part-numbers
// links.
constexpr int kWizardCommands[] = {6090, 6002, 6000, 6003, 6001, 6024, 7609,
                                   6078, 7961, 7966, 7874, 7756, 7758, 7760};

bool IsWizardCommand(int id) {
    return std::find(std::begin(kWizardCommands), std::end(kWizardCommands), id) !=
           std::end(kWizardCommands);
}

// The test page dialog, told by its text, answers OK (which prints) and Cancel.
constexpr int kTestPageText = 7501;

bool IsCommandOf(HWND top, int id) {
    return IsWizardCommand(id) ||
           ((id == IDOK || id == IDCANCEL) && ::GetDlgItem(top, kTestPageText));
}

bool HasClass(HWND window, const char* name) {
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    return _stricmp(className, name) == 0;
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
        // The wizards that run modal are used for a while before they are closed.
        m_unattended.onModalWindow = [this](HWND window) {
            return Chance(m_random, 80) && ActInWizard(window);
        };
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
    void WizardStep();
    void AdvancedSetting();
    // Acts once in a wizard window as its user would; false when the window is no wizard.
    bool ActInWizard(HWND top);

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
    int m_wizardActions = 0;
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
    {"wizard step", 12, 2, &SoakRun::WizardStep},
    {"advanced setting", 3, 1, &SoakRun::AdvancedSetting},
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

bool SoakRun::ActInWizard(HWND top) {
    // A user in a wizard: chooses in its lists, types values, answers its choices and presses
    // its buttons.
    std::vector<HWND> children;
    ::EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<HWND> controls;
    for (HWND child : children) {
        LONG style = ::GetWindowLongA(child, GWL_STYLE);
        bool radio = HasClass(child, "Button") && (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        bool check = HasClass(child, "Button") && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
        if (IsCommandOf(top, ::GetDlgCtrlID(child)) || HasClass(child, "ComboBox") ||
            HasClass(child, "Edit") || radio || check)
            controls.push_back(child);
    }
    bool wizard = std::any_of(controls.begin(), controls.end(), [top](HWND control) {
        return IsCommandOf(top, ::GetDlgCtrlID(control));
    });
    if (!wizard)
        return false;
    ++m_wizardActions;
    HWND control = controls[Below(m_random, controls.size())];
    HWND page = ::GetParent(control);
    int id = ::GetDlgCtrlID(control);
    if (HasClass(control, "ComboBox")) {
        // Any entry, or none at all.
        LRESULT count = Send(control, CB_GETCOUNT, 0, 0);
        int entry =
            static_cast<int>(Below(m_random, static_cast<size_t>(count > 0 ? count : 0) + 1)) - 1;
        Send(control, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        Post(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
    } else if (HasClass(control, "Edit")) {
        // A value read off a printed page, or what a user may type instead.
        Send(control, WM_SETTEXT, 0,
             reinterpret_cast<LPARAM>(Pick<const char*>(
                 m_random, {"", "0", "7", "14", "20", "31", "99", "-1", "x", "SVC-4711",
                            "ServiceTag", "A TAG MUCH LONGER THAN ANY SERVICE TAG CAN BE"})));
    } else if (IsCommandOf(top, id)) {
        Post(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    } else {
        Post(control, BM_CLICK, 0, 0);
    }
    return true;
}

void SoakRun::WizardStep() {
    for (HWND top : ModuleHost::ModuleWindows()) {
        if (ActInWizard(top))
            return;
    }
    // No wizard is open: the user asks for one (the test page dialog runs modal: the unattended
    // user acts in it as in the modal wizards; on an ink-tank printer the cartridge topics open
    // the tank wizards). Mostly on
    // the printer's own status, so that the wizard opens and its pages get driven; hostile
    // records come the rest of the time.
    STATUSINFO* status = Chance(m_random, 75) ? m_host.Printer().Status() : SomeStatus();
    if (m_host.IsOpen()) {
        m_host.DisplayTopic(
            Pick(m_random, {206, 209, 212, 216, 221, 304, 305, 306, 308, 313, 314, 315,
                            316, 404, 701, 400, 410, 412, 413, 414, 415, 416, 600}),
            status);
        return;
    }
    ++m_lifetimes;
    m_host.Init(m_profile.printerName.c_str(),
                Pick(m_random, {206, 209, 212, 216, 221, 304, 305, 306, 308, 701, 400, 401, 410,
                                412, 413, 414, 415, 416, 600}),
                status, m_host.Printer().Port());
}

namespace {
// The Advanced page's communication box, DOS printing, job status options, web update and
// version commands.
constexpr int kAdvancedTopic = 105;
constexpr int kCommunicationBox = 6721;
constexpr int kAdvancedCommands[] = {kCommunicationBox, 6723, 6726, 6731, 6733};

BOOL CALLBACK FindCommunicationBox(HWND window, LPARAM found) {
    if (::GetDlgCtrlID(window) != kCommunicationBox)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}
} // namespace

void SoakRun::AdvancedSetting() {
    // A user on the Advanced page: ticks the communication box (the unattended user answers its
    // question either way), or opens the DOS printing dialog, the job status options, the web
    // update or the version box, which the unattended user acts in and closes. A command reaches
    // the page even where its control is hidden.
    if (m_host.IsOpen()) {
        m_host.DisplayTopic(kAdvancedTopic, m_host.Printer().Status());
    } else {
        ++m_lifetimes;
        m_host.Init(m_profile.printerName.c_str(), kAdvancedTopic, m_host.Printer().Status(),
                    m_host.Printer().Port());
    }
    HWND box = nullptr;
    for (HWND top : ModuleHost::ModuleWindows())
        if (!box)
            ::EnumChildWindows(top, FindCommunicationBox, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    HWND page = ::GetParent(box);
    int id = kAdvancedCommands[Below(m_random, std::size(kAdvancedCommands))];
    HWND control = ::GetDlgItem(page, id);
    if (id == kCommunicationBox)
        Post(control, BM_CLICK, 0, 0);
    else
        Post(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
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
    bool ownerDrawnButton = HasClass(target, "Button") && (style & BS_TYPEMASK) == BS_OWNERDRAW;
    bool ownerDrawnStatic = HasClass(target, "Static") && (style & SS_TYPEMASK) == SS_OWNERDRAW;
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
    {
        SoakWatchdog watchdog(m_settings.seed, m_settings.operations, m_settings.hangMilliseconds);
        for (m_index = 0; m_index < m_settings.operations; ++m_index) {
            const Operation& operation = Choose();
            m_kind = operation.name;
            watchdog.Begin(m_index, operation.name);
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
        watchdog.End();
        if (m_host.IsOpen())
            m_host.TerminateNow();
        MessageLoop::PumpFor(0);
        Check();
    }

    std::printf("soak: profile %s, seed %u: %d module lifetimes, %d requests, %d message boxes, "
                "%d help topics (%d in the viewer), %d shell openings, %d modal windows "
                "cancelled\n",
                m_profile.name.c_str(), m_settings.seed, m_lifetimes, m_host.RequestCount(),
                m_unattended.MessageBoxes(), m_unattended.HelpTopics(), m_unattended.ViewerTopics(),
                m_unattended.ShellOpens(), m_unattended.ModalCloses());
    for (const auto& [name, count] : m_counts)
        std::printf("soak:   %-18s %d\n", name.c_str(), count);
    std::printf("soak: %d actions in wizards\n", m_wizardActions);
    std::printf("soak: %d operations, %d failures\n", m_settings.operations, m_failures);
    std::fflush(stdout);
    return m_failures ? 1 : 0;
}
} // namespace

int RunSoak(ModuleHost& host, const Profile& profile, const SoakSettings& settings) {
    SoakRun run(host, profile, settings);
    return run.Run();
}