// Acts on the setup CD prompts and on the installers' progress window as they are shown: a
// test says what to do each time one appears (press OK or Skip, change the CD, read the text).
// The action runs from a thread timer, so the window is up and drawn; the installer's wait and
// the prompt's modal loop both run the timer.
#pragma once

#include "DialogHook.h"
#include "resource.h"

#include <functional>
#include <string>
#include <vector>
#include <windows.h>

class PromptDriver {
public:
    // Called with the prompt and the number of prompts seen before it.
    using Action = std::function<void(HWND prompt, int seen)>;

    explicit PromptDriver(Action action)
        : m_hook(CDialogHook::kActivated, [](HWND dialog) {
              if (::GetDlgItem(dialog, IDC_SETUP_CD_PROMPT_SKIP))
                  Current().Schedule(dialog);
          }) {
        Current().action = std::move(action);
    }
    ~PromptDriver() { Current() = {}; }
    PromptDriver(const PromptDriver&) = delete;
    PromptDriver& operator=(const PromptDriver&) = delete;

    int Seen() const { return Current().seen; }
    const std::vector<std::string>& Titles() const { return Current().titles; }

    static void PressContinue(HWND prompt) {
        ::PostMessageA(prompt, WM_COMMAND, MAKEWPARAM(IDC_SETUP_CD_PROMPT_CONTINUE, BN_CLICKED), 0);
    }
    static void PressSkip(HWND prompt) {
        ::PostMessageA(prompt, WM_COMMAND, MAKEWPARAM(IDC_SETUP_CD_PROMPT_SKIP, BN_CLICKED), 0);
    }

private:
    struct State {
        Action action;
        int seen = 0;
        HWND prompt = nullptr;
        std::vector<std::string> titles;

        void Schedule(HWND dialog) {
            prompt = dialog;
            ::SetTimer(nullptr, 0, 10, &State::Fire);
        }
        static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
            ::KillTimer(nullptr, id);
            State& state = Current();
            char title[128] = {};
            ::GetWindowTextA(state.prompt, title, sizeof title);
            state.titles.push_back(title);
            if (state.action)
                state.action(state.prompt, state.seen);
            ++state.seen;
        }
    };
    static State& Current() {
        static State state;
        return state;
    }

    CDialogHook m_hook;
};

// While an installer that waits for its release runs: looks for the progress window, keeps its
// text and releases the installer.
class ProgressWatcher {
public:
    static constexpr const char* kEvent = "vqtr_test_installer_release";

    ProgressWatcher() : m_event(::CreateEventA(nullptr, TRUE, FALSE, kEvent)) {
        Current() = {};
        Current().event = m_event;
        m_timer = ::SetTimer(nullptr, 0, 50, &ProgressWatcher::Look);
    }
    ~ProgressWatcher() {
        ::KillTimer(nullptr, m_timer);
        ::SetEvent(m_event); // nothing waits for ever
        ::CloseHandle(m_event);
        Current() = {};
    }
    ProgressWatcher(const ProgressWatcher&) = delete;
    ProgressWatcher& operator=(const ProgressWatcher&) = delete;

    // The progress window's text while its installer ran; empty when it was never seen.
    const std::string& Text() const { return Current().text; }
    // Called once with the progress window, before the installer is released.
    void OnShown(std::function<void(HWND)> action) { Current().onShown = std::move(action); }

private:
    struct State {
        HANDLE event = nullptr;
        std::string text;
        std::function<void(HWND)> onShown;
    };
    static State& Current() {
        static State state;
        return state;
    }
    static BOOL CALLBACK Find(HWND window, LPARAM found) {
        if (::GetDlgItem(window, IDC_INSTALL_APP_TEXT) && ::IsWindowVisible(window)) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD) {
        State& state = Current();
        HWND progress = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), &ProgressWatcher::Find,
                            reinterpret_cast<LPARAM>(&progress));
        if (!progress || !state.text.empty())
            return;
        char text[256] = {};
        ::GetDlgItemTextA(progress, IDC_INSTALL_APP_TEXT, text, sizeof text);
        state.text = text;
        if (state.onShown)
            state.onShown(progress);
        ::SetEvent(state.event);
    }

    HANDLE m_event;
    UINT_PTR m_timer = 0;
};
