// What the Ink Cartridge page's tests share: the options of a test model, a driver that answers
// the printer-ready alert when it appears in a modal loop, and a user who cancels the alignment
// wizard.
#pragma once

#include "CString.h"
#include "DialogHook.h"
#include "TestEnvironment.h"
#include "Wnd.h"
#include "resource.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// The options of a test model, given as keys and values, in a file of its own named by
// VQTR_OPTIONS while the object lives; the options in force before come back after it.
class TestOptions : public testing_support::ScopedOptionsFile {
public:
    explicit TestOptions(const std::vector<std::pair<std::string, std::string>>& options)
        : ScopedOptionsFile(Lines(options)) {}

private:
    static std::vector<std::string>
    Lines(const std::vector<std::pair<std::string, std::string>>& options) {
        std::vector<std::string> lines;
        for (const auto& [key, value] : options)
            lines.push_back(key + "=" + value);
        return lines;
    }
};

// While it lives, every printer-ready alert that appears is read (caption and message), has its
// Help button pressed when asked, and is closed with OK.
class AlertDriver {
public:
    struct Seen {
        std::string caption;
        std::string message;
    };

    explicit AlertDriver(bool pressHelp = false);
    ~AlertDriver();
    AlertDriver(const AlertDriver&) = delete;
    AlertDriver& operator=(const AlertDriver&) = delete;

    const std::vector<Seen>& Alerts() const { return m_alerts; }

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
    static AlertDriver*& Current();

    HHOOK m_hook = nullptr;
    bool m_pressHelp;
    std::vector<std::pair<UINT_PTR, HWND>> m_pending;
    std::vector<Seen> m_alerts;
};

// While it lives, every alignment wizard (or the wizard of another title) that opens is acted on
// once it shows: by default its user cancels it. Its title is set after it is activated, so the
// title is read a moment later.
class AlignmentCanceller {
public:
    using Action = void (*)(HWND wizard);
    static void PressCancel(HWND wizard) { ::PostMessageA(wizard, WM_COMMAND, IDCANCEL, 0); }

    explicit AlignmentCanceller(Action action = &PressCancel, UINT titleId = IDS_ALIGN_TITLE)
        : m_hook(CDialogHook::kActivated, [](HWND window) {
              Activated() = window;
              ::SetTimer(nullptr, 0, 10, &Check);
          }) {
        Chosen() = action;
        TitleId() = titleId;
    }

private:
    static HWND& Activated() {
        static HWND window = nullptr;
        return window;
    }
    static Action& Chosen() {
        static Action action = nullptr;
        return action;
    }
    static UINT& TitleId() {
        static UINT titleId = 0;
        return titleId;
    }
    static void CALLBACK Check(HWND, UINT, UINT_PTR timer, DWORD) {
        ::KillTimer(nullptr, timer);
        CString title;
        title.LoadString(TitleId());
        HWND window = Activated();
        if (::IsWindow(window) && CWindow(window).GetWindowText().Find(title) == 0)
            Chosen()(window);
    }
    CDialogHook m_hook;
};
