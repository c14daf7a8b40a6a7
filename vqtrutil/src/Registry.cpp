#include "Registry.h"

#include "CSpy.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr char kPrintersKey[] = "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\";

// The caller catches the exception and releases it with Delete().
[[noreturn]] void Throw(LONG error, const char* operation, const char* name) {
    std::string what(operation);
    what += ' ';
    what += name ? name : "(default)";
    throw new CRegistryException(error, what.c_str());
}

std::string_view StripSeparators(std::string_view key) {
    while (!key.empty() && key.front() == '\\')
        key.remove_prefix(1);
    while (!key.empty() && key.back() == '\\')
        key.remove_suffix(1);
    return key;
}

void LogFailure(const char* operation, const CString& path, LONG error) {
    CSpy spy;
    spy.OutputData(operation);
    spy.OutputData(path);
    spy.OutputData(error);
}

struct WindowsVersion {
    DWORD platform;
    DWORD major;
    DWORD minor;
};

WindowsVersion QueryVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info))
        return {VER_PLATFORM_WIN32_NT, 10, 0};
    return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

} // namespace

CRegistryException::CRegistryException(LONG error, const char* what)
    : m_lError(error), m_strWhat(what) {}

void CRegistryException::Delete() {
    delete this;
}

void CRegistry::InitMode(HKEY root) {
    m_root = root ? root : HKEY_LOCAL_MACHINE;
}

void CRegistry::SetFriendlyName(const char* printerName) {
    m_strPrinterKey.Empty();
    if (!printerName || !*printerName)
        return;
    std::string key(kPrintersKey);
    for (const char* c = printerName; *c; ++c)
        key += *c == '\\' ? ',' : *c;
    m_strPrinterKey = key.c_str();
}

BOOL CRegistry::Resolve(const char* key, BOOL relative, HKEY& root, CString& path) const {
    if (!key)
        return FALSE;
    const std::string_view name = StripSeparators(key);
    if (!relative) {
        root = m_root;
        path = CString(name);
        return TRUE;
    }
    if (m_strPrinterKey.IsEmpty())
        return FALSE;
    root = HKEY_LOCAL_MACHINE;
    std::string full = m_strPrinterKey.str();
    if (!name.empty())
        full.append("\\").append(name);
    path = CString(std::move(full));
    return TRUE;
}

BOOL CRegistry::Open(const char* key, REGSAM access, BOOL relative) {
    Close();
    HKEY root = nullptr;
    CString path;
    if (!Resolve(key, relative, root, path)) {
        LogFailure("CRegistry::Open() no such key or no printer named:", CString(key), 0);
        return FALSE;
    }
    const LONG error = RegOpenKeyExA(root, path, 0, access, m_key.Receive());
    if (error != ERROR_SUCCESS) {
        LogFailure("CRegistry::Open() failed:", path, error);
        return FALSE;
    }
    return TRUE;
}

BOOL CRegistry::Create(const char* key, BOOL* created, BOOL relative) {
    Close();
    if (created)
        *created = FALSE;
    HKEY root = nullptr;
    CString path;
    if (!Resolve(key, relative, root, path)) {
        LogFailure("CRegistry::Create() no such key or no printer named:", CString(key), 0);
        return FALSE;
    }
    DWORD disposition = 0;
    const LONG error =
        RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                        nullptr, m_key.Receive(), &disposition);
    if (error != ERROR_SUCCESS) {
        LogFailure("CRegistry::Create() failed:", path, error);
        return FALSE;
    }
    if (created)
        *created = disposition == REG_CREATED_NEW_KEY;
    return TRUE;
}

void CRegistry::RequireKey(const char* what, const char* name) const {
    if (!m_key.IsValid())
        Throw(ERROR_INVALID_HANDLE, what, name);
}

void CRegistry::Read(const char* name, DWORD& value) {
    RequireKey("Read", name);
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    const LONG error =
        RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    if (error != ERROR_SUCCESS)
        Throw(error, "Read", name);
    if (type != REG_DWORD || size != sizeof data)
        Throw(ERROR_UNSUPPORTED_TYPE, "Read", name);
    value = data;
}

void CRegistry::Read(const char* name, CString& value) {
    RequireKey("Read", name);
    std::vector<char> data(256);
    for (;;) {
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(data.size());
        const LONG error = RegQueryValueExA(m_key, name, nullptr, &type,
                                            reinterpret_cast<BYTE*>(data.data()), &size);
        if (error == ERROR_MORE_DATA) {
            data.resize(size + 1);
            continue;
        }
        if (error != ERROR_SUCCESS)
            Throw(error, "Read", name);
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            Throw(ERROR_UNSUPPORTED_TYPE, "Read", name);
        // The stored text may or may not carry its terminator.
        const std::string_view text(data.data(), size);
        value = CString(text.substr(0, text.find('\0')));
        return;
    }
}

void CRegistry::Write(const char* name, DWORD value) {
    RequireKey("Write", name);
    const LONG error = RegSetValueExA(m_key, name, 0, REG_DWORD,
                                      reinterpret_cast<const BYTE*>(&value), sizeof value);
    if (error != ERROR_SUCCESS)
        Throw(error, "Write", name);
}

void CRegistry::Write(const char* name, const char* text) {
    RequireKey("Write", name);
    if (!text)
        Throw(ERROR_INVALID_PARAMETER, "Write", name);
    const LONG error = RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                      static_cast<DWORD>(std::char_traits<char>::length(text) + 1));
    if (error != ERROR_SUCCESS)
        Throw(error, "Write", name);
}

BOOL CRegistry::EnumSubKey(DWORD index, CString& name) {
    name.Empty();
    if (!m_key.IsValid())
        return FALSE;
    char buffer[256]; // a key name has at most 255 characters
    DWORD length = sizeof buffer;
    if (RegEnumKeyExA(m_key, index, buffer, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
        return FALSE;
    name = CString(buffer, static_cast<int>(length));
    return TRUE;
}

DWORD CRegistry::GetSubKeyCount() {
    RequireKey("GetSubKeyCount", nullptr);
    DWORD count = 0;
    const LONG error = RegQueryInfoKeyA(m_key, nullptr, nullptr, nullptr, &count, nullptr, nullptr,
                                        nullptr, nullptr, nullptr, nullptr, nullptr);
    if (error != ERROR_SUCCESS)
        Throw(error, "GetSubKeyCount", nullptr);
    return count;
}

void CRegistry::Close() {
    m_key.Close();
}

DWORD CRegistry::GetOSVer() {
    const WindowsVersion version = QueryVersion();
    if (version.platform == VER_PLATFORM_WIN32_WINDOWS)
        return version.minor >= 90 ? 3 : version.minor >= 10 ? 2 : 1;
    if (version.major < 4)
        return 6;
    if (version.major == 4)
        return 7;
    if (version.major == 5 && version.minor == 0)
        return 8;
    if (version.major == 5 && version.minor == 1)
        return 9;
    return 10;
}

DWORD CRegistry::GetOSPlatform() {
    switch (GetOSVer()) {
    case 1:
    case 2:
    case 3:
        return 1;
    case 9:
        return 9;
    case 10:
        return 10;
    default:
        return 2;
    }
}
