#include "NvoProduct.h"

#include "CSpy.h"
#include "Environment.h"

#include <charconv>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>
#include <windows.h>

namespace {

constexpr char kOptionsSection[] = "Options";

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Ini keys match without regard to case.
struct KeyHash {
    using is_transparent = void;
    size_t operator()(std::string_view key) const {
        size_t hash = 14695981039346656037ull; // FNV-1a over the lower-case key
        for (char c : key)
            hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 1099511628211ull;
        return hash;
    }
};
struct KeyEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (LowerAscii(a[i]) != LowerAscii(b[i]))
                return false;
        return true;
    }
};
using OptionMap = std::unordered_map<std::string, std::string, KeyHash, KeyEqual>;

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// What identifies one version of the options file: its path, and its time stamp and size when it
// exists. Contents that change within the file system's time resolution without a change of size
// go unnoticed; writers that need it set the time stamp.
struct FileVersion {
    std::string path;
    bool exists = false;
    FILETIME written{};
    ULONGLONG size = 0;

    bool operator==(const FileVersion& other) const {
        return path == other.path && exists == other.exists &&
               CompareFileTime(&written, &other.written) == 0 && size == other.size;
    }
};

std::string FullPath(const std::string& path) {
    std::string full(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0)
            return path;
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

std::string OptionsFilePath() {
    static const std::string defaultPath = vqtr::util::LibraryFolder() + "vqtrprod.ini";
    const std::string named = vqtr::util::ReadEnvironment("VQTR_OPTIONS");
    return named.empty() ? defaultPath : FullPath(named);
}

FileVersion CurrentVersion() {
    FileVersion version;
    version.path = OptionsFilePath();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExA(version.path.c_str(), GetFileExInfoStandard, &data) &&
        !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        version.exists = true;
        version.written = data.ftLastWriteTime;
        version.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
    return version;
}

// The [Options] section as "key=value" strings, or nothing when the file has no such section.
std::optional<std::vector<char>> ReadSection(const std::string& path) {
    std::vector<char> buffer(16 * 1024);
    for (;;) {
        const DWORD length = GetPrivateProfileSectionA(
            kOptionsSection, buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
        if (length == 0)
            return std::nullopt;
        if (length < buffer.size() - 2) {
            buffer.resize(length + 1);
            return buffer;
        }
        buffer.resize(buffer.size() * 2); // the section did not fit: size - 2 was returned
    }
}

OptionMap Parse(const std::vector<char>& section) {
    OptionMap options;
    for (size_t at = 0; at < section.size() && section[at];) {
        const std::string_view entry(&section[at]);
        at += entry.size() + 1;
        const size_t equals = entry.find('=');
        const std::string_view key = Trim(entry.substr(0, equals));
        if (equals == std::string_view::npos || key.empty() || key.front() == ';')
            continue; // a comment, or a line that names no value
        // As with GetPrivateProfileString: the first of duplicate keys counts, and double quotes
        // around a value keep its blanks.
        std::string_view value = Trim(entry.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        options.emplace(key, value);
    }
    return options;
}

// The parsed options file of the process.
class OptionStore {
public:
    static OptionStore& Instance() {
        static OptionStore store;
        return store;
    }

    std::optional<std::string> Find(std::string_view key) {
        std::lock_guard lock(m_mutex);
        Refresh();
        const auto found = m_options.find(key);
        if (found == m_options.end())
            return std::nullopt;
        return found->second;
    }

private:
    void Refresh() {
        FileVersion version = CurrentVersion();
        if (m_version && *m_version == version)
            return;
        m_options.clear();
        const char* problem = nullptr;
        if (!version.exists)
            problem = " cannot be found";
        else if (auto section = ReadSection(version.path))
            m_options = Parse(*section);
        else
            problem = " cannot be read or has no [Options] section";
        if (problem)
            CSpy().OutputError(("NvoProduct: the options file " + version.path + problem).c_str());
        m_version = std::move(version);
    }

    std::mutex m_mutex;
    std::optional<FileVersion> m_version;
    OptionMap m_options;
};

std::optional<std::string> Find(const char* key) {
    if (!key)
        return std::nullopt;
    return OptionStore::Instance().Find(key);
}

std::optional<unsigned long> ParseNumber(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return negative ? 0ul - value : value;
}

BOOL CompareText(const char* key, std::string_view value) {
    const auto text = Find(key);
    return text && *text == value;
}

} // namespace

BOOL NvoProduct::GetSetting(const char* key, CString& value) const {
    const auto text = Find(key);
    value = text ? text->c_str() : "";
    return text.has_value();
}

BOOL NvoProduct::GetSetting(const char* key, unsigned long& value) const {
    const auto text = Find(key);
    const auto number = text ? ParseNumber(*text) : std::nullopt;
    value = number.value_or(0);
    return number.has_value();
}

BOOL NvoProduct::CompareSetting(const char* key, int value) const {
    return CompareText(key, std::to_string(value));
}
BOOL NvoProduct::CompareSetting(const char* key, unsigned int value) const {
    return CompareText(key, std::to_string(value));
}
BOOL NvoProduct::CompareSetting(const char* key, long value) const {
    return CompareText(key, std::to_string(value));
}
BOOL NvoProduct::CompareSetting(const char* key, unsigned long value) const {
    return CompareText(key, std::to_string(value));
}
BOOL NvoProduct::CompareSetting(const char* key, const CString& value) const {
    return CompareText(key, value.str());
}
BOOL NvoProduct::CompareSetting(const char* key, const char* value) const {
    return value && CompareText(key, value);
}

CString NvoProduct::GetOptionsFile() {
    return CString(OptionsFilePath());
}
