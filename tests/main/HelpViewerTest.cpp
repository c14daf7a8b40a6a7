// Help through the system's real viewer, on a help file installed where the module looks for
// it: every help path of the module hands the viewer a command that takes a topic number.
#include "MainWindowFixture.h"
#include "main/HelpTopics.h"

#include <htmlhelp.h>
#include <shlobj.h>

namespace {
std::string BesideThisProgram(const char* name) {
    char path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// The help file in the module's place for the length of a test.
class InstalledHelpFile {
public:
    explicit InstalledHelpFile(const std::string& path) : m_path(path) {
        std::string folder = path.substr(0, path.find_last_of('\\'));
        ::SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
        // A help file in place already (the printer's own, or the copy of an earlier test that
        // the viewer still holds open) serves, and stays.
        m_copied =
            ::CopyFileA(BesideThisProgram("viewer_test.chm").c_str(), path.c_str(), TRUE) != 0;
        m_installed = m_copied || ::GetLastError() == ERROR_FILE_EXISTS;
    }
    ~InstalledHelpFile() {
        // The viewer's windows go before their file.
        if (HMODULE viewer = ::GetModuleHandleA("hhctrl.ocx"))
            if (auto close =
                    reinterpret_cast<HtmlHelpFunction>(::GetProcAddress(viewer, "HtmlHelpA")))
                close(nullptr, nullptr, HH_CLOSE_ALL, 0);
        if (m_copied)
            ::DeleteFileA(m_path.c_str());
    }
    InstalledHelpFile(const InstalledHelpFile&) = delete;
    InstalledHelpFile& operator=(const InstalledHelpFile&) = delete;
    bool Installed() const { return m_installed; }

private:
    std::string m_path;
    bool m_copied = false;
    bool m_installed = false;
};
} // namespace

TEST_F(MainWindowTest, HelpTopicsOpenThroughTheRealViewerWithoutHarm) {
    ASSERT_EQ(Open(100), 1);
    InstalledHelpFile help(std::string(Main()->GetHelpFilePath()));
    ASSERT_TRUE(help.Installed());
    VqtrSetUiHandler(nullptr);
    // Known topics, an unknown one, and every page's help: the process lives through all.
    for (unsigned topic : {kHelpTopicGeneral, kHelpTopicNetwork, 4242u})
        Main()->ShowHelpTopic(topic);
    for (UINT id = IDC_NAV_HOME; id <= IDC_NAV_ADVANCED; ++id) {
        Click(id);
        Main()->ShowHelp();
    }
    Pump();
    EXPECT_FALSE(
        log.Contains("UtilShowHelp() the command takes no topic number: nothing is shown"));
    EXPECT_FALSE(log.Contains("UtilShowHelp() the help file does not exist"));
}

TEST_F(MainWindowTest, AViewerCommandThatTakesNoNumberIsRefusedNotHandedOn) {
    ASSERT_EQ(Open(100), 1);
    InstalledHelpFile help(std::string(Main()->GetHelpFilePath()));
    ASSERT_TRUE(help.Installed());
    VqtrSetUiHandler(nullptr);
    // The table of contents reads its data as an address: 219 would be read as one.
    UtilShowHelp(nullptr, Main()->GetHelpFilePath(), HH_DISPLAY_TOC, kHelpTopicGeneral, 0);
    EXPECT_TRUE(log.Contains("UtilShowHelp() the command takes no topic number: nothing is shown"));
}
