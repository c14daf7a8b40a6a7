// The accompanying applications on the setup CD of the test prefix (drive S:): a model that
// offers four of them, the recording installer copied into their folders, the command lines it
// recorded, and the language page in a plain wizard sheet of the main window.
#pragma once

#include "../inkpage/InkTestSupport.h"
#include "../main/MainWindowFixture.h"
#include "DialogHook.h"
#include "SetupCd.h"
#include "install/AccompanyingApps.h"
#include "install/AppInstaller.h"
#include "install/InstallState.h"
#include "install/SelectLanguage.h"
#include "main/PrinterHelpers.h"
#include "main/QorWizardSheet.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

using Options = std::vector<std::pair<std::string, std::string>>;

// Four applications, each in its folder APPn\ of the CD, installed by "setup.exe" with " /sn".
inline Options AppsModel(const Options& changes = {}) {
    std::map<std::string, std::string> options = {{"IDO_BUNDLED_APPS", "1"},
                                                  {"IDO_FINDCDINFFILENAME", "vqtrcomp.inf"},
                                                  {"IDO_SECTIONNAME", "Applications"},
                                                  {"IDO_FORCE_INSTALL_APP1", "1"},
                                                  {"IDO_PLC_FILENAME", "vqtrtest.plc"}};
    for (int n = 1; n <= 4; ++n) {
        const std::string digit = std::to_string(n);
        options["IDO_APP" + digit] = "1";
        options["IDO_APP" + digit + "KEYNAME"] = "Program" + digit;
        options["IDO_BUNDLED_APP" + digit + "_PATH"] = "APP" + digit + "\\";
        options["IDO_BUNDLED_APP" + digit + "_NAME"] = "setup.exe";
        options["IDO_BUNDLED_APP" + digit + "_PARAMETER"] = "\" /s" + digit + "\"";
    }
    for (const auto& [key, value] : changes)
        options[key] = value;
    return {options.begin(), options.end()};
}

// A filler page where the real sheet has its other pages.
class CFillerPage : public CQorWizardPage {
public:
    CFillerPage() : CQorWizardPage(IDD_SELECT_LANGUAGE) {}

protected:
    void OnNextbutton() override {}
    void OnCancelbutton() override {}
    unsigned HelpTopic() const override { return 0; }
};

// The language page at its index in the real sheet (2), with the page after it (3).
class CLanguageTestSheet : public CQorWizardSheet {
public:
    explicit CLanguageTestSheet(bool openedByTopic)
        : CQorWizardSheet(kInstallSheet, IDS_SELLANG_HEADING, nullptr) {
        std::vector<std::unique_ptr<CPropertyPage>> pages;
        pages.push_back(std::make_unique<CFillerPage>());
        pages.push_back(std::make_unique<CFillerPage>());
        pages.push_back(std::make_unique<CSelectLanguage>(openedByTopic));
        pages.push_back(std::make_unique<CFillerPage>());
        TakePages(std::move(pages));
    }
};

class AppsTest : public MainWindowTest {
protected:
    static constexpr int kLanguagePage = 2;

    AppsTest() { ResetModuleState(); }
    ~AppsTest() override { ResetModuleState(); }

    static void ResetModuleState() {
        ForgetAppInstallations();
        g_strUILanguage = "english";
        std::strcpy(g_szCDRoot, testing_support::SetupCd::kRoot);
        for (BOOL* flag :
             {&g_bApp1Available, &g_bApp2Available, &g_bApp3Available, &g_bApp4Available,
              &g_bApp1LanguageFound, &g_bApp2LanguageFound, &g_bApp3LanguageFound,
              &g_bApp4LanguageFound, &g_bApp1Preloaded, &g_bLastAppFound, &g_bLastAppPreloaded})
            *flag = 0;
        g_szPreloadAppPath.Empty();
    }
    static void MakeAvailable() {
        g_bApp1Available = g_bApp2Available = g_bApp3Available = g_bApp4Available = 1;
    }

    static std::string BinFolder() {
        char path[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string folder = path;
        return folder.substr(0, folder.rfind('\\') + 1);
    }
    // The recording installer at a path of the CD ("APP1\\english\\setup.exe").
    void PutInstaller(const std::string& relativePath) {
        cd.CopyFile(BinFolder() + "recording_installer.exe", relativePath);
    }
    // The right CD: its marker file at the root.
    void PutMarker() { cd.AddFile("vqtrcomp.inf"); }
    std::vector<std::string> Recorded() const { return installerLog.Lines(); }

    // The preload file of the model (IDO_PLC_FILENAME in the system folder) with these lines in
    // the section "Applications".
    void Preload(const std::vector<std::string>& lines) {
        char system[MAX_PATH] = {};
        ::GetSystemDirectoryA(system, MAX_PATH);
        std::string contents = "[Applications]\r\n";
        for (const std::string& line : lines)
            contents += line + "\r\n";
        preloadFile.emplace(std::string(system) + "\\vqtrtest.plc", contents);
    }

    // An installer run as the page runs it, with these choices.
    CAppInstaller Installer(const AppChoices& choices = {}) {
        return CAppInstaller(*Main(), nullptr, choices);
    }

    // The main window, then the test sheet on the language page.
    CSelectLanguage* OpenPage(bool openedByTopic = false) {
        EXPECT_EQ(Open(100), 1);
        if (!Main())
            return nullptr;
        Main()->OpenWizardInSlot(kInstallSheet,
                                 std::make_unique<CLanguageTestSheet>(openedByTopic));
        Sheet()->ShowPageNumber(kLanguagePage);
        return dynamic_cast<CSelectLanguage*>(Sheet()->GetActivePage());
    }
    static CQorWizardSheet* Sheet() {
        return Main() ? Main()->m_Slots.GetAs<CQorWizardSheet>(kInstallSheet) : nullptr;
    }
    static HWND Item(UINT id) {
        return ::GetDlgItem(*Sheet()->GetPage(kLanguagePage), static_cast<int>(id));
    }
    static bool Shown(UINT id) { return (::GetWindowLongA(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    static void Press(UINT id) {
        ::SendMessageA(*Sheet()->GetPage(kLanguagePage), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(Item(id)));
    }
    static void Tick(UINT check, bool ticked) {
        ::SendMessageA(Item(check), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
        Press(check);
    }
    static void Choose(UINT list, int index) {
        ::SendMessageA(Item(list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(*Sheet()->GetPage(kLanguagePage), WM_COMMAND,
                       MAKEWPARAM(list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(list)));
    }
    static std::vector<std::string> Entries(UINT list) {
        std::vector<std::string> entries;
        const int count = static_cast<int>(::SendMessageA(Item(list), CB_GETCOUNT, 0, 0));
        for (int index = 0; index < count; ++index) {
            char text[64] = {};
            ::SendMessageA(Item(list), CB_GETLBTEXT, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        return entries;
    }
    static int Selected(UINT list) {
        return static_cast<int>(::SendMessageA(Item(list), CB_GETCURSEL, 0, 0));
    }
    static bool InstallEnabled() { return ::IsWindowEnabled(Item(IDC_SELLANG_INSTALL)) != 0; }

    testing_support::SetupCd cd;
    testing_support::TempFile installerLog{".log"};
    testing_support::ScopedEnvironment logVariable{"VQTR_INSTALLER_LOG", installerLog.Path()};
    std::optional<testing_support::TempFile> preloadFile;
};
