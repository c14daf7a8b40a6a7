// The sheet's services: the setup CD found on drive S:, and shortcuts read back through the
// shell's link object.
#include "InstallWizardFixture.h"
#include "SetupCd.h"
#include "main/PrinterHelpers.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <objbase.h>
#include <shlobj.h>

using testing_support::SetupCd;

class SetupCdSearchTest : public InstallWizardTest {
protected:
    SetupCdSearchTest() { EXPECT_EQ(Open(100), 1); }
    SetupCd cd;
};

TEST_F(SetupCdSearchTest, TheDiscWithTheMarkerIsTheSetupCd) {
    cd.AddFile("vqtrcomp.inf");
    EXPECT_TRUE(CInstallBackendWizardSheet::FindSetupCD("vqtrcomp.inf"));
    EXPECT_STREQ(g_szCDRoot, "S:\\");
}

TEST_F(SetupCdSearchTest, AnotherDiscLeavesNoSetupCd) {
    cd.AddFile("other.inf");
    EXPECT_FALSE(CInstallBackendWizardSheet::FindSetupCD("vqtrcomp.inf"));
    EXPECT_STREQ(g_szCDRoot, "");
}

TEST_F(SetupCdSearchTest, TheFloppyDrivesAreNeverSearched) {
    cd.AddFile("vqtrcomp.inf");
    CInstallBackendWizardSheet::FindSetupCD("vqtrcomp.inf");
    for (const std::string& line : log.Lines()) {
        EXPECT_EQ(line.find("A:\\"), std::string::npos) << line;
        EXPECT_EQ(line.find("B:\\"), std::string::npos) << line;
    }
}

TEST_F(SetupCdSearchTest, AFileIsFoundOnTheDriveThatHoldsIt) {
    cd.AddFile("pubs\\english\\guide.chm");
    EXPECT_EQ(
        std::string(CInstallBackendWizardSheet::FindDriveWithFile("pubs\\english\\guide.chm")),
        "S:\\");
    EXPECT_EQ(std::string(CInstallBackendWizardSheet::FindDriveWithFile("pubs\\none.chm")), "");
}

// A shortcut's fields as the shell reads them back.
struct LinkFields {
    std::string target, arguments, folder, icon;
    int iconIndex = -1;
};

LinkFields ReadLink(const std::string& path) {
    LinkFields fields;
    ::CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IShellLinkA, reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            std::wstring wide(path.begin(), path.end());
            if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
                char text[MAX_PATH] = {};
                link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
                fields.target = text;
                link->GetArguments(text, MAX_PATH);
                fields.arguments = text;
                link->GetWorkingDirectory(text, MAX_PATH);
                fields.folder = text;
                link->GetIconLocation(text, MAX_PATH, &fields.iconIndex);
                fields.icon = text;
            }
            file->Release();
        }
        link->Release();
    }
    ::CoUninitialize();
    return fields;
}

class ShortcutTest : public ::testing::Test {
protected:
    ~ShortcutTest() override {
        for (const std::string& path : made)
            ::DeleteFileA(path.c_str());
    }
    std::string Made(const char* name) {
        made.push_back(std::string(LinkFileName(DesktopFolder(), name)));
        return made.back();
    }
    std::vector<std::string> made;
};

TEST_F(ShortcutTest, AShortcutCarriesItsTargetArgumentsFolderAndIcon) {
    const std::string path = Made("Vqtr Test Shortcut");
    ASSERT_TRUE(SUCCEEDED(
        CreateDesktopShortcut("C:\\windows\\system32\\notepad.exe", "/A /B", "Vqtr Test Shortcut",
                              "C:\\windows\\system32\\shell32.dll", 3, TRUE, FALSE)));
    const LinkFields fields = ReadLink(path);
    EXPECT_STRCASEEQ(fields.target.c_str(), "C:\\windows\\system32\\notepad.exe");
    EXPECT_EQ(fields.arguments, "/A /B");
    EXPECT_STRCASEEQ(fields.folder.c_str(), "C:\\windows\\system32");
    EXPECT_STRCASEEQ(fields.icon.c_str(), "C:\\windows\\system32\\shell32.dll");
    EXPECT_EQ(fields.iconIndex, 3);
}

TEST_F(ShortcutTest, ANameEndingInLnkGetsNoSecondExtension) {
    const std::string path = Made("Vqtr Test Named.lnk");
    ASSERT_TRUE(SUCCEEDED(CreateDesktopShortcut("C:\\windows\\notepad.exe", "",
                                                "Vqtr Test Named.lnk", "", 0, FALSE, FALSE)));
    EXPECT_NE(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(::GetFileAttributesA((path + ".lnk").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(ReadLink(path).icon.empty());
}

// The user guides the wizard puts in place: the printer's guide from the CD's folder of the
// interface language into the driver's folder, and the model's own guide from the CD or from
// where the preload file says.
class UserGuideTest : public InstallWizardTest {
protected:
    UserGuideTest() {
        EXPECT_EQ(Open(100), 1);
        g_strUILanguage = "english";
        char system[MAX_PATH] = {};
        ::GetSystemDirectoryA(system, MAX_PATH);
        printerGuide = std::string(system) + "\\spool\\drivers\\x64\\3\\vqtrug_test.chm";
        ownGuide = std::string(CInstallBackendWizardSheet::OwnUserGuidePath());
        ::DeleteFileA(printerGuide.c_str());
        ::DeleteFileA(ownGuide.c_str());
    }
    ~UserGuideTest() override {
        ::DeleteFileA(printerGuide.c_str());
        ::DeleteFileA(ownGuide.c_str());
        g_szCDRoot[0] = '\0';
    }
    static std::string Contents(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    TestOptions guideModel{InstallModelWith({
        {"IDO_USERGUIDE_NAME_XP", "vqtrug_test.chm"},
        {"IDO_USERGUIDE_NAME_9X2K", "vqtrug_test.chm"},
        {"IDO_QOR_EXECUTABLENAME_PATH", "spool\\drivers\\x64\\3\\"},
        {"IDO_OWN_USERGUIDE_DIRNAME", "Corvane\\Test Guide"},
        {"IDO_OWN_USERGUIDE_NAME", "own_guide_test.chm"},
        {"IDO_PRELOAD_USER_GUIDE_KEY_NAME", "UserGuide"},
        {"IDO_NULLSTRING", "NULL"},
    })};
    SetupCd cd;
    std::string printerGuide;
    std::string ownGuide;
};

TEST_F(UserGuideTest, ThePrinterGuideComesFromTheCdAndAGuideInPlaceIsKept) {
    cd.AddFile("pubs\\english\\vqtrug_test.chm", "guide from the CD");
    CInstallBackendWizardSheet::CopyPubFiles();
    EXPECT_EQ(Contents(printerGuide), "guide from the CD");
    cd.AddFile("pubs\\english\\vqtrug_test.chm", "a newer CD");
    CInstallBackendWizardSheet::CopyPubFiles();
    EXPECT_EQ(Contents(printerGuide), "guide from the CD");
}

TEST_F(UserGuideTest, TheModelsOwnGuideComesFromThePreloadFileOrTheCd) {
    const std::string preloaded = printerGuide + ".preloaded";
    testing_support::TempFile preloadedGuide(preloaded, "guide of the computer maker");
    struct Case {
        const char* preload; // the UserGuide value; null: no preload file
        const char* copied;  // the guide's text afterwards; null: none
    };
    const std::string preloadLine = "UserGuide=" + preloaded + "\n";
    const Case cases[] = {
        {nullptr, "guide from the CD"}, {preloadLine.c_str(), "guide of the computer maker"},
        {"UserGuide=0\n", nullptr},     {"UserGuide=Default\n", nullptr},
        {"UserGuide=NULL\n", nullptr},
    };
    cd.AddFile("pubs\\english\\vqtrug_test.chm", "guide from the CD");
    std::strcpy(g_szCDRoot, "S:\\");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.preload ? c.preload : "no preload file");
        ::DeleteFileA(ownGuide.c_str());
        if (c.preload)
            Preload(c.preload);
        else
            preload.reset();
        CInstallBackendWizardSheet::InstallOwnUserGuide();
        if (c.copied)
            EXPECT_EQ(Contents(ownGuide), c.copied);
        else
            EXPECT_FALSE(Exists(ownGuide));
    }
}
