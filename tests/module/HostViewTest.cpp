// The module seen from a host: only the interface header, the DLL and the callback.
#include "ChildProgram.h"
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
bool ResourceModuleBesideUs() {
    return ::GetFileAttributesA((child::ProgramFolder() + "\\vqtrqorr.dll").c_str()) !=
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
    std::string folder = child::MakeFolder("vqtr-no-resources");
    child::CopyDlls(folder, "vqtrqorr.dll");
    TestLog log;
    int exitCode = child::RunCopy(folder, "HostViewWithoutResources.*", folder);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(log.HasSequence({"QORInit", "No Resources", "100"}));
    EXPECT_TRUE(log.Contains("QOR Res DLL not loaded"));
}
