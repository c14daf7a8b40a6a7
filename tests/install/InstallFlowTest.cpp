// The post-install wizard's decisions, without a window: its pages, where topics open it, the
// alignment file, the preload answers, the application skip rule and the values it writes.
#include "install/DesktopShortcut.h"
#include "install/InstallFlow.h"
#include "status/AlignmentPlan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using P = InstallPage;

INKINFO Carrier(DWORD type, DWORD left = QOR_CART_COLOR, DWORD right = QOR_CART_BLACK) {
    INKINFO ink{};
    ink.dwCarrierType = type;
    ink.LogCartID1 = left;
    ink.LogCartID2 = right;
    return ink;
}
} // namespace

TEST(InstallFlowTest, TheSheetHoldsPage1TheMiddlePageTheLanguagePageAndTheClosingPages) {
    const std::vector<P> closing{P::Page4, P::Page5, P::AreYouSure, P::Page3};
    struct Case {
        const char* name;
        InstallPlanInput input;
        std::vector<P> pages;
    };
    const Case cases[] = {
        {"set B without the language page",
         {false, false, false, false, Carrier(1)},
         {P::Page1, P::Page2, P::Page4, P::Page5, P::AreYouSure, P::Page3}},
        {"set B with the language page",
         {false, false, false, true, Carrier(1)},
         {P::Page1, P::Page2, P::SelectLanguage, P::Page4, P::Page5, P::AreYouSure, P::Page3}},
        {"topic page mode always has it",
         {true, false, false, false, Carrier(2)},
         {P::Page1, P::CartPage2, P::SelectLanguage, P::Page4, P::Page5, P::AreYouSure, P::Page3}},
        {"two steps end on the closing page",
         {false, false, true, true, Carrier(3)},
         {P::Page1, P::SingleCartPage2, P::SelectLanguage, P::Congrats}},
        {"automatic alignment whatever the carrier",
         {false, true, false, false, Carrier(9)},
         {P::Page1, P::AutoAlignPage2, P::Page4, P::Page5, P::AreYouSure, P::Page3}},
        {"an unknown carrier has no middle page", {true, false, false, true, Carrier(0)}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlanInstallSheet(c.input), c.pages);
    }
}

TEST(InstallFlowTest, TheMiddlePageFollowsTheCarrierAndItsCartridges) {
    struct Case {
        INKINFO ink;
        std::optional<P> page;
    };
    const Case cases[] = {
        {Carrier(QOR_CARRIER_INK_TANKS), P::Page2},
        {Carrier(QOR_CARRIER_DUAL), P::CartPage2},
        {Carrier(QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_PHOTO), P::PhotoCartPage2},
        // The other photo cartridge prints the photo alignment page too.
        {Carrier(QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_PHOTO_127), P::PhotoCartPage2},
        {Carrier(QOR_CARRIER_DUAL, QOR_CART_PHOTO, QOR_CART_MISSING), P::SingleCartPage2},
        {Carrier(QOR_CARRIER_DUAL, QOR_CART_MISSING, QOR_CART_BLACK), P::SingleCartPage2},
        {Carrier(QOR_CARRIER_SINGLE), P::SingleCartPage2},
        {Carrier(4), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ink.dwCarrierType * 1000 + c.ink.LogCartID2);
        EXPECT_EQ(MiddlePageOf(false, c.ink), c.page);
    }
}

TEST(InstallFlowTest, TopicsOpenTheirPageByWhatItIs) {
    const std::pair<int, std::optional<P>> cases[] = {
        {410, P::SelectLanguage}, {412, P::Page3}, {413, P::Page4},     {414, P::AreYouSure},
        {415, P::Page5},          {416, P::Page2}, {411, std::nullopt}, {400, std::nullopt},
    };
    for (const auto& [topic, page] : cases) {
        SCOPED_TRACE(topic);
        EXPECT_EQ(TopicPageOf(topic, P::Page2), page);
        EXPECT_EQ(IsTopicPageTopic(topic), page.has_value());
    }
}

TEST(InstallFlowTest, TheLanguagePageIsLeftOutWhenEveryDialogIsSkippedOrOnRemotePorts) {
    EXPECT_FALSE(LanguagePageWanted(true, true, 2));
    EXPECT_TRUE(LanguagePageWanted(false, false, 2));
    for (DWORD port : {4u, 5u, 6u, 7u, 10u}) {
        SCOPED_TRACE(port);
        EXPECT_FALSE(LanguagePageWanted(false, false, port));
        EXPECT_TRUE(LanguagePageWanted(false, true, port));
    }
}

TEST(InstallFlowTest, ContinueSendsTheAlignmentFileOfTheCartridges) {
    struct Case {
        bool automatic;
        INKINFO ink;
        const char* file;
    };
    const Case cases[] = {
        {true, Carrier(2), "vqtraual.out"},
        {true, Carrier(2, QOR_CART_COLOR, QOR_CART_PHOTO), "vqtrphau.out"},
        {true, Carrier(2, QOR_CART_MISSING, QOR_CART_BLACK), "vqtrkau.out"},
        {true, Carrier(3, QOR_CART_COLOR, QOR_CART_MISSING), "vqtrcau.out"},
        {false, Carrier(1), "vqtralbi.out"},
        {false, Carrier(2), "vqtralgn.out"},
        {false, Carrier(2, QOR_CART_COLOR, QOR_CART_PHOTO), "vqtrphal.out"},
        {false, Carrier(2, QOR_CART_MISSING, QOR_CART_BLACK), "vqtrkaln.out"},
        {false, Carrier(2, QOR_CART_COLOR, QOR_CART_MISSING), "vqtrcaln.out"},
        {false, Carrier(3, QOR_CART_BLACK, QOR_CART_MISSING), "vqtrkaln.out"},
        {false, Carrier(3, QOR_CART_COLOR, QOR_CART_MISSING), "vqtrcaln.out"},
        {false, Carrier(3, QOR_CART_PHOTO, QOR_CART_MISSING), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.automatic) + " " + std::to_string(c.ink.dwCarrierType) + " " +
                     std::to_string(c.ink.LogCartID1) + "/" + std::to_string(c.ink.LogCartID2));
        const InstallAlignmentJob job = InstallAlignmentJobOf(c.automatic, c.ink);
        EXPECT_EQ(std::string(job.file ? job.file : "(none)"), c.file ? c.file : "(none)");
        EXPECT_EQ(*job.logTag != '\0', c.automatic);
    }
}

TEST(InstallFlowTest, PreloadAnswersTickRefuseOrLeaveTheChoice) {
    struct Case {
        const char* value;
        bool ticks;      // a box that starts from the value (others keep false)
        bool keepsOther; // the value leaves the box as it was
        bool refuses;    // the value stops an action that runs by default
    };
    const Case cases[] = {
        {"", true, false, false},  {"Default", true, false, false}, {"1", true, false, false},
        {"0", false, false, true}, {"yes", false, true, true},      {"default", false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(PreloadTicks(c.value, false), c.ticks);
        EXPECT_EQ(PreloadTicks(c.value, true), c.ticks || c.keepsOther);
        EXPECT_EQ(PreloadRefuses(c.value), c.refuses);
    }
}

TEST(InstallFlowTest, AnApplicationDialogIsSkippedWhenThereIsNothingToAsk) {
    const AppSkipContext english{false, true, false};
    const AppSkipContext japanese{true, true, false};
    const AppSkipContext noPreloadDialogs{false, false, false};
    struct Case {
        const char* name;
        int application;
        AppFacts facts;
        AppSkipContext context;
        bool skipped;
    };
    const Case cases[] = {
        {"not available", 2, {false, false, false, false, false}, english, true},
        {"never for Japanese", 3, {true, false, false, true, false}, japanese, true},
        {"Japanese allowed", 3, {true, false, false, false, false}, japanese, false},
        {"its language folder is known", 2, {true, false, true, false, false}, english, true},
        {"preloaded", 4, {true, true, false, false, false}, english, true},
        {"on the CD without its language", 1, {true, false, false, false, false}, english, false},
        {"list always shown, on the CD", 2, {true, false, true, false, true}, english, false},
        {"list always shown, preloaded", 2, {true, true, false, false, true}, english, true},
        {"app 1 preloaded keeps its dialog", 1, {true, true, false, false, true}, english, false},
        {"app 1 preloaded, no preload dialogs",
         1,
         {true, true, false, false, true},
         noPreloadDialogs,
         true},
        {"app 1 preloaded on a four-in-one",
         1,
         {true, true, false, false, true},
         AppSkipContext{false, true, true},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AppSkipped(c.application, c.facts, c.context), c.skipped);
    }
}

TEST(InstallFlowTest, OnTheOsVersion7TheInstallAndAlignBoxStartsUnticked) {
    for (DWORD version : {1u, 6u, 7u, 8u, 9u, 10u}) {
        SCOPED_TRACE(version);
        EXPECT_FALSE(InstallAlignDefault(version, FALSE));
        EXPECT_EQ(InstallAlignDefault(version, TRUE), version != 7);
    }
}

TEST(InstallFlowTest, TheInstallDateIsMonthDayYearInEightDigits) {
    const std::pair<SYSTEMTIME, const char*> cases[] = {
        {SYSTEMTIME{2026, 1, 0, 5, 0, 0, 0, 0}, "01052026"},
        {SYSTEMTIME{1999, 12, 0, 31, 23, 59, 59, 999}, "12311999"},
        {SYSTEMTIME{987, 7, 0, 4, 0, 0, 0, 0}, "07040987"},
    };
    for (const auto& [date, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(std::string(InstallDateText(date)), text);
    }
}

TEST(InstallFlowTest, TheInstallFolderIsTheLocalFolderOrTheNetworkShare) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Program Files\\Corvane\\vqtrstat.exe", "C:\\Program Files\\Corvane"},
        {"C:\\vqtrstat.exe", "C:"},
        {"\\\\server\\share\\printers\\vqtrstat.exe", "\\\\server\\share"},
        {"\\\\server\\share", "\\\\server\\share"},
        {"nofolder", "nofolder"},
        {"", ""},
    };
    for (const auto& [installDir, folder] : cases) {
        SCOPED_TRACE(installDir);
        EXPECT_EQ(std::string(InstallFolderOf(installDir)), folder);
    }
}

// Where each post-install value page puts what the user typed. The record starts full of a
// marker, so that a field a page must leave alone shows it.
TEST(InstallFlowTest, EachValuePagePutsItsValuesInItsFields) {
    constexpr DWORD M = 0xABCD; // left as it was
    const INKINFO twoCartridges = Carrier(QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_BLACK);
    struct Case {
        const char* name;
        AlignPage page;
        INKINFO ink;
        std::vector<int> values;
        DWORD expected[QOR_ALIGN_VALUES];
    };
    const Case cases[] = {
        {"ink tanks: 7 to 11, the rest cleared",
         AlignPage::InstallTankValues,
         Carrier(QOR_CARRIER_INK_TANKS, 0, 0),
         {3, 14, 0, 30, 15},
         {1, 0, 0, 0, 0, 0, 0, 3, 14, 0, 30, 15, 0, 0, 0, 0, 0, 0}},
        {"two cartridges: 1 to 6 and the fifth in 12",
         AlignPage::InstallCartValues,
         twoCartridges,
         {1, 2, 13, 20, 4},
         {M, 1, 2, 13, 20, 13, 20, M, M, M, M, M, 4, M, M, M, M, M}},
        {"photo cartridge: 7 to 10",
         AlignPage::InstallPhotoValues,
         Carrier(QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_PHOTO),
         {30, 15, 0, 29},
         {M, M, M, M, M, M, M, 30, 15, 0, 29, M, M, M, M, M, M, M}},
        {"one black cartridge on the left: 3 and 5",
         AlignPage::InstallSingleValues,
         Carrier(QOR_CARRIER_SINGLE, QOR_CART_BLACK, QOR_CART_MISSING),
         {9},
         {M, M, M, 9, M, 9, M, M, M, M, M, M, M, M, M, M, M, M}},
        {"one colour cartridge: 4 and 6",
         AlignPage::InstallSingleValues,
         Carrier(QOR_CARRIER_SINGLE, QOR_CART_COLOR, QOR_CART_MISSING),
         {9},
         {M, M, M, M, 9, M, 9, M, M, M, M, M, M, M, M, M, M, M}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ALIGNINFO align{};
        for (DWORD& value : align.dwValue)
            value = M;
        WriteAlignValues(c.page, c.values, c.ink, align);
        for (int field = 0; field < QOR_ALIGN_VALUES; ++field)
            EXPECT_EQ(align.dwValue[field], c.expected[field]) << "field " << field;
    }
}

// The ranges the pages accept: the fifth group of two cartridges is 0 to 4, and one cartridge
// gets 21 choices on a two-position carrier, 15 on a one-position one.
TEST(InstallFlowTest, TheValuePagesRangesFollowTheirGroupsAndTheCarrier) {
    struct Case {
        const char* name;
        AlignPage page;
        INKINFO ink;
        std::vector<std::pair<int, int>> ranges;
    };
    const Case cases[] = {
        {"two cartridges",
         AlignPage::InstallCartValues,
         Carrier(QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_BLACK),
         {{0, 14}, {0, 14}, {0, 20}, {0, 20}, {0, 4}}},
        {"photo cartridge",
         AlignPage::InstallPhotoValues,
         Carrier(QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_PHOTO),
         {{0, 30}, {0, 15}, {0, 30}, {0, 30}}},
        {"one cartridge, two positions",
         AlignPage::InstallSingleValues,
         Carrier(QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_MISSING),
         {{0, 20}}},
        {"one cartridge, one position",
         AlignPage::InstallSingleValues,
         Carrier(QOR_CARRIER_SINGLE, QOR_CART_BLACK, QOR_CART_MISSING),
         {{0, 14}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::pair<int, int>> ranges;
        for (const AlignValue& value : ValuesOf(c.page, c.ink))
            ranges.emplace_back(value.low, value.high);
        EXPECT_EQ(ranges, c.ranges);
    }
}

TEST(InstallFlowTest, ALinkNameGetsOneLnkExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"Printer", "D:\\Desk\\Printer.lnk"},           {"Printer.lnk", "D:\\Desk\\Printer.lnk"},
        {"Printer.LNK", "D:\\Desk\\Printer.LNK"},       {"lnk", "D:\\Desk\\lnk.lnk"},
        {"My.lnk files", "D:\\Desk\\My.lnk files.lnk"},
    };
    for (const auto& [name, path] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(std::string(LinkFileName("D:\\Desk", name)), path);
    }
}
