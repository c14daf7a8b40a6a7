// What the helper tests share: the module opened on a fake host (the main window's fixture),
// keys and files that are gone again after each test, and the launch recorder program.
#pragma once

#include "../main/MainWindowFixture.h"
#include "TestEnvironment.h"
#include "main/PrinterHelpers.h"

#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// A machine key for one test: made when missing, and removed with all below it afterwards
// unless it was there before.
class ScopedMachineKey {
public:
    explicit ScopedMachineKey(std::string path) : m_path(std::move(path)) {
        HKEY key = nullptr;
        m_existed =
            ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, m_path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (m_existed)
            ::RegCloseKey(key);
        ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &m_key, nullptr);
    }
    ~ScopedMachineKey() {
        if (m_key)
            ::RegCloseKey(m_key);
        if (!m_existed)
            ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, m_path.c_str());
    }
    ScopedMachineKey(const ScopedMachineKey&) = delete;
    ScopedMachineKey& operator=(const ScopedMachineKey&) = delete;

    void SetText(const char* name, const std::string& text) const {
        ::RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1));
    }
    void SetDword(const char* name, DWORD value) const {
        ::RegSetValueExA(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                         sizeof value);
    }
    void AddSubKey(const char* name) const {
        HKEY sub = nullptr;
        if (::RegCreateKeyExA(m_key, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr) ==
            ERROR_SUCCESS)
            ::RegCloseKey(sub);
    }

private:
    std::string m_path;
    bool m_existed = false;
    HKEY m_key = nullptr;
};

// A machine value: its text, or "<missing>"; DWORDs as their decimal form.
inline std::string MachineValue(const std::string& keyPath, const char* name) {
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    if (::RegGetValueA(HKEY_LOCAL_MACHINE, keyPath.c_str(), name, RRF_RT_ANY, &type, data, &size) !=
        ERROR_SUCCESS)
        return "<missing>";
    if (type == REG_DWORD)
        return std::to_string(*reinterpret_cast<DWORD*>(data));
    return data;
}

inline std::string PrinterKey(const std::string& printer) {
    return "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\" + printer;
}

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string TempFolder() {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    return folder;
}

inline std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    ::GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

// The folder of the test program, with its backslash: the launch recorder stands there.
inline std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The log lines written since a point (a count of lines).
inline std::vector<std::string> LinesSince(const TestLog& log, size_t start) {
    std::vector<std::string> lines = log.Lines();
    return std::vector<std::string>(
        lines.begin() + static_cast<long>(std::min(start, lines.size())), lines.end());
}
