// The help files where the module looks for them (the scripts install them into the Wine
// prefix), opened through the system's real viewer as the module opens them.
#include "CompiledHelp.h"
#include "PrinterHelpers.h"
#include "main/HelpTopics.h"

#include "DialogHook.h"
#include "Operations.h"

#include <Module.h>

#include <gtest/gtest.h>

#include <fstream>
#include <htmlhelp.h>
#include <iterator>
#include <sstream>
#include <vector>

namespace {
std::string Installed(const char* name) {
    return std::string(DriverFolder() + "3\\" + name);
}

std::optional<std::string> Content(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The caption of the viewer window that this thread shows; empty when none is shown.
std::string ShownViewer() {
    std::string caption;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            char className[32] = {};
            ::GetClassNameA(window, className, sizeof className);
            if (std::string(className) != "HH Parent" || !::IsWindowVisible(window))
                return TRUE;
            char text[256] = {};
            ::GetWindowTextA(window, text, sizeof text);
            *reinterpret_cast<std::string*>(found) = text;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&caption));
    return caption;
}

void Pump() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

class InstalledHelpTest : public ::testing::Test {
protected:
    void SetUp() override { VqtrSetUiHandler(nullptr); }
    // The viewer's windows go at the end of every test.
    void TearDown() override {
        UtilShowHelp(nullptr, Installed("vqtrqor.chm").c_str(), HH_CLOSE_ALL, 0, 0);
        Pump();
    }
};
} // namespace

TEST_F(InstalledHelpTest, TheInstalledFilesAreTheBuiltOnes) {
    for (const char* name : {"vqtrqor.chm", "vqtrma.chm"}) {
        const std::optional<std::string> built = Content(BuiltHelpFile(name));
        ASSERT_TRUE(built) << name;
        EXPECT_EQ(Content(Installed(name)), built)
            << name << " in " << Installed(name) << " is missing or out of date: "
            << "scripts/wineenv.sh installs it when the prefix is ensured";
    }
}

TEST_F(InstalledHelpTest, TopicsOpenInTheRealViewer) {
    // A page's help, a solution of the Troubleshooting page, a readiness refusal and a how-to.
    for (unsigned topic : {kPageHelpTopics[kHomePage], 68u, 986u, 155u, 817u}) {
        UtilShowHelp(nullptr, Installed("vqtrqor.chm").c_str(), HH_HELP_CONTEXT, topic, 0);
        Pump();
        EXPECT_EQ(ShownViewer(), "Q710 Series Printer Assistant Help") << topic;
    }
    UtilShowHelp(nullptr, Installed("vqtrqor.chm").c_str(), HH_CLOSE_ALL, 0, 0);
    Pump();
    EXPECT_EQ(ShownViewer(), "");
}

TEST_F(InstalledHelpTest, TheGuideOpensAtItsFirstPage) {
    UtilShowHelp(nullptr, Installed("vqtrma.chm").c_str(), HH_DISPLAY_TOPIC, 0, 0);
    Pump();
    EXPECT_EQ(ShownViewer(), "Q710 Series User Guide");
}

// A help file that is missing or cannot be read opens no empty viewer: the user is told, with
// the file's place, in the resource module's words.
TEST_F(InstalledHelpTest, AMissingOrDamagedHelpFileIsToldNotShown) {
    HMODULE resources = ::LoadLibraryExA("vqtrqorr.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(resources, nullptr);
    const HINSTANCE before = AfxGetResourceHandle();
    AfxSetResourceHandle(resources);
    char folder[MAX_PATH] = {};
    ::GetTempPathA(sizeof folder, folder);
    const std::string missing = std::string(folder) + "vqtr_no_such_help.chm";
    const std::string damaged = std::string(folder) + "vqtr_damaged_help.chm";
    ::DeleteFileA(missing.c_str());
    std::ofstream(damaged, std::ios::binary) << "not a help file";
    std::vector<std::string> told;
    {
        CDialogHook boxes(CDialogHook::kActivated, [&told](HWND box) {
            char text[512] = {};
            ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            told.push_back(text);
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        for (const std::string& file : {missing, damaged}) {
            UtilShowHelp(nullptr, file.c_str(), HH_HELP_CONTEXT, 219, 0);
            Pump();
            EXPECT_EQ(ShownViewer(), "") << file;
        }
        // Closing the viewer asks for no file and tells nothing.
        UtilShowHelp(nullptr, missing.c_str(), HH_CLOSE_ALL, 0, 0);
    }
    ::DeleteFileA(damaged.c_str());
    AfxSetResourceHandle(before);
    ::FreeLibrary(resources);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_NE(told[0].find("missing"), std::string::npos) << told[0];
    EXPECT_NE(told[0].find(missing), std::string::npos) << told[0];
    EXPECT_NE(told[1].find("cannot be read"), std::string::npos) << told[1];
}
