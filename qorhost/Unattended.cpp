#include "Unattended.h"

#include <htmlhelp.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>

namespace {
Unattended* g_unattended = nullptr;

typedef int (*UiHandler)(int kind, const char* text, const char* caption, unsigned number,
                         unsigned command);
typedef void (*SetUiHandler)(UiHandler handler);

// The utility library's handler setter, with C linkage; null when the library lacks it.
SetUiHandler FindSetUiHandler() {
    HMODULE library = ::GetModuleHandleA("vqtrutil.dll");
    if (!library)
        return nullptr;
    return reinterpret_cast<SetUiHandler>(::GetProcAddress(library, "VqtrSetUiHandler"));
}

bool IsDialog(HWND window) {
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, "#32770") == 0;
}

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// The system's help viewer. It stays loaded for the life of the process, as it does for the
// module: its window classes and threads outlive any one call.
HtmlHelpFunction FindHelpViewer() {
    char path[MAX_PATH] = {};
    UINT length = ::GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    HMODULE viewer = ::LoadLibraryA((std::string(path) + "\\hhctrl.ocx").c_str());
    return viewer ? reinterpret_cast<HtmlHelpFunction>(::GetProcAddress(viewer, "HtmlHelpA"))
                  : nullptr;
}

std::string Shortened(const char* text) {
    if (!text)
        return "null";
    std::string value(text, ::strnlen(text, 60));
    for (char& c : value) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return "\"" + value + (value.size() == 60 ? "...\"" : "\"");
}
} // namespace

Unattended::Unattended(std::function<int(UINT)> answer) : m_answer(std::move(answer)) {
    g_unattended = this;
    if (SetUiHandler set = FindSetUiHandler()) {
        set(&Handler);
        m_handlerSet = true;
    }
    m_hook = ::SetWindowsHookExA(WH_CBT, &CbtHook, nullptr, ::GetCurrentThreadId());
    m_timer = ::SetTimer(nullptr, 0, 200, &Tick);
}

Unattended::~Unattended() {
    if (m_timer)
        ::KillTimer(nullptr, m_timer);
    if (m_hook)
        ::UnhookWindowsHookEx(m_hook);
    if (SetUiHandler set = m_handlerSet ? FindSetUiHandler() : nullptr)
        set(nullptr);
    g_unattended = nullptr;
    // What was installed for the run goes with it: the machine's help is as it was.
    if (!m_installedHelpFile.empty())
        ::DeleteFileA(m_installedHelpFile.c_str());
}

std::vector<int> Unattended::Buttons(UINT style) {
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    case MB_CANCELTRYCONTINUE:
        return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default:
        return {IDOK};
    }
}

void Unattended::Event(const std::string& text) {
    if (onEvent)
        onEvent(text);
}

int Unattended::Handler(int kind, const char* text, const char* caption, unsigned number,
                        unsigned command) {
    Unattended* self = g_unattended;
    if (!self)
        return IDCANCEL;
    switch (kind) {
    case 1: {
        ++self->m_messageBoxes;
        int button = self->m_answer ? self->m_answer(number) : IDOK;
        self->Event("user: message box " + Shortened(caption) + " " + Shortened(text) +
                    " answered " + std::to_string(button));
        return button;
    }
    case 2:
        ++self->m_helpTopics;
        self->Event("user: help topic " + std::to_string(number) + " (command " +
                    std::to_string(command) + ") of " + Shortened(text));
        if (!self->m_viewerHelpFile.empty())
            self->ShowInViewer(text, number, command);
        return 0;
    case 3:
        ++self->m_shellOpens;
        self->Event("user: shell opens " + Shortened(text));
        return 0;
    default:
        self->Event("user: unknown request of kind " + std::to_string(kind));
        return 0;
    }
}

void Unattended::ShowInViewer(const char* helpPath, unsigned topic, unsigned command) {
    static const HtmlHelpFunction htmlHelp = FindHelpViewer();
    if (!helpPath || !htmlHelp)
        return;
    if (::GetFileAttributesA(helpPath) == INVALID_FILE_ATTRIBUTES) {
        std::string path(helpPath);
        std::string folder = path.substr(0, path.find_last_of('\\'));
        ::SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
        if (::CopyFileA(m_viewerHelpFile.c_str(), helpPath, TRUE))
            m_installedHelpFile = helpPath;
    }
    // The module's own command and topic, exactly as it asked for them.
    htmlHelp(nullptr, helpPath, command, topic);
    htmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
    ++m_viewerTopics;
    Event("user: the viewer showed topic " + std::to_string(topic));
}

LRESULT CALLBACK Unattended::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    Unattended* self = g_unattended;
    HWND window = reinterpret_cast<HWND>(wParam);
    if (self && code == HCBT_ACTIVATE && IsDialog(window) && !ModuleHost::IsHostWindow(window)) {
        std::erase(self->m_activated, window);
        self->m_activated.push_back(window);
    } else if (self && code == HCBT_DESTROYWND) {
        std::erase(self->m_activated, window);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK Unattended::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (Unattended* self = g_unattended)
        self->CloseModalWindow();
}

HWND Unattended::NewestModalCandidate() {
    // A modal window is enabled while what it runs over is not; the newest one is on top.
    for (auto window = m_activated.rbegin(); window != m_activated.rend(); ++window) {
        if (::IsWindow(*window) && ::IsWindowVisible(*window) && ::IsWindowEnabled(*window))
            return *window;
    }
    for (HWND window : ModuleHost::ModuleWindows()) {
        if (IsDialog(window) && ::IsWindowEnabled(window))
            return window;
    }
    return nullptr;
}

void Unattended::CloseModalWindow() {
    // Only a call or a message that has not come back runs a modal loop: modeless windows stay.
    if (!m_closing || MessageLoop::BlockedFor() < m_delay)
        return;
    HWND window = NewestModalCandidate();
    if (!window)
        return;
    if (window != m_target) {
        m_target = window;
        m_attempts = 0;
        m_actions = 0;
    }
    if (m_attempts == 0 && m_actions < kActionsBeforeClosing && onModalWindow &&
        onModalWindow(window)) {
        ++m_actions;
        return;
    }
    char title[128] = {};
    ::GetWindowTextA(window, title, sizeof title);
    if (m_attempts < 3) {
        ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        Event(std::string("user: cancels the modal window \"") + title + "\"");
    } else {
        ::PostMessageA(window, WM_CLOSE, 0, 0);
        Event(std::string("user: closes the modal window \"") + title + "\"");
    }
    ++m_attempts;
    ++m_modalCloses;
}
