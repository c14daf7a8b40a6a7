// Small services of the main object: the model's supplies key, the printer's USB serial number,
// the preload file, files on the installation CD and the programs started from it, and the sound
// of a cartridge change.
#include "PrinterHelpers.h"

#include "CSpy.h"
#include "FileFind.h"
#include "Handles.h"
#include "MessageQueue.h"
#include "Module.h"
#include "NvoIniFile.h"
#include "QORTabDlg.h"
#include "host/QorModule.h"
#include "install/LanguageIdRegistry.h"

#include <mmsystem.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

char g_szCDRoot[MAX_PATH] = {};

namespace {
constexpr const char* kSuppliesKey = "SOFTWARE\\CORVANE\\SUPPLIES\\";
constexpr const char* kModelName = "Corvane Q710 Series";
constexpr const char* kProductKey =
    "SOFTWARE\\{3A1D6E57-0C9B-4b21-8F4E-7D2C9A61B0E3}\\vqtr\\product";
constexpr const char* kUsbKey = "SYSTEM\\CurrentControlSet\\Enum\\USB\\";
constexpr const char* kUsbVendor = "Vid_0e7a";
constexpr const char* kUsbProduct = "Pid_01c3";
// A supplies value is taken as a 260-byte text: at most this many characters.
constexpr int kMaxSuppliesText = MAX_PATH - 1;
constexpr DWORD kWaitSliceMs = 100;
constexpr int kMessagesPerSlice = 20;

// A string value of the open key; false when it is missing or is no string.
bool ReadText(CRegistry& registry, const char* name, CString& text) {
    try {
        registry.Read(name, text);
        return true;
    } catch (CRegistryException* error) {
        error->Delete();
        text.Empty();
        return false;
    }
}

CString SystemFolder() {
    char folder[MAX_PATH] = {};
    UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? CString(folder, static_cast<int>(length)) : CString();
}

bool IsFile(const char* path) {
    DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

CString FindSoundFile() {
    // Never a bare name: that would find a file in the host's current folder.
    const std::string folder = ModuleFolder();
    CString besideModule = CString(folder.c_str()) + kCartridgeChangeSound;
    if (!folder.empty() && IsFile(besideModule))
        return besideModule;
    char windows[MAX_PATH] = {};
    UINT length = ::GetWindowsDirectoryA(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return CString();
    CString media = CString(windows) + "\\Media\\" + kCartridgeChangeSound;
    return IsFile(media) ? media : CString();
}

// Runs at most one slice's worth of the thread's pending messages, offering each to the module's
// windows first as the host's loop does. A quit message is kept for the caller to post again
// once the wait is over, so that the host's loop still ends.
void DispatchPendingMessages(bool& quit, WPARAM& quitCode) {
    CMessagePass pass = DispatchWaitingMessages(kMessagesPerSlice, nullptr, QuitMessage::Hold);
    if (pass.quit) {
        quit = true;
        quitCode = pass.quitCode;
    }
}
} // namespace

CString ModelSuppliesKey() {
    return CString(kSuppliesKey) + kModelName;
}

void CQORTabDlg::WriteRegValueToModel(const char* name, const char* text) {
    CSpy spy;
    CString key = ModelSuppliesKey();
    spy.OutputEach("CQORTabDlg::WriteRegValueToModel", name, text, key);
    if (!m_Registry.Create(key, nullptr, FALSE))
        return;
    try {
        m_Registry.Write(name, CString(text));
    } catch (CRegistryException* error) {
        error->Delete();
    }
    m_Registry.Close();
}

CString CQORTabDlg::ReadRegValueFromModel(const char* name) {
    CString value;
    if (m_Registry.Open(ModelSuppliesKey(), KEY_READ, FALSE)) {
        ReadText(m_Registry, name, value);
        m_Registry.Close();
    }
    if (value.GetLength() > kMaxSuppliesText) {
        // A value this long is no supplies datum: a part of it would be a wrong one.
        CSpy spy;
        spy.OutputError("CQORTabDlg::ReadRegValueFromModel() value too long, not used");
        spy.OutputEach(name, value.GetLength());
        value.Empty();
    }
    return value;
}

CString CQORTabDlg::GetSerialNumber() {
    CSpy spy;
    spy.OutputData("CQORTabDlg::GetSerialNumber");
    CString serial;
    CString key = CString(kUsbKey) + kUsbVendor + "&" + kUsbProduct;
    if (m_Registry.Open(key, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, FALSE)) {
        try {
            // The device instances are named by their serial numbers; the last one is the
            // printer's present connection.
            DWORD count = m_Registry.GetSubKeyCount();
            if (count > 0 && m_Registry.EnumSubKey(count - 1, serial))
                spy.OutputData("Enum USB key success!");
        } catch (CRegistryException* error) {
            error->Delete();
            serial.Empty();
        }
        m_Registry.Close();
    }
    spy.OutputEach("Your Serial Number is (below)", serial);
    return serial;
}

CString CQORTabDlg::ReadPreloadValue(const char* key, const char* section) {
    CSpy spy;
    spy.OutputEach("CQORTabDlg::ReadPreloadValue()", section, key);
    CString fileName;
    CString folder = SystemFolder();
    if (!m_Product.GetSetting("IDO_PLC_FILENAME", fileName) || fileName.IsEmpty() ||
        folder.IsEmpty()) {
        spy.OutputData("No preload file");
        return CString();
    }
    CString value = NvoIniFile::ReadINI(folder + "\\" + fileName, section, key);
    spy.OutputData(value);
    return value;
}

BOOL CQORTabDlg::SearchDirectory(const char* fileName, const char* directory) {
    CSpy spy;
    spy.OutputEach("CQORTabDlg::SearchDirectory()", fileName, directory);
    CFileFind finder;
    BOOL found = finder.FindFile(CString(directory) + fileName);
    if (!found) {
        DWORD error = ::GetLastError();
        spy.OutputEach("FindFile()...GetLastError()", error);
    }
    spy.OutputEach("FindFile() return code", found);
    return found;
}

int CQORTabDlg::LaunchProgram(const char* commandLine, BOOL wait, DWORD* exitCode) {
    // Nothing of this object is touched once the program runs: a window handled during the wait
    // may close the module and delete it.
    CSpy spy;
    spy.OutputEach("Launch Program()", commandLine);
    // CreateProcessA may write into its command line: it gets a copy of its own.
    std::vector<char> line;
    if (commandLine)
        line.assign(commandLine, commandLine + std::strlen(commandLine));
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!commandLine || !::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE,
                                          CREATE_NEW_PROCESS_GROUP | NORMAL_PRIORITY_CLASS, nullptr,
                                          nullptr, &startup, &started)) {
        DWORD error = ::GetLastError();
        spy.OutputEach("CreateProcess()...GetLastError()", error, "CreateProcess() Return Code", 0);
        return -1;
    }
    CHandle process(started.hProcess);
    CHandle thread(started.hThread);
    if (!wait) {
        spy.OutputEach("CreateProcess() Return Code", 1);
        return -1;
    }

    bool quit = false;
    WPARAM quitCode = 0;
    DWORD ended = 0;
    for (;;) {
        DWORD waited = ::WaitForSingleObject(process, kWaitSliceMs);
        if (waited == WAIT_OBJECT_0) {
            ::GetExitCodeProcess(process, &ended);
            process.Close();
            break;
        }
        if (waited != WAIT_TIMEOUT) {
            DWORD error = ::GetLastError();
            spy.OutputError("Launch Program() the wait for the program failed");
            spy.OutputData(error);
            if (quit)
                ::PostQuitMessage(static_cast<int>(quitCode));
            return -1;
        }
        DispatchPendingMessages(quit, quitCode);
        spy.OutputData("waiting...");
    }
    thread.Close();
    if (quit)
        ::PostQuitMessage(static_cast<int>(quitCode));
    spy.OutputEach("GetExitCodeProcess()", ended, "CreateProcess() Return Code", 1);
    if (exitCode)
        *exitCode = ended;
    return 1;
}

int CQORTabDlg::LaunchNetworkConfiguration(BOOL wait) {
    const CString program = DriverFolder() + "3\\vqtrcfg.exe";
    CSpy spy;
    spy.OutputData("lanuch Network Configutil program");
    spy.OutputEach("progFileExePath:", program);
    return LaunchProgram(QuotedProgram(program), wait);
}

BOOL CQORTabDlg::FindCDRoot(const char* fileName) {
    CSpy spy;
    spy.OutputData("CQORTabDlg::FindCDRoot()");
    CString root;
    bool read = false;
    if (m_Registry.Open(kProductKey, KEY_READ, FALSE)) {
        read = ReadText(m_Registry, "CDROOT", root) && !root.IsEmpty();
        m_Registry.Close();
    }
    if (!read) {
        spy.OutputData("No CD root registered");
        return FALSE;
    }
    // The root, its backslash and the terminating NUL must fit.
    if (root.GetLength() + 2 > MAX_PATH) {
        spy.OutputError("CQORTabDlg::FindCDRoot() the registered CD root is too long");
        spy.OutputData(root.GetLength());
        return FALSE;
    }
    std::memcpy(g_szCDRoot, root.c_str(), static_cast<size_t>(root.GetLength()));
    g_szCDRoot[root.GetLength()] = '\\';
    g_szCDRoot[root.GetLength() + 1] = '\0';
    return SearchDirectory(fileName, g_szCDRoot);
}

CString DriverFolder() {
    char system[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(system, MAX_PATH);
    CString folder(system, length < MAX_PATH ? static_cast<int>(length) : 0);
    return folder + "\\spool\\drivers\\x64\\";
}

CString QuotedProgram(const char* path) {
    return CString("\"") + path + "\"";
}

CString WebUpdateCommandLine(const char* option, const char* language, const char* folder) {
    std::string text = option ? option : "";
    text.erase(0, text.find_first_not_of(' '));
    if (text.empty())
        return CString();
    std::string program;
    std::string arguments;
    if (text[0] == '"') {
        const size_t close = text.find('"', 1);
        program = text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        if (close != std::string::npos)
            arguments = text.substr(close + 1);
    } else {
        // The program ends with ".exe" (its folder may hold blanks), else at the first blank.
        std::string lower = text;
        for (char& letter : lower)
            letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
        size_t end = std::string::npos;
        for (size_t at = lower.find(".exe"); at != std::string::npos;
             at = lower.find(".exe", at + 1))
            if (at + 4 == lower.size() || lower[at + 4] == ' ') {
                end = at + 4;
                break;
            }
        if (end == std::string::npos)
            end = text.find(' ');
        program = text.substr(0, end);
        if (end != std::string::npos)
            arguments = text.substr(end);
    }
    arguments.erase(0, arguments.find_first_not_of(' '));
    if (program.find_first_of("\\/:") == std::string::npos)
        program = std::string(folder ? folder : "") + program;
    return QuotedProgram(program.c_str()) + " " + arguments.c_str() + (language ? language : "");
}

void CQORTabDlg::RunCDApplicationsSetup() {
    CSpy spy;
    spy.OutputData("CQORTabDlg::RunCDApplicationsSetup()");
    // The applications' installers read the interface language recorded first.
    WriteLangIDToRegistry(m_Product);
    if (!FindCDRoot("vqtrcomp.inf"))
        return;
    CString folder = CString(g_szCDRoot) + "APPLICATIONS\\";
    if (SearchDirectory("setup.exe", folder))
        LaunchProgram(QuotedProgram(folder + "setup.exe") + " ", TRUE);
}

void CQORTabDlg::PlayCartridgeChangeSound() {
    if (!m_bSoundOn)
        return;
    CSpy spy;
    spy.OutputData("CQORTabDlg::PlayCartridgeChangeSound()");
    CString path = FindSoundFile();
    if (path.IsEmpty()) {
        spy.OutputEach("Sound file not found", kCartridgeChangeSound);
        return;
    }
    spy.OutputData(path);
    // Without a sound device nothing is heard; that is not an error.
    static const auto playSound =
        AfxSystemFunction<BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD)>("winmm.dll", "PlaySoundA");
    BOOL played = playSound && playSound(path, nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
    spy.OutputEach("PlaySound() return code", played);
}
