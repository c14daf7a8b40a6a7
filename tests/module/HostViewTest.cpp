// The module seen from a host: only the interface header, the DLL and the callback.
#include "FakeHost.h"
#include "TestLog.h"
#include "qor.h"

#include <gtest/gtest.h>

#include <string>

namespace {
HWND FindMainWindow(const std::string& title) {
    return ::FindWindowA(nullptr, title.c_str());
}
} // namespace

TEST(HostView, TheModuleExportsExactlyTheSevenUndecoratedNames) {
    HMODULE module = ::GetModuleHandleA("vqtrqor.dll");
    ASSERT_NE(module, nullptr);
    for (const char* name : {"QORInit", "QORDisplayTopic", "QORChangeCart", "QORUpdateStatus",
                             "QORFilterDllMsg", "QORChoosePrinter", "QORTerminateNow"})
        EXPECT_NE(::GetProcAddress(module, name), nullptr) << name;

    // The export directory holds nothing else.
    auto* base = reinterpret_cast<const BYTE*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    auto* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    EXPECT_EQ(exports->NumberOfNames, 7u);
}

TEST(HostView, AHostOpensTheMainWindowAndIsToldWhenItCloses) {
    TestLog log;
    FakeHost host;
    const std::string printer = "Host View Printer";
    ASSERT_EQ(QORInit(printer.c_str(), 100, &host.status, &host.port, &FakeHost::Callback), 1);
    HWND window = FindMainWindow("Printer Assistant - " + printer);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(::IsWindowVisible(window));
    // The window offers no Maximize.
    HMENU menu = ::GetSystemMenu(window, FALSE);
    EXPECT_TRUE(::GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED);

    EXPECT_EQ(QORUpdateStatus(&host.status), 1);
    ::SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 1);
    EXPECT_EQ(QORUpdateStatus(&host.status), 0);
    EXPECT_EQ(QORTerminateNow(), 1);
    EXPECT_EQ(host.Count(CBNotifyQORClosed), 1);
    EXPECT_TRUE(log.HasSequence({"QORInit", printer, "100"}));
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE,
                     ("SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\" + printer).c_str());
}

TEST(HostView, CallsWithNothingOpenGetZero) {
    TestLog log;
    EXPECT_EQ(QORDisplayTopic(100, nullptr), 0);
    EXPECT_EQ(QORUpdateStatus(nullptr), 0);
    EXPECT_EQ(QORTerminateNow(), 1);
}

namespace {
std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

bool ResourceModuleBesideUs() {
    return ::GetFileAttributesA((ProgramFolder() + "\\vqtrqorr.dll").c_str()) !=
           INVALID_FILE_ATTRIBUTES;
}
} // namespace

// Runs only in the copy of this program that stands without the resource module (below).
TEST(HostViewWithoutResources, NothingOpensAndEveryCallEndsCleanly) {
    if (ResourceModuleBesideUs())
        GTEST_SKIP() << "the resource module is present";
    FakeHost host;
    EXPECT_EQ(QORInit("No Resources", 100, &host.status, &host.port, &FakeHost::Callback), 0);
    EXPECT_EQ(::FindWindowA(nullptr, "Printer Assistant - No Resources"), nullptr);
    EXPECT_EQ(QORDisplayTopic(100, &host.status), 0);
    EXPECT_EQ(QORUpdateStatus(&host.status), 0);
    const char list[] = "One\0Two\0";
    EXPECT_EQ(QORChoosePrinter(list), 0);
    EXPECT_EQ(QORTerminateNow(), 1);
    EXPECT_TRUE(host.requests.empty());
}

TEST(HostView, WithoutTheResourceModuleTheModuleSaysSoAndOpensNothing) {
    // A copy of this program with every DLL but the resource module, in a folder of its own.
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "vqtr-no-resources";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    std::string source = ProgramFolder();
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((source + "\\*.dll").c_str(), &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do {
        if (std::string(found.cFileName) != "vqtrqorr.dll")
            ::CopyFileA((source + "\\" + found.cFileName).c_str(),
                        (folder + "\\" + found.cFileName).c_str(), FALSE);
    } while (::FindNextFileA(find, &found));
    ::FindClose(find);
    std::string program = folder + "\\test_module.exe";
    ASSERT_TRUE(::CopyFileA((source + "\\test_module.exe").c_str(), program.c_str(), FALSE));

    TestLog log;
    std::string command =
        "\"" + program + "\" --gtest_filter=HostViewWithoutResources.* --gtest_brief=1";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 folder.c_str(), &startup, &process));
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(log.HasSequence({"QORInit", "No Resources", "100"}));
    EXPECT_TRUE(log.Contains("QOR Res DLL not loaded"));
}
