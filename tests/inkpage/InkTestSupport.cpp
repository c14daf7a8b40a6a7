#include "InkTestSupport.h"

#include "resource.h"

AlertDriver::AlertDriver(bool pressHelp) : m_pressHelp(pressHelp) {
    Current() = this;
    m_hook = ::SetWindowsHookExA(WH_CBT, &HookProc, nullptr, ::GetCurrentThreadId());
}

AlertDriver::~AlertDriver() {
    ::UnhookWindowsHookEx(m_hook);
    for (const auto& pending : m_pending)
        ::KillTimer(nullptr, pending.first);
    Current() = nullptr;
}

AlertDriver*& AlertDriver::Current() {
    static AlertDriver* current = nullptr;
    return current;
}

LRESULT CALLBACK AlertDriver::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    AlertDriver* driver = Current();
    // The alert is activated while it initialises: act once its modal loop runs.
    if (driver && code == HCBT_ACTIVATE) {
        UINT_PTR timer = ::SetTimer(nullptr, 0, 0, &TimerProc);
        driver->m_pending.emplace_back(timer, reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK AlertDriver::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    AlertDriver* driver = Current();
    if (!driver)
        return;
    HWND alert = nullptr;
    for (auto it = driver->m_pending.begin(); it != driver->m_pending.end(); ++it) {
        if (it->first == id) {
            alert = it->second;
            driver->m_pending.erase(it);
            break;
        }
    }
    if (!alert || !::IsWindow(alert) || !::GetDlgItem(alert, IDC_READY_MESSAGE))
        return;
    char caption[256] = {};
    char message[512] = {};
    ::GetWindowTextA(alert, caption, sizeof caption);
    ::GetDlgItemTextA(alert, IDC_READY_MESSAGE, message, sizeof message);
    driver->m_alerts.push_back({caption, message});
    if (driver->m_pressHelp)
        ::SendMessageA(alert, WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(alert, IDHELP)));
    ::PostMessageA(alert, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(alert, IDOK)));
}
