// Acting on the dialogs of this thread as they appear, so that a test can post the steps of a
// modal run before its loop starts: at creation (top-level dialogs only) or at activation (while
// WM_INITDIALOG runs, before the dialog is shown).
#pragma once

#include <functional>
#include <windows.h>

class CDialogHook {
public:
    enum Moment { kCreated, kActivated };

    CDialogHook(Moment moment, std::function<void(HWND)> action) {
        State() = {moment, std::move(action)};
        m_hook = ::SetWindowsHookExA(WH_CBT, &CDialogHook::Proc, nullptr, ::GetCurrentThreadId());
    }
    ~CDialogHook() {
        ::UnhookWindowsHookEx(m_hook);
        State() = {};
    }
    CDialogHook(const CDialogHook&) = delete;
    CDialogHook& operator=(const CDialogHook&) = delete;

private:
    struct Hooked {
        Moment moment = kCreated;
        std::function<void(HWND)> action;
    };
    static Hooked& State() {
        static Hooked state;
        return state;
    }
    static bool IsDialog(HWND hwnd) {
        char className[32] = "";
        ::GetClassNameA(hwnd, className, sizeof(className));
        return lstrcmpA(className, "#32770") == 0;
    }
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
        const Hooked& state = State();
        auto hwnd = reinterpret_cast<HWND>(wParam);
        if (state.action && IsDialog(hwnd)) {
            if (state.moment == kCreated && code == HCBT_CREATEWND &&
                !(reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->style & WS_CHILD))
                state.action(hwnd);
            else if (state.moment == kActivated && code == HCBT_ACTIVATE)
                state.action(hwnd);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook;
};
