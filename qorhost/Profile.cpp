#include "Profile.h"

#include "Handles.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <sstream>

namespace {
constexpr char kSection[] = "Printer";

std::string ReadText(const std::string& path, const char* key, const char* fallback = "") {
    char text[512] = {};
    ::GetPrivateProfileStringA(kSection, key, fallback, text, sizeof text, path.c_str());
    return text;
}

// Numbers are decimal, or hexadecimal with 0x; they may be negative (ink levels out of range).
template <class T> void ReadNumber(const std::string& path, const char* key, T& value) {
    std::string text = ReadText(path, key);
    if (text.empty())
        return;
    char* end = nullptr;
    long long number = std::strtoll(text.c_str(), &end, 0);
    if (end && *end == '\0')
        value = static_cast<T>(number);
}

void ReadFlag(const std::string& path, const char* key, bool& value) {
    int number = value;
    ReadNumber(path, key, number);
    value = number != 0;
}

void ReadState(const std::string& path, PrinterState& state) {
    ReadNumber(path, "Status", state.status);
    std::string alert = ReadText(path, "AlertBytes");
    if (!alert.empty())
        ParseHexBytes(alert, state.alertBytes);
    ReadNumber(path, "MediaTray1", state.mediaTray1);
    ReadNumber(path, "MediaTray2", state.mediaTray2);
    ReadNumber(path, "Port", state.port.dwPortType);
    INKINFO& ink = state.ink;
    ReadNumber(path, "Carrier", ink.dwCarrierType);
    ReadNumber(path, "Black", ink.nBlackLevel);
    ReadNumber(path, "Cyan", ink.nColorLevel1);
    ReadNumber(path, "Magenta", ink.nColorLevel2);
    ReadNumber(path, "Yellow", ink.nColorLevel3);
    ReadNumber(path, "PhotoBlack", ink.nPhotoLevel1);
    ReadNumber(path, "PhotoCyan", ink.nPhotoLevel2);
    ReadNumber(path, "PhotoMagenta", ink.nPhotoLevel3);
    ReadNumber(path, "LogicalCartridge1", ink.LogCartID1);
    ReadNumber(path, "LogicalCartridge2", ink.LogCartID2);
    ReadNumber(path, "PhysicalCartridge1", ink.PhyCartID1);
    ReadNumber(path, "PhysicalCartridge2", ink.PhyCartID2);
    ReadNumber(path, "CartridgeChanged1", ink.bCartChanged1);
    ReadNumber(path, "CartridgeChanged2", ink.bCartChanged2);
    ReadNumber(path, "AlignCartridge1", ink.bAlignCart1);
    ReadNumber(path, "AlignCartridge2", ink.bAlignCart2);
    std::istringstream values(ReadText(path, "AlignValues"));
    for (DWORD& value : state.align.dwValue) {
        if (!(values >> value))
            break;
    }
    ReadFlag(path, "OtherSessionJob", state.heldByOtherSession);
    ReadFlag(path, "JobHeld", state.jobHeld);
    ReadNumber(path, "BusyReads", state.busyReads);
}

std::optional<DWORD> ReadThreshold(const std::string& path, const char* key) {
    long long number = -1;
    ReadNumber(path, key, number);
    if (number < 0 || number > 0xFFFFFFFFll)
        return std::nullopt;
    return static_cast<DWORD>(number);
}

// The model's supplies key, where the module reads the thresholds.
constexpr char kSuppliesKey[] = "SOFTWARE\\CORVANE\\SUPPLIES\\Corvane Q710 Series";
} // namespace

std::string ProfileFolder() {
    char path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    size_t slash = folder.find_last_of("\\/");
    folder = slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
    return folder + "\\profiles";
}

std::vector<std::string> ProfileNames() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    CFindHandle search(::FindFirstFileA((ProfileFolder() + "\\*.ini").c_str(), &found));
    if (!search.IsValid())
        return names;
    do {
        std::string name = found.cFileName;
        names.push_back(name.substr(0, name.size() - 4));
    } while (::FindNextFileA(search, &found));
    std::sort(names.begin(), names.end());
    return names;
}

std::string ProfilePath(const std::string& nameOrPath) {
    bool isPath =
        nameOrPath.size() > 4 && _stricmp(nameOrPath.c_str() + nameOrPath.size() - 4, ".ini") == 0;
    return isPath ? nameOrPath : ProfileFolder() + "\\" + nameOrPath + ".ini";
}

bool LoadProfile(const std::string& nameOrPath, Profile& profile, std::string& error) {
    std::string path = ProfilePath(nameOrPath);
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        error = "no printer profile \"" + nameOrPath + "\" (looked for " + path + ")";
        return false;
    }
    // GetPrivateProfileString takes a bare file name as one in the Windows folder.
    char full[MAX_PATH] = {};
    DWORD length = ::GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    profile.path = length && length < MAX_PATH ? std::string(full, length) : path;
    std::string file = profile.path.substr(profile.path.find_last_of("\\/") + 1);
    profile.name = file.substr(0, file.size() - 4);
    profile.printerName = ReadText(profile.path, "Name", "Corvane Q710 Series");
    profile.description = ReadText(profile.path, "Description");
    profile.state = DefaultPrinterState();
    ReadState(profile.path, profile.state);
    profile.lowInkAlert = ReadThreshold(profile.path, "LowInkAlert");
    profile.lowInkWarning = ReadThreshold(profile.path, "LowInkWarning");
    return true;
}

void UseProfileOptions(const Profile& profile) {
    ::SetEnvironmentVariableA("VQTR_OPTIONS", profile.path.c_str());
}

void UseProfileThresholds(const Profile& profile) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSuppliesKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return;
    CHKey supplies(key);
    const std::pair<const char*, const std::optional<DWORD>&> values[] = {
        {"LowInkAlert", profile.lowInkAlert}, {"LowInkWarning", profile.lowInkWarning}};
    for (const auto& [name, value] : values) {
        if (value)
            ::RegSetValueExA(supplies, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value),
                             sizeof(DWORD));
        else
            ::RegDeleteValueA(supplies, name);
    }
}

namespace {
std::string ProfileValue(const Profile& profile, const char* section, const char* key) {
    char value[1024] = {};
    ::GetPrivateProfileStringA(section, key, "", value, sizeof value, profile.path.c_str());
    return value;
}

// A file and the folders that lead to it.
void MakeFile(const std::string& path) {
    for (size_t end = path.find('\\', 3); end != std::string::npos; end = path.find('\\', end + 1))
        ::CreateDirectoryA(path.substr(0, end).c_str(), nullptr);
    CHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
}
} // namespace

void UseProfileInstallation(const Profile& profile) {
    std::vector<char> keys(8192, '\0');
    const DWORD length = ::GetPrivateProfileSectionA(
        "Preload", keys.data(), static_cast<DWORD>(keys.size()), profile.path.c_str());
    const std::string preloadName = ProfileValue(profile, "Options", "IDO_PLC_FILENAME");
    char system[MAX_PATH] = {};
    if (length > 0 && !preloadName.empty() && ::GetSystemDirectoryA(system, MAX_PATH)) {
        std::string contents = "[Preload]\r\n";
        for (const char* line = keys.data(); *line; line += std::strlen(line) + 1)
            contents += std::string(line) + "\r\n";
        CHandle file(::CreateFileA((std::string(system) + "\\" + preloadName).c_str(),
                                   GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                   nullptr));
        DWORD written = 0;
        ::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    }
    const std::string files = ProfileValue(profile, "SetupCd", "Files");
    if (files.empty() || ::GetDriveTypeA("S:\\") != DRIVE_CDROM)
        return;
    std::istringstream list(files);
    for (std::string name; std::getline(list, name, ';');)
        if (!name.empty())
            MakeFile("S:\\" + name);
}
