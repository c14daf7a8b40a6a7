// Driving windows in tests: run the queued messages through the framework's keyboard filter, and
// act on dialogs as they are created (for modal loops).
#pragma once

#include "Wnd.h"

#include <functional>
#include <windows.h>

namespace testing_support {

// Dispatches every queued message as a host loop does, with PreTranslateMessage first.
inline void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!CWnd::WalkPreTranslateTree(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

// Calls action with each top-level dialog window of this thread as it is created, so that a
// test can post the steps of a modal run before the loop starts.
class CDialogCreationHook {
public:
    explicit CDialogCreationHook(std::function<void(HWND)> action) {
        Action() = std::move(action);
        m_hook = ::SetWindowsHookExA(WH_CBT, &CDialogCreationHook::Proc, nullptr,
                                     ::GetCurrentThreadId());
    }
    ~CDialogCreationHook() {
        ::UnhookWindowsHookEx(m_hook);
        Action() = nullptr;
    }
    CDialogCreationHook(const CDialogCreationHook&) = delete;
    CDialogCreationHook& operator=(const CDialogCreationHook&) = delete;

private:
    static std::function<void(HWND)>& Action() {
        static std::function<void(HWND)> action;
        return action;
    }
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) {
            auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
            auto hwnd = reinterpret_cast<HWND>(wParam);
            char className[32] = "";
            ::GetClassNameA(hwnd, className, sizeof(className));
            if (lstrcmpA(className, "#32770") == 0 && !(create->lpcs->style & WS_CHILD) && Action())
                Action()(hwnd);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook;
};

} // namespace testing_support
