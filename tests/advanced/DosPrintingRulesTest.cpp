// The DOS printing tables and the Advanced page's row and command rules, without a window.
#include "main/PrinterHelpers.h"
#include "resource.h"
#include "status/DosPrinting.h"

#include <gtest/gtest.h>

namespace {
struct LocaleCase {
    const char* locale;
    DWORD symbolSet;
};

class DefaultSymbolSetTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(DefaultSymbolSetTest, FollowsTheLocale) {
    const LocaleCase& row = GetParam();
    EXPECT_EQ(DefaultSymbolSet(row.locale), row.symbolSet) << row.locale;
    const DosSettings defaults = DefaultDosSettings(row.locale);
    EXPECT_EQ(defaults.charSet, row.symbolSet);
    EXPECT_EQ(defaults.typeface, 3u);
    EXPECT_EQ(defaults.pitch, 1000u);
    EXPECT_FALSE(defaults.carriage);
}

INSTANTIATE_TEST_SUITE_P(Locales, DefaultSymbolSetTest,
                         ::testing::Values(LocaleCase{"00000409", 341}, LocaleCase{"00000404", 341},
                                           LocaleCase{"00001004", 341}, LocaleCase{"00000804", 341},
                                           LocaleCase{"00000C04", 341}, LocaleCase{"00000c04", 341},
                                           LocaleCase{"00000419", 114}, LocaleCase{"00000405", 565},
                                           LocaleCase{"0000040E", 565}, LocaleCase{"00000415", 565},
                                           LocaleCase{"00000407", 437}, LocaleCase{"00000411", 437},
                                           LocaleCase{"", 437}, LocaleCase{nullptr, 437}));

TEST(DosTables, HoldTheRowsOfTheLists) {
    ASSERT_EQ(DosFonts().size(), 5u);
    EXPECT_EQ(DosFonts()[0].textId, static_cast<UINT>(IDS_DOS_FONT_TIMES));
    EXPECT_EQ(DosFonts()[3].textId, static_cast<UINT>(IDS_DOS_FONT_TIMES_20));
    ASSERT_EQ(DosSymbolSets().size(), 52u);
    EXPECT_EQ(DosSymbolSets()[0].value, 341u);
    EXPECT_EQ(DosSymbolSets()[4].textId, 6179u);
    EXPECT_EQ(DosSymbolSets()[51].textId, 6224u);
    EXPECT_EQ(DosSymbolSets()[51].value, 757u);
}

struct FontCase {
    std::optional<DWORD> typeface;
    std::optional<DWORD> pitch;
    int row;
};

class FontRowTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontRowTest, MatchesTypefaceAndPitchTogether) {
    const FontCase& font = GetParam();
    EXPECT_EQ(FontRowFor(font.typeface, font.pitch), font.row);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FontRowTest,
    ::testing::Values(FontCase{3, 1000, 1}, FontCase{3, 1667, 2}, FontCase{4101, 2000, 3},
                      FontCase{6, 1200, 4}, FontCase{4101, 0, 0},
                      // A pair the table does not hold, and values that could not be read.
                      FontCase{3, 1200, 0}, FontCase{6, 1000, 0}, FontCase{99, 99, 0},
                      FontCase{std::nullopt, 1000, 0}, FontCase{3, std::nullopt, 0}));

TEST(SymbolSetRow, IsTheRowOfTheValueOrRowZero) {
    EXPECT_EQ(SymbolSetRowFor(341), 0);
    EXPECT_EQ(SymbolSetRowFor(437), 48);
    EXPECT_EQ(SymbolSetRowFor(565), 20);
    EXPECT_EQ(SymbolSetRowFor(757), 51);
    EXPECT_EQ(SymbolSetRowFor(1), 0);
    EXPECT_EQ(SymbolSetRowFor(std::nullopt), 0);
}

TEST(DosNumber, ReadsOnlyWholeDecimalNumbers) {
    EXPECT_EQ(ParseDosNumber("0"), 0u);
    EXPECT_EQ(ParseDosNumber("1000"), 1000u);
    EXPECT_EQ(ParseDosNumber("4294967295"), 4294967295u);
    for (const char* text : {"", "-1", "12a", " 12", "1.5", "4294967296", "99999999999"})
        EXPECT_FALSE(ParseDosNumber(text)) << text;
    EXPECT_EQ(DosNumberText(1667), "1667");
}

struct RowCase {
    DWORD port;
    const char* locale;
    DWORD platform;
    bool supports;
    bool shown;
};

class DosRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(DosRowTest, IsShownOnlyWhereDosPrintingWorks) {
    const RowCase& row = GetParam();
    EXPECT_EQ(ShowsDosPrintingRow(row.port, row.locale, row.platform, row.supports), row.shown)
        << "port " << row.port << " locale " << row.locale << " platform " << row.platform;
}

INSTANTIATE_TEST_SUITE_P(Rows, DosRowTest,
                         ::testing::Values(RowCase{2, "00000409", 9, true, true},
                                           RowCase{1, "00000409", 1, true, true},
                                           RowCase{4, "00000409", 9, true, true},
                                           RowCase{3, "00000409", 9, true, false},
                                           RowCase{5, "00000409", 9, true, false},
                                           RowCase{7, "00000409", 9, true, false},
                                           RowCase{9, "00000409", 9, true, false},
                                           RowCase{2, "00000411", 9, true, false},
                                           RowCase{2, "00000409", 2, true, false},
                                           RowCase{2, "00000409", 10, true, false},
                                           RowCase{2, "00000409", 9, false, false}));

struct CommandCase {
    const char* option;
    const char* expected;
};

class WebUpdateCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(WebUpdateCommandTest, QuotesTheProgramAndAppendsTheLanguage) {
    const CommandCase& row = GetParam();
    EXPECT_STREQ(WebUpdateCommandLine(row.option, "english", "C:\\Module Folder\\").c_str(),
                 row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Options, WebUpdateCommandTest,
    ::testing::Values(CommandCase{"vqtrwupd.exe /lang:",
                                  "\"C:\\Module Folder\\vqtrwupd.exe\" /lang:english"},
                      CommandCase{"vqtrwupd.exe", "\"C:\\Module Folder\\vqtrwupd.exe\" english"},
                      CommandCase{"C:\\Program Files\\Corvane\\Update.EXE /l=",
                                  "\"C:\\Program Files\\Corvane\\Update.EXE\" /l=english"},
                      CommandCase{"\"D:\\a b\\up.exe\" -x ", "\"D:\\a b\\up.exe\" -x english"},
                      CommandCase{"update /lang:", "\"C:\\Module Folder\\update\" /lang:english"},
                      CommandCase{"", ""}, CommandCase{"   ", ""}, CommandCase{nullptr, ""}));
} // namespace
