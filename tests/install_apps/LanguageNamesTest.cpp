// The language tables: folder and display names, the way back from a list entry to its folder,
// the Windows language ids and the text recognition installer's own numbers.
#include "AppsFixture.h"
#include "install/LanguageNames.h"

#include <set>

namespace {
struct IdCase {
    UINT from;
    bool variant;
    UINT to;
};

std::string Name(UINT id) {
    return LanguageName(id).c_str();
}
} // namespace

TEST(LanguageTables, EveryPairLeadsToItsDisplayNameAndBack) {
    std::set<UINT> folders, displays;
    for (const LanguagePair& pair : LanguagePairs()) {
        SCOPED_TRACE(pair.folder);
        EXPECT_TRUE(folders.insert(pair.folder).second);
        EXPECT_TRUE(displays.insert(pair.display).second);
        EXPECT_EQ(DisplayForFolder(pair.folder, false), pair.display);
        EXPECT_EQ(FolderForDisplay(pair.display, false), pair.folder);
    }
    EXPECT_EQ(folders.size(), 28u);
}

TEST(LanguageTables, TheVariantFlagChangesPortugueseAndTheChineseNames) {
    const IdCase forward[] = {
        {IDS_LANGUAGE_FOLDER_PORTUGUESE, false, IDS_LANGUAGE_DISPLAY_PORTUGUESE},
        {IDS_LANGUAGE_FOLDER_PORTUGUESE, true, IDS_LANGUAGE_DISPLAY_BRAZILIAN},
        {IDS_LANGUAGE_FOLDER_ENGLISH, true, IDS_LANGUAGE_DISPLAY_ENGLISH},
        {IDS_LANGUAGE_FOLDER_CHINESE, false, 0}, // the shared folder has no entry of its own
        {IDS_LANGUAGE_FOLDER_TURKISH, false, 0},
        {12345, false, 0},
    };
    for (const IdCase& test : forward)
        EXPECT_EQ(DisplayForFolder(test.from, test.variant), test.to) << test.from;
    const IdCase back[] = {
        {IDS_LANGUAGE_DISPLAY_CHINESE_TRADITIONAL, true, IDS_LANGUAGE_FOLDER_CHINESE},
        {IDS_LANGUAGE_DISPLAY_CHINESE_TRADITIONAL, false, IDS_LANGUAGE_FOLDER_CHINESE_TRADITIONAL},
        {IDS_LANGUAGE_DISPLAY_CHINESE_SIMPLIFIED, true, IDS_LANGUAGE_FOLDER_CHINESE},
        {IDS_LANGUAGE_DISPLAY_CHINESE_SIMPLIFIED, false, IDS_LANGUAGE_FOLDER_CHINESE_SIMPLIFIED},
        {IDS_LANGUAGE_DISPLAY_BRAZILIAN, true, IDS_LANGUAGE_FOLDER_PORTUGUESE},
        {IDS_LANGUAGE_DISPLAY_BRAZILIAN, false, IDS_LANGUAGE_FOLDER_BRAZILIAN},
        {IDS_LANGUAGE_DISPLAY_GERMAN, true, IDS_LANGUAGE_FOLDER_GERMAN},
        {0, true, 0},
    };
    for (const IdCase& test : back)
        EXPECT_EQ(FolderForDisplay(test.from, test.variant), test.to) << test.from;
}

TEST(LanguageTables, WindowsLanguageIdsOfEveryFolder) {
    const std::pair<UINT, std::string> expected[] = {
        {10015, "1033"},
        {10018, "1029"},
        {10016, "1043"},
        {10013, "1036"},
        {10012, "1031"},
        {10009, "1038"},
        {10008, "1040"},
        {10005, "1045"},
        {10002, "1034"},
        {10051, "1026"},
        {10004, "1046"},
        {10053, "1051"},
        {10054, "1058"},
        {10003, "1049"},
        {10001, "1053"},
        {10006, "1044"},
        {10017, "1030"},
        {10019, "1028"},
        {10020, "2052"},
        {10045, "1049"},
        {10052, "1046"},
        {10056, "1042"},
        {10057, "3084"},
        {10007, "1041"},
        {10014, "1035"},
        {10011, "1032"},
        {10021, "1025"},
        {10032, "1037"},
        {10065, "1055"},
        // No row: no id, and nothing for it on a command line.
        {10055, ""},
        {10036, ""},
        {0, ""}};
    for (const auto& [folder, id] : expected)
        EXPECT_EQ(WindowsLanguageId(folder), id) << folder;
}

TEST(LanguageTables, TheTextRecognitionInstallerKnowsFourteenLanguages) {
    const std::tuple<UINT, std::string, std::string> expected[] = {
        {10015, "1033", "0"},  {10018, "1029", "16"}, {10016, "1043", "7"},
        {10013, "1036", "3"},  {10012, "1031", "2"},  {10009, "1038", "17"},
        {10008, "1040", "6"},  {10005, "1045", "15"}, {10002, "1034", "5"},
        {10051, "1026", "23"}, {10004, "2070", "13"}, {10053, "1051", "14"},
        {10054, "1058", "4"},  {10003, "1049", "1"},  {10001, "", ""},
        {10007, "", ""},       {10045, "", ""},       {0, "", ""}};
    for (const auto& [folder, id, number] : expected) {
        const OcrLanguage language = OcrLanguageFor(folder);
        EXPECT_EQ(language.languageId, id) << folder;
        EXPECT_EQ(language.interfaceNumber, number) << folder;
    }
}

TEST(LanguageTables, TheTopicListShowsEveryDisplayNameOnce) {
    const std::vector<UINT> expected = {10041, 10040, 10039, 10038, 10037, 10035, 10034, 10033,
                                        10030, 10029, 10027, 10026, 10025, 10024, 10023, 10022,
                                        10036, 10059, 10060, 10058, 10050, 10049, 10048, 10047};
    const auto order = TopicListDisplayOrder();
    EXPECT_EQ(std::vector<UINT>(order.begin(), order.end()), expected);
}

using LanguageNamesTest = AppsTest;

TEST_F(LanguageNamesTest, EveryNameIsThereAndAFolderIsFoundByItsNameInAnyCase) {
    ASSERT_EQ(Open(100), 1); // the names come from the resource module
    std::set<std::string> names;
    for (const LanguagePair& pair : LanguagePairs()) {
        EXPECT_FALSE(Name(pair.display).empty()) << pair.display;
        EXPECT_TRUE(names.insert(Name(pair.folder)).second) << pair.folder;
        EXPECT_EQ(FolderIdOfName(Name(pair.folder).c_str()), pair.folder);
    }
    // The interface's own language name is a folder name.
    CString ui;
    ui.LoadString(IDS_LANGUAGE_NAME);
    EXPECT_EQ(FolderIdOfName(ui), static_cast<UINT>(IDS_LANGUAGE_FOLDER_ENGLISH));
    EXPECT_EQ(FolderIdOfName("ENGLISH"), static_cast<UINT>(IDS_LANGUAGE_FOLDER_ENGLISH));
    EXPECT_EQ(FolderIdOfName("chinese"), static_cast<UINT>(IDS_LANGUAGE_FOLDER_CHINESE));
    EXPECT_EQ(FolderIdOfName("klingon"), 0u);
    EXPECT_EQ(FolderIdOfName(""), 0u);
}
