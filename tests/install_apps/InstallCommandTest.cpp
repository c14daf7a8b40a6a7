// The installers' command lines: as text, and as the recording installer on the setup CD sees
// them when each routine starts it.
#include "AppsFixture.h"
#include "install/InstallCommands.h"

TEST(InstallCommands, EachFormWithTheInstallerQuoted) {
    const InstallerPlace plain{"S:\\", "APPS\\", "setup.exe", " /s"};
    const InstallerPlace blank{"D:\\My CD\\", "APPS\\", "setup.exe", " /s"};
    const InstallerPlace ocr{"S:\\", "OCR\\", "ocr.exe", ""};
    const std::pair<CString, std::string> cases[] = {
        {LanguageFolderCommand(plain, "german"), "\"S:\\APPS\\german\\setup.exe\" /s"},
        {LanguageFolderCommand(plain, ""), "\"S:\\APPS\\setup.exe\" /s"},
        // A blank in the root is part of the installer's path, not the start of its arguments.
        {LanguageFolderCommand(blank, "german"), "\"D:\\My CD\\APPS\\german\\setup.exe\" /s"},
        {LanguageIdCommand(plain, "1031"), "\"S:\\APPS\\setup.exe\" /s1031 /z-s"},
        {LanguageIdCommand(plain, ""), "\"S:\\APPS\\setup.exe\" /s /z-s"},
        {OcrCommand(ocr, {"2070", "13"}),
         "\"S:\\OCR\\ocr.exe\" \"S:\\OCR\\\\\" \"/qn TRANSFORMS=2070.mst ABBYYUILANG=13 "
         "INSTALLLEVEL=100\""},
        {ChineseOcrCommand({"S:\\", "OCR\\", "ocrchs.exe", " /chs"}, "CHS"),
         "\"S:\\OCR\\CHS\\ocrchs.exe\" /chs"},
    };
    for (const auto& [command, expected] : cases)
        EXPECT_EQ(command.str(), expected);
}

using InstallCommandTest = AppsTest;

// One routine run by the installer: the model, where the installer lies on the CD, the user's
// language choice and what the installer is started with.
struct RoutineCase {
    const char* name;
    Options options;
    int app;
    const char* installerAt;
    UINT chosen; // a display name; 0: nothing chosen
    const char* uiLanguage;
    bool app2LanguageFound;
    const char* expected;
};

TEST_F(InstallCommandTest, EveryRoutineStartsItsInstallerWithItsCommandLine) {
    const RoutineCase cases[] = {
        {"simple, in the language folder",
         {},
         3,
         "APP3\\english\\setup.exe",
         0,
         "english",
         false,
         "\"S:\\APP3\\english\\setup.exe\" /s3"},
        {"simple, in the folder chosen",
         {},
         4,
         "APP4\\french\\setup.exe",
         IDS_LANGUAGE_DISPLAY_FRENCH,
         "english",
         false,
         "\"S:\\APP4\\french\\setup.exe\" /s4"},
        {"simple, in the root",
         {{"IDO_APP3_IN_ROOT", "1"}},
         3,
         "APP3\\setup.exe",
         0,
         "english",
         false,
         "\"S:\\APP3\\setup.exe\" /s3"},
        {"application 1, forced",
         {},
         1,
         "APP1\\german\\setup.exe",
         IDS_LANGUAGE_DISPLAY_GERMAN,
         "english",
         false,
         "\"S:\\APP1\\german\\setup.exe\" /s1"},
        {"application 1, looked for on the CD",
         {{"IDO_FORCE_INSTALL_APP1", "0"}},
         1,
         "APP1\\english\\setup.exe",
         0,
         "english",
         false,
         "\"S:\\APP1\\english\\setup.exe\" /s1"},
        {"application 1 for all-in-one models",
         {{"IDO_BUNDLED_APP1_SPECIALPARAMS", "1"}, {"IDO_AIO_FAMILY", "1"}},
         1,
         "APP1\\setup.exe",
         IDS_LANGUAGE_DISPLAY_DUTCH,
         "english",
         false,
         "\"S:\\APP1\\setup.exe\" /s11043 /z-s"},
        {"application 1 for printers",
         {{"IDO_BUNDLED_APP1_SPECIALPARAMS", "1"}},
         1,
         "APP1\\italian\\setup.exe",
         IDS_LANGUAGE_DISPLAY_ITALIAN,
         "english",
         false,
         "\"S:\\APP1\\italian\\setup.exe\" /s1"},
        {"application 2 for printers, Brazilian",
         {{"IDO_BUNDLED_APP2_SPECIALPARAMS", "1"}},
         2,
         "APP2\\setup.exe",
         IDS_LANGUAGE_DISPLAY_BRAZILIAN,
         "english",
         false,
         "\"S:\\APP2\\setup.exe\" /s21046 /z-s"},
        {"application 3 for all-in-one models",
         {{"IDO_BUNDLED_APP3_SPECIALPARAMS", "1"}, {"IDO_AIO_FAMILY", "1"}},
         3,
         "APP3\\english\\setup.exe",
         0,
         "english",
         false,
         "\"S:\\APP3\\english\\setup.exe\" /s3"},
        {"text recognition, the language chosen",
         {{"IDO_BUNDLED_APP2_SPECIALPARAMS", "1"}, {"IDO_AIO_FAMILY", "1"}},
         2,
         "APP2\\setup.exe",
         IDS_LANGUAGE_DISPLAY_BRAZILIAN,
         "english",
         false,
         "\"S:\\APP2\\setup.exe\" \"S:\\APP2\\\\\" \"/qn TRANSFORMS=2070.mst ABBYYUILANG=13 "
         "INSTALLLEVEL=100\""},
        {"text recognition, the interface's language",
         {{"IDO_BUNDLED_APP2_SPECIALPARAMS", "1"}, {"IDO_AIO_FAMILY", "1"}},
         2,
         "APP2\\setup.exe",
         IDS_LANGUAGE_DISPLAY_FRENCH,
         "german",
         true,
         "\"S:\\APP2\\setup.exe\" \"S:\\APP2\\\\\" \"/qn TRANSFORMS=1031.mst ABBYYUILANG=2 "
         "INSTALLLEVEL=100\""},
        {"text recognition, a Chinese interface",
         {{"IDO_BUNDLED_APP2_SPECIALPARAMS", "1"},
          {"IDO_AIO_FAMILY", "1"},
          {"IDO_BUNDLED_APP2_DIRECTORY_FOR_CHINESE", "CHS"},
          {"IDO_BUNDLED_APP2_NAME_FOR_CHINESE", "ocrchs.exe"},
          {"IDO_BUNDLED_APP2_PARAMETER_FOR_CHINESE", "\" /chs\""}},
         2,
         "APP2\\CHS\\ocrchs.exe",
         0,
         "ChineseTraditional",
         true,
         "\"S:\\APP2\\CHS\\ocrchs.exe\" /chs"},
    };
    for (const RoutineCase& test : cases) {
        SCOPED_TRACE(test.name);
        TestOptions options{AppsModel(test.options)};
        if (!Main()) {
            ASSERT_EQ(Open(100), 1);
        }
        ResetModuleState();
        g_strUILanguage = test.uiLanguage;
        g_bApp2LanguageFound = test.app2LanguageFound;
        cd.Clear();
        installerLog.Write("");
        PutInstaller(test.installerAt);
        AppChoices choices;
        choices[static_cast<size_t>(test.app)].display = test.chosen;
        EXPECT_EQ(Installer(choices).InstallApp(test.app), 1);
        EXPECT_EQ(Recorded(), std::vector<std::string>{test.expected});
        EXPECT_TRUE(IsAppInstalled(test.app));
    }
}

TEST_F(InstallCommandTest, APreloadedApplicationRunsThePreloadFilesCommandAsItStands) {
    TestOptions options{AppsModel()};
    ASSERT_EQ(Open(100), 1);
    PutInstaller("PRELOAD\\setup4.exe");
    Preload({"Program4=S:\\PRELOAD\\setup4.exe /quiet"});
    EXPECT_EQ(Installer().InstallApp(4), 1);
    EXPECT_EQ(Recorded(), std::vector<std::string>{"S:\\PRELOAD\\setup4.exe /quiet"});
    EXPECT_TRUE(log.Contains("InstallApp4Simple() 1"));
}

TEST_F(InstallCommandTest, TheRoutinesThatDoNotExistRunNothing) {
    const std::pair<Options, const char*> cases[] = {
        {{{"IDO_BUNDLED_APP3_SPECIALPARAMS", "1"}}, "CSelectLanguage::InstallApp3SpecialPrinter()"},
        {{{"IDO_BUNDLED_APP4_SPECIALPARAMS", "1"}, {"IDO_AIO_FAMILY", "1"}},
         "CSelectLanguage::InstallApp4SpecialAIO()"},
        {{{"IDO_BUNDLED_APP4_SPECIALPARAMS", "1"}}, "CSelectLanguage::InstallApp4SpecialPrinter()"},
    };
    PutInstaller("APP3\\english\\setup.exe");
    PutInstaller("APP4\\english\\setup.exe");
    for (const auto& [changes, routine] : cases) {
        SCOPED_TRACE(routine);
        TestOptions options{AppsModel(changes)};
        if (!Main()) {
            ASSERT_EQ(Open(100), 1);
        }
        const int app = routine[27] - '0';
        EXPECT_EQ(Installer().InstallApp(app), 0);
        EXPECT_TRUE(log.HasSequence({routine, "!!!!!!Function not implemented!!!!!!!"}));
        EXPECT_FALSE(IsAppInstalled(app));
    }
    EXPECT_TRUE(Recorded().empty());
}
