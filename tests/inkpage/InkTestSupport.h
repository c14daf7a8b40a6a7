// What the Ink Cartridge page's tests share: the options of a test model, and a driver that
// answers the printer-ready alert when it appears in a modal loop.
#pragma once

#include "TestEnvironment.h"

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
