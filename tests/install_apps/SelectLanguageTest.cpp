// The language page driven as a user drives it: what it offers, when Install may be pressed, the
// setup CD check with its way out, the order of the installers, the Japanese rules, installers
// that fail, the progress window, and the language id recorded for the installers.
#include "AppsFixture.h"
#include "PromptDriver.h"
#include "Screenshot.h"
#include "install/InstallApp.h"
#include "install/LanguageIdRegistry.h"
#include "install/SilentAppInstall.h"

#include <algorithm>
#include <set>

namespace {
// The installer of application n as the recording installer saw it, started from its CD folder.
std::string FromCd(int n, const char* language = "english") {
    return "\"S:\\APP" + std::to_string(n) + "\\" + language + "\\setup.exe\" /s" +
           std::to_string(n);
}

std::vector<std::string> Sorted(std::vector<std::string> items) {
    std::sort(items.begin(), items.end());
    return items;
}

// Saves the screen as NAME.png in the folder VQTR_PICTURES names, for a look at the windows;
// nothing without it.
void Picture(const char* name) {
    char folder[MAX_PATH] = {};
    if (!::GetEnvironmentVariableA("VQTR_PICTURES", folder, sizeof folder))
        return;
    const std::string path = std::string(folder) + "\\" + name + ".png";
    std::wstring wide(path.begin(), path.end());
    EXPECT_TRUE(SaveScreenAsPng(wide.c_str())) << path;
}

void DrawNow(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}
} // namespace

class SelectLanguageTest : public AppsTest {
protected:
    // Every application available, its language folder found on the CD (so no list asks), its
    // installer there, and the right CD in the drive.
    void EveryAppOnTheCd() {
        MakeAvailable();
        g_bApp1LanguageFound = g_bApp2LanguageFound = g_bApp3LanguageFound = g_bApp4LanguageFound =
            1;
        for (int n = 1; n <= 4; ++n)
            PutInstaller("APP" + std::to_string(n) + "\\english\\setup.exe");
        PutMarker();
    }
};

struct ListCase {
    const char* name;
    std::vector<const char*> folders; // under APP1\ on the CD
    const char* uiLanguage;
    std::vector<std::string> entries; // sorted
    const char* selected;             // null: nothing selected
};

TEST_F(SelectLanguageTest, TheListOffersTheLanguagesFoundOnTheCdAndSelectsTheInterfaces) {
    const ListCase cases[] = {
        {"the interface's folder is there",
         {"german", "English", "Chinese", "notalanguage"},
         "english",
         {"English", "German"},
         "English"},
        {"no folder of the interface's language",
         {"german", "french"},
         "english",
         {"French", "German"},
         nullptr},
        {"nothing on the CD", {}, "english", {}, nullptr},
    };
    TestOptions options{AppsModel()};
    for (const ListCase& test : cases) {
        SCOPED_TRACE(test.name);
        EntryTerminateNow();
        ResetModuleState();
        g_strUILanguage = test.uiLanguage;
        g_bApp1Available = 1;
        cd.Clear();
        for (const char* folder : test.folders)
            cd.AddFolder(std::string("APP1\\") + folder);
        ASSERT_NE(OpenPage(), nullptr);
        ASSERT_TRUE(Shown(IDC_SELLANG_APP1_LIST));
        EXPECT_EQ(Sorted(Entries(IDC_SELLANG_APP1_LIST)), test.entries);
        const int selected = Selected(IDC_SELLANG_APP1_LIST);
        if (test.selected) {
            ASSERT_GE(selected, 0);
            EXPECT_EQ(Entries(IDC_SELLANG_APP1_LIST)[static_cast<size_t>(selected)], test.selected);
        } else {
            EXPECT_EQ(selected, -1);
        }
        // Install waits for a language wherever a list asks for one.
        EXPECT_EQ(InstallEnabled(), test.selected != nullptr);
    }
}

TEST_F(SelectLanguageTest, TheTextRecognitionListShowsBrazilianForPortuguese) {
    TestOptions options{AppsModel({{"IDO_BUNDLED_APP2_DIRNAME", "OCR"}})};
    g_bApp2Available = 1;
    cd.AddFolder("APP2\\portuguese");
    ASSERT_NE(OpenPage(), nullptr);
    EXPECT_EQ(Entries(IDC_SELLANG_APP2_LIST), std::vector<std::string>{"Portuguese (Brazil)"});
}

struct ShownCase {
    const char* name;
    Options changes;
    const char* uiLanguage;
    DWORD port;
    bool app1, app2, app4;     // check boxes shown
    bool app1Choosable = true; // application 1's box may be unticked
};

TEST_F(SelectLanguageTest, AnApplicationIsOfferedOnlyWhenItCanBeInstalled) {
    const ShownCase cases[] = {
        {"all of them",
         {{"IDO_FORCE_INSTALL_APP1", "0"}},
         "english",
         QOR_PORT_USB,
         true,
         true,
         true},
        {"application 1 is installed in any case",
         {},
         "english",
         QOR_PORT_USB,
         true,
         true,
         true,
         false},
        {"not offered",
         {{"IDO_APP2", "0"}, {"IDO_FORCE_INSTALL_APP1", "0"}},
         "english",
         QOR_PORT_USB,
         true,
         false,
         true},
        {"not for Japanese",
         {{"IDO_APP4_JAPANESE", "0"}, {"IDO_FORCE_INSTALL_APP1", "0"}},
         "japanese",
         QOR_PORT_USB,
         true,
         true,
         false},
        {"a network connection",
         {{"IDO_FORCE_INSTALL_APP1", "0"}},
         "english",
         5,
         true,
         false,
         true},
    };
    for (const ShownCase& test : cases) {
        SCOPED_TRACE(test.name);
        TestOptions options{AppsModel(test.changes)};
        EntryTerminateNow();
        ResetModuleState();
        MakeAvailable();
        g_bApp1LanguageFound = g_bApp2LanguageFound = g_bApp4LanguageFound = 1;
        g_strUILanguage = test.uiLanguage;
        host.port.dwPortType = test.port;
        ASSERT_NE(OpenPage(), nullptr);
        EXPECT_EQ(Shown(IDC_SELLANG_APP1_CHECK), test.app1);
        EXPECT_EQ(::IsWindowEnabled(Item(IDC_SELLANG_APP1_CHECK)) != 0, test.app1Choosable);
        EXPECT_EQ(Shown(IDC_SELLANG_APP2_CHECK), test.app2);
        EXPECT_EQ(Shown(IDC_SELLANG_APP4_CHECK), test.app4);
        // Application 3 is offered on the topic's page only; a language already found needs no
        // list.
        EXPECT_FALSE(Shown(IDC_SELLANG_APP3_CHECK));
        for (UINT list : {IDC_SELLANG_APP1_LIST, IDC_SELLANG_APP2_LIST, IDC_SELLANG_APP4_LIST})
            EXPECT_FALSE(Shown(list));
        EXPECT_TRUE(InstallEnabled());
    }
    // An application that is not on the CD nor preloaded is not offered.
    EntryTerminateNow();
    ResetModuleState();
    host.port.dwPortType = QOR_PORT_USB;
    g_bApp2Available = 1;
    ASSERT_NE(OpenPage(), nullptr);
    EXPECT_FALSE(Shown(IDC_SELLANG_APP1_LIST));
    EXPECT_TRUE(Shown(IDC_SELLANG_APP2_CHECK));
    EXPECT_FALSE(Shown(IDC_SELLANG_APP4_CHECK));
}

TEST_F(SelectLanguageTest, OpenedByATopicEveryLanguageIsOfferedWithoutSearchingTheCd) {
    TestOptions options{AppsModel({{"IDO_APP4", "0"}})};
    ASSERT_NE(OpenPage(true), nullptr);
    DrawNow(*Sheet());
    Picture("language_page_topic");
    const std::vector<std::string> entries = Entries(IDC_SELLANG_APP3_LIST);
    ASSERT_EQ(entries.size(), 24u);
    EXPECT_EQ(entries.front(), "Chinese (Simplified)");
    EXPECT_EQ(entries.back(), "Bulgarian");
    for (UINT list : {IDC_SELLANG_APP1_LIST, IDC_SELLANG_APP2_LIST, IDC_SELLANG_APP3_LIST})
        EXPECT_EQ(Selected(list), 0);
    // Application 1 is installed in any case: its box stays ticked.
    EXPECT_TRUE(Shown(IDC_SELLANG_APP1_CHECK));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_SELLANG_APP1_CHECK)));
    EXPECT_TRUE(Shown(IDC_SELLANG_APP1_LIST));
    EXPECT_TRUE(Shown(IDC_SELLANG_APP3_CHECK));
    EXPECT_FALSE(Shown(IDC_SELLANG_APP4_LIST));
    EXPECT_FALSE(log.Contains("CSelectLanguage::SearchDirectoryAndAddCombo()"));
}

TEST_F(SelectLanguageTest, InstallWaitsForALanguageOfEveryApplicationThatIsTicked) {
    TestOptions options{AppsModel({{"IDO_FORCE_INSTALL_APP1", "0"}})};
    g_bApp1Available = g_bApp2Available = 1;
    cd.AddFolder("APP1\\german");
    cd.AddFolder("APP2\\german");
    ASSERT_NE(OpenPage(), nullptr);
    EXPECT_FALSE(InstallEnabled());
    // Enter does not go round the disabled button.
    ::SendMessageA(*Sheet(), WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(log.Contains("CSelectLanguage::OnInstallButton()"));
    // Application 1 unticked is left out; application 2 still waits.
    Tick(IDC_SELLANG_APP1_CHECK, false);
    EXPECT_FALSE(InstallEnabled());
    Choose(IDC_SELLANG_APP2_LIST, 0);
    EXPECT_TRUE(InstallEnabled());
    Tick(IDC_SELLANG_APP1_CHECK, true);
    EXPECT_FALSE(InstallEnabled());
    Choose(IDC_SELLANG_APP1_LIST, 0);
    EXPECT_TRUE(InstallEnabled());
    DrawNow(*Sheet());
    Picture("language_page");
}

TEST_F(SelectLanguageTest, InstallRunsEveryApplicationInOrderAndLeadsOn) {
    TestOptions options{AppsModel()};
    EveryAppOnTheCd();
    PromptDriver prompts([](HWND prompt, int) { PromptDriver::PressSkip(prompt); });
    ASSERT_NE(OpenPage(), nullptr);
    // Enter presses Install.
    ::SendMessageA(*Sheet(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(prompts.Seen(), 0); // the right CD is in the drive
    EXPECT_EQ(Recorded(), (std::vector<std::string>{FromCd(1), FromCd(2), FromCd(3), FromCd(4)}));
    EXPECT_TRUE(log.Contains("Drive is CDROM"));
    EXPECT_TRUE(log.Contains("Correct CD in the Drive"));
    ASSERT_NE(Sheet(), nullptr);
    EXPECT_EQ(Sheet()->GetActiveIndex(), 3);
    EXPECT_TRUE(::IsWindowEnabled(*Sheet()));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_SELLANG_APP1_LIST)));
    // Each application once per load: a second run starts nothing.
    installerLog.Write("");
    Sheet()->ShowPageNumber(kLanguagePage);
    Press(IDC_SELLANG_INSTALL);
    EXPECT_TRUE(Recorded().empty());
}

TEST_F(SelectLanguageTest, ApplicationOneMissingOnTheCdGoesAfterApplicationTwo) {
    TestOptions options{AppsModel({{"IDO_APP3", "0"}, {"IDO_APP4", "0"}})};
    EveryAppOnTheCd();
    cd.Clear();
    PutMarker();
    PutInstaller("APP2\\english\\setup.exe");
    PutInstaller("PRE\\app1.exe");
    Preload({"Program1=S:\\PRE\\app1.exe /preloaded"});
    g_bApp1Preloaded = 1;
    ASSERT_NE(OpenPage(), nullptr);
    Press(IDC_SELLANG_INSTALL);
    EXPECT_EQ(Recorded(), (std::vector<std::string>{FromCd(2), "S:\\PRE\\app1.exe /preloaded"}));
    EXPECT_TRUE(log.Contains("CheckApp1Existance() app1PresentOnCD1 =="));
}

TEST_F(SelectLanguageTest, TheJapaneseInterfaceNeverInstallsWhatIsNotForIt) {
    TestOptions options{AppsModel({{"IDO_APP1_JAPANESE", "0"}, {"IDO_APP3_JAPANESE", "0"}})};
    EveryAppOnTheCd();
    g_strUILanguage = "japanese";
    for (int n = 1; n <= 4; ++n)
        PutInstaller("APP" + std::to_string(n) + "\\japanese\\setup.exe");
    ASSERT_NE(OpenPage(), nullptr);
    Press(IDC_SELLANG_INSTALL);
    EXPECT_EQ(Recorded(), (std::vector<std::string>{FromCd(2, "japanese"), FromCd(4, "japanese")}));
}

TEST_F(SelectLanguageTest, WhatEachCallerInstallsWithoutAsking) {
    using Rule = SilentInstallRule;
    struct Case {
        Rule rule;
        const char* language;
        std::vector<int> installed;
    };
    const Case cases[] = {
        {Rule::SheetStart, "english", {1, 2, 3, 4}},
        {Rule::SheetStart, "japanese", {1, 2, 4}},
        {Rule::Page1, "english", {1, 2, 3, 4}},
        {Rule::Page1, "japanese", {1, 4}},
        {Rule::TwoCartridgePage, "english", {1, 2}},
        {Rule::PhotoCartridgePage, "japanese", {1, 2, 4}},
        {Rule::SingleCartridgePage, "english", {1, 2, 3, 4}},
        {Rule::SingleCartridgePage, "japanese", {1}},
    };
    TestOptions options{AppsModel({{"IDO_APP3_JAPANESE", "0"}})};
    ASSERT_EQ(Open(100), 1);
    MakeAvailable();
    for (const Case& test : cases) {
        g_strUILanguage = test.language;
        std::vector<int> installed;
        for (int n = 1; n <= 4; ++n)
            if (InstallsSilently(test.rule, n))
                installed.push_back(n);
        EXPECT_EQ(installed, test.installed) << static_cast<int>(test.rule) << test.language;
    }
    // Applications not on the CD nor preloaded are not installed; on a network connection only
    // a four-in-one model's application 1 is.
    g_strUILanguage = "english";
    g_bApp2Available = 0;
    EXPECT_FALSE(InstallsSilently(Rule::SheetStart, 2));
    Main()->m_PortInfo.dwPortType = 5;
    EXPECT_FALSE(InstallsSilently(Rule::SheetStart, 1));
    TestOptions fourInOne{AppsModel({{"IDO_FOURINONE", "1"}})};
    EXPECT_TRUE(InstallsSilently(Rule::SheetStart, 1));
    EXPECT_FALSE(InstallsSilently(Rule::SheetStart, 3));
}

TEST_F(SelectLanguageTest, TheSilentInstallationRunsTheInstallersInTheInterfacesLanguage) {
    TestOptions options{AppsModel({{"IDO_APP2", "0"}})};
    ASSERT_EQ(Open(100), 1);
    EveryAppOnTheCd();
    InstallAvailableAppsSilently(nullptr, SilentInstallRule::SheetStart);
    EXPECT_EQ(Recorded(), (std::vector<std::string>{FromCd(1), FromCd(3), FromCd(4)}));
}

TEST_F(SelectLanguageTest, AWrongCdIsAskedForAgainUntilTheRightOneIsIn) {
    TestOptions options{AppsModel({{"IDO_APP2", "0"}, {"IDO_APP3", "0"}, {"IDO_APP4", "0"}})};
    EveryAppOnTheCd();
    cd.Clear();
    PutInstaller("APP1\\english\\setup.exe"); // the programs, but not the printer's CD
    PromptDriver prompts([this](HWND prompt, int seen) {
        if (seen == 0) {
            DrawNow(prompt);
            Picture("cd_confirmation");
            PromptDriver::PressContinue(prompt);
        } else {
            PutMarker(); // the user puts the right CD in and presses Enter
            ::PostMessageA(prompt, WM_COMMAND, IDOK, 0);
        }
    });
    ASSERT_NE(OpenPage(), nullptr);
    Press(IDC_SELLANG_INSTALL);
    EXPECT_EQ(prompts.Seen(), 2);
    CString title;
    title.LoadString(IDS_CD_CONFIRMATION_TITLE);
    EXPECT_EQ(prompts.Titles().front(), title.c_str());
    EXPECT_TRUE(log.Contains("Incorrect CD in the Drive"));
    EXPECT_TRUE(log.Contains("Correct CD in the Drive"));
    EXPECT_EQ(Recorded(), std::vector<std::string>{FromCd(1)});
}

TEST_F(SelectLanguageTest, SkippingTheCdInstallsNothingFromItAndTheWizardGoesOn) {
    TestOptions options{AppsModel()};
    EveryAppOnTheCd();
    cd.Clear(); // no CD at hand; application 4 is preloaded
    Preload({"Program4=" + BinFolder() + "recording_installer.exe /preloaded"});
    PromptDriver prompts([](HWND prompt, int) { PromptDriver::PressSkip(prompt); });
    ASSERT_NE(OpenPage(), nullptr);
    Press(IDC_SELLANG_INSTALL);
    EXPECT_EQ(prompts.Seen(), 1);
    EXPECT_TRUE(log.Contains("Setup CD skipped: nothing is installed from it"));
    EXPECT_EQ(Recorded(),
              std::vector<std::string>{BinFolder() + "recording_installer.exe /preloaded"});
    ASSERT_NE(Sheet(), nullptr);
    EXPECT_EQ(Sheet()->GetActiveIndex(), 3);
}

TEST_F(SelectLanguageTest, ApplicationOneIsAskedForUntilItsInstallerIsOnTheCd) {
    TestOptions options{AppsModel({{"IDO_FORCE_INSTALL_APP1", "0"},
                                   {"IDO_APP2", "0"},
                                   {"IDO_APP3", "0"},
                                   {"IDO_APP4", "0"}})};
    ASSERT_EQ(Open(100), 1);
    PutMarker();
    PromptDriver prompts([this](HWND prompt, int seen) {
        if (seen == 1)
            PutInstaller("APP1\\english\\setup.exe");
        PromptDriver::PressContinue(prompt);
    });
    EXPECT_EQ(Installer().InstallApp(1), 1);
    EXPECT_EQ(prompts.Seen(), 2);
    CString title;
    title.LoadString(IDS_FAX_CONFIRMATION_TITLE);
    EXPECT_EQ(prompts.Titles().back(), title.c_str());
    EXPECT_EQ(Recorded(), std::vector<std::string>{FromCd(1)});
}

TEST_F(SelectLanguageTest, SkippingApplicationOnesPromptLeavesItUninstalled) {
    TestOptions options{AppsModel({{"IDO_FORCE_INSTALL_APP1", "0"}})};
    ASSERT_EQ(Open(100), 1);
    // The Skip button, and Escape.
    for (UINT command :
         {static_cast<UINT>(IDC_SETUP_CD_PROMPT_SKIP), static_cast<UINT>(IDCANCEL)}) {
        SCOPED_TRACE(command);
        PromptDriver prompts([command](HWND prompt, int) {
            ::PostMessageA(prompt, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        });
        EXPECT_EQ(Installer().InstallApp(1), 0);
        EXPECT_EQ(prompts.Seen(), 1);
        EXPECT_FALSE(IsAppInstalled(1));
    }
}

TEST_F(SelectLanguageTest, AFailedOrMissingInstallerLeavesItsApplicationToBeTriedAgain) {
    TestOptions options{
        AppsModel({{"IDO_APP1", "0"}, {"IDO_BUNDLED_APP2_NAME", "setup_fail.exe"}})};
    EveryAppOnTheCd();
    PutInstaller("APP2\\english\\setup_fail.exe");
    cd.AddFolder("APP3\\english"); // its installer is missing
    ::DeleteFileA(testing_support::SetupCd::Path("APP3\\english\\setup.exe").c_str());
    ASSERT_NE(OpenPage(), nullptr);
    Press(IDC_SELLANG_INSTALL);
    EXPECT_EQ(Recorded(),
              (std::vector<std::string>{"\"S:\\APP2\\english\\setup_fail.exe\" /s2", FromCd(4)}));
    EXPECT_FALSE(IsAppInstalled(2));
    EXPECT_FALSE(IsAppInstalled(3));
    EXPECT_TRUE(IsAppInstalled(4));
    EXPECT_EQ(CInstallRunning::Take(), 0); // no installer counts as running any more
    // The next try runs them again.
    installerLog.Write("");
    PutInstaller("APP3\\english\\setup.exe");
    EXPECT_EQ(Installer().InstallApp(3), 1);
    EXPECT_EQ(Installer().InstallApp(4), 0);
    EXPECT_EQ(Recorded(), std::vector<std::string>{FromCd(3)});
}

TEST_F(SelectLanguageTest, ApplicationOneDeclinedCountsAsDoneAndRunsNothing) {
    TestOptions options{AppsModel({{"IDO_FORCE_INSTALL_APP1", "0"}})};
    ASSERT_EQ(Open(100), 1);
    PutInstaller("APP1\\english\\setup.exe");
    AppChoices choices;
    choices[1].ticked = false;
    EXPECT_EQ(Installer(choices).InstallApp(1), 0);
    EXPECT_TRUE(IsAppInstalled(1));
    EXPECT_TRUE(Recorded().empty());
}

TEST_F(SelectLanguageTest, TheProgressWindowSaysWhichApplicationIsBeingInstalled) {
    struct Case {
        std::vector<std::string> preload;
        UINT defaultText; // 0: the preload's text
    };
    const Case cases[] = {{{}, IDS_INSTALL_APP3_PROGRESS},
                          {{"Progress3=Installing the album for you"}, 0}};
    testing_support::ScopedEnvironment release("VQTR_INSTALLER_RELEASE", ProgressWatcher::kEvent);
    TestOptions options{AppsModel({{"IDO_BUNDLED_APP3_NAME", "setup_wait.exe"},
                                   {"IDO_PRELOAD_KEY_PROGRAM3PROGRESSSTRING", "Progress3"}})};
    ASSERT_EQ(Open(100), 1);
    PutInstaller("APP3\\english\\setup_wait.exe");
    for (const Case& test : cases) {
        ForgetAppInstallations();
        Preload(test.preload);
        ProgressWatcher watcher;
        if (test.defaultText)
            watcher.OnShown([](HWND progress) {
                DrawNow(progress);
                Picture("install_app");
            });
        EXPECT_EQ(Installer().InstallApp(3), 1);
        CString expected = test.defaultText ? CQorWizardPage::LoadText(test.defaultText)
                                            : CString("Installing the album for you");
        EXPECT_EQ(watcher.Text(), expected.c_str());
        EXPECT_EQ(CInstallRunning::Take(), 0);
    }
}

class LanguageIdRegistryTest : public AppsTest {
protected:
    ~LanguageIdRegistryTest() override { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kRoot); }
    static std::string Value(const char* key) {
        char value[32] = {};
        DWORD size = sizeof value;
        const std::string path = std::string(kRoot) + "\\" + key + "\\Q710\\Install";
        if (::RegGetValueA(HKEY_LOCAL_MACHINE, path.c_str(), "APPLICATIONS", RRF_RT_REG_SZ, nullptr,
                           value, &size) != ERROR_SUCCESS)
            return "(none)";
        return value;
    }
    static constexpr const char* kRoot = "SOFTWARE\\VqtrLanguageTest";
};

TEST_F(LanguageIdRegistryTest, TheInterfacesLanguageIdGoesUnderBothKeysOrNowhere) {
    const std::string tooLong(300, 'x');
    struct Case {
        const char* language;
        std::string secondKey;
        const char* expected;
    };
    const Case cases[] = {
        {"german", "Inkjet32", "1031"},
        {"", "Inkjet32", "1033"}, // not read yet: the resource module's
        {"klingon", "Inkjet32", "(none)"},
        {"french", tooLong, "(none)"}, // the second key cannot be made: the first stays empty
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.language);
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kRoot);
        TestOptions options{{{"IDO_REG_OEM_INKJET", std::string(kRoot) + "\\Inkjet"},
                             {"IDO_REG_OEM_INKJET32", std::string(kRoot) + "\\" + test.secondKey},
                             {"IDO_PRODUCT_PREFIX", "Q710"},
                             {"IDO_REG_INSTALL_KEYNAME", "Install"}}};
        if (!Main()) {
            ASSERT_EQ(Open(100), 1);
        }
        g_strUILanguage = test.language;
        WriteLangIDToRegistry(Main()->m_Product);
        EXPECT_EQ(Value("Inkjet"), test.expected);
        if (test.secondKey != tooLong) {
            EXPECT_EQ(Value("Inkjet32"), test.expected);
        }
    }
}

TEST_F(SelectLanguageTest, TheHostClosingTheModuleDuringAnInstallerStopsTheInstallation) {
    testing_support::ScopedEnvironment release("VQTR_INSTALLER_RELEASE", ProgressWatcher::kEvent);
    TestOptions options{AppsModel({{"IDO_BUNDLED_APP2_NAME", "setup_wait.exe"}})};
    EveryAppOnTheCd();
    PutInstaller("APP2\\english\\setup_wait.exe");
    ASSERT_NE(OpenPage(), nullptr);
    ProgressWatcher watcher;
    watcher.OnShown([](HWND) { EntryTerminateNow(); });
    Press(IDC_SELLANG_INSTALL);
    // Nothing more ran once the module was closed, and nothing of it was touched.
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(Recorded(),
              (std::vector<std::string>{FromCd(1), "\"S:\\APP2\\english\\setup_wait.exe\" /s2"}));
    EXPECT_FALSE(IsAppInstalled(2));
}

// Topic 411's prompt runs modal in the host's call; a host that closes the module from inside
// it (here while the prompt is up) ends its loop, and the module is not touched afterwards.
TEST_F(SelectLanguageTest, AHostThatClosesTheModuleEndsTopic411sPrompt) {
    TestOptions options{AppsModel()};
    LeaveModuleState();
    for (bool withWindow : {false, true}) {
        SCOPED_TRACE(withWindow);
        if (withWindow) {
            ASSERT_EQ(Open(100), 1);
        }
        bool closed = false;
        PromptDriver prompts([&closed](HWND prompt, int) {
            EntryTerminateNow();
            closed = !::IsWindow(prompt);
        });
        host.requests.clear();
        const int result = withWindow ? EntryDisplayTopic(411, &host.status) : Open(411);
        EXPECT_EQ(result, 1);
        EXPECT_EQ(prompts.Seen(), 1);
        EXPECT_TRUE(closed);
        EXPECT_EQ(Main(), nullptr);
        EXPECT_EQ(host.Count(CBNotifyQORClosed), 0);
    }
}
