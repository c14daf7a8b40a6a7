// The low-ink warning's decisions apart from any window: the levels that count, the text each
// rule chooses, the episodes that open the warning, the service tags that may be stored and the
// phone-number key of a locale.
#include "pages/OrderPhoneNumber.h"
#include "status/LowInkWarning.h"
#include "status/ServiceTag.h"

#include <gtest/gtest.h>

namespace {
// Levels of a carrier whose kind is not known: every level counts.
INKINFO Ink(LONG black, LONG colour, LONG photo) {
    INKINFO ink{};
    ink.nBlackLevel = black;
    ink.nColorLevel1 = ink.nColorLevel2 = ink.nColorLevel3 = colour;
    ink.nPhotoLevel1 = ink.nPhotoLevel2 = ink.nPhotoLevel3 = photo;
    return ink;
}

struct RuleCase {
    const char* name;
    LONG black, colour, photo;
    LowInkText text;
};

// A = 10 (very low), W = 25 (low); 100 is full.
constexpr LowInkThresholds kThresholds{10, 25};

class LowInkRules : public testing::TestWithParam<RuleCase> {};

TEST_P(LowInkRules, TheFirstRuleThatHoldsChoosesTheText) {
    const RuleCase& rule = GetParam();
    EXPECT_EQ(ChooseLowInkText(Ink(rule.black, rule.colour, rule.photo), kThresholds), rule.text);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRule, LowInkRules,
    testing::Values(
        // Black 5 and colour 20: both low, black very low, so the pair's text and not black's.
        RuleCase{"BlackVeryLowColourLow", 5, 20, 100, LowInkText::BlackAndColourVeryLow},
        RuleCase{"BlackLowColourVeryLow", 20, 10, 100, LowInkText::BlackAndColourVeryLow},
        // Black before photo: with all three low the black pair wins.
        RuleCase{"AllThreeVeryLow", 1, 1, 1, LowInkText::BlackAndColourVeryLow},
        RuleCase{"PhotoVeryLowColourLow", 100, 25, 10, LowInkText::PhotoAndColourVeryLow},
        RuleCase{"BlackAndColourLow", 25, 25, 100, LowInkText::BlackAndColourLow},
        RuleCase{"PhotoAndColourLow", 100, 11, 24, LowInkText::PhotoAndColourLow},
        // One kind very low, another very low but the colour full: no pair applies.
        RuleCase{"BlackAndPhotoVeryLow", 0, 100, 0, LowInkText::BlackVeryLow},
        RuleCase{"PhotoVeryLow", 100, 26, 10, LowInkText::PhotoVeryLow},
        RuleCase{"ColourVeryLow", 26, 0, 26, LowInkText::ColourVeryLow},
        RuleCase{"BlackLowPhotoLow", 25, 100, 25, LowInkText::BlackLow},
        RuleCase{"PhotoLow", 26, 26, 25, LowInkText::PhotoLow},
        RuleCase{"ColourLow", 100, 25, 100, LowInkText::ColourLow},
        RuleCase{"JustAboveLow", 26, 26, 26, LowInkText::None},
        // Levels out of range count as full: the new-cartridge marker, negatives, over 100.
        RuleCase{"MarkerAndNegativesAreFull", QOR_NEW_CARTRIDGE_MARKER, -1, -100, LowInkText::None},
        RuleCase{"OverOneHundredIsFull", 101, 5, 2000, LowInkText::ColourVeryLow}),
    [](const testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

TEST(LowInkLevels, EachKindCountsItsLowestInkAndOutOfRangeLevelsAsFull) {
    INKINFO ink = Ink(-5, 100, 100);
    ink.nColorLevel2 = 30;
    ink.nColorLevel3 = QOR_NEW_CARTRIDGE_MARKER;
    ink.nPhotoLevel3 = 7;
    const LowInkLevels levels = CountedLevels(ink);
    EXPECT_EQ(levels.black, 100);
    EXPECT_EQ(levels.colour, 30);
    EXPECT_EQ(levels.photo, 7);
}

TEST(LowInkLevels, AKindTheCarrierDoesNotHoldCountsAsFull) {
    struct Case {
        DWORD carrier, left, right;
        LowInkLevels expected;
    };
    // Every level reads 3: only what is fitted keeps it.
    const Case cases[] = {
        {QOR_CARRIER_DUAL, QOR_CART_COLOR, QOR_CART_BLACK, {3, 3, 100}},
        {QOR_CARRIER_DUAL, QOR_CART_COLOR, 127, {100, 3, 3}},
        {QOR_CARRIER_DUAL, QOR_CART_MISSING, QOR_CART_MISSING, {100, 100, 100}},
        {QOR_CARRIER_SINGLE, 85, QOR_CART_MISSING, {100, 3, 100}},
        {QOR_CARRIER_SINGLE, QOR_CART_BLACK, 127, {3, 100, 100}},
        {QOR_CARRIER_INK_TANKS, 0, 0, {3, 3, 100}},
    };
    for (const Case& test : cases) {
        INKINFO ink = Ink(3, 3, 3);
        ink.dwCarrierType = test.carrier;
        ink.LogCartID1 = test.left;
        ink.LogCartID2 = test.right;
        const LowInkLevels levels = CountedLevels(ink);
        EXPECT_EQ(levels.black, test.expected.black) << test.carrier << " " << test.left;
        EXPECT_EQ(levels.colour, test.expected.colour) << test.carrier << " " << test.left;
        EXPECT_EQ(levels.photo, test.expected.photo) << test.carrier << " " << test.right;
    }
}

TEST(LowInkThresholdsMissing, GiveNoWarningRatherThanAWrongOne) {
    EXPECT_EQ(ChooseLowInkText(Ink(0, 0, 0), LowInkThresholds{}), LowInkText::None);
    // Only the low threshold known: low texts, never a very-low one.
    LowInkThresholds lowOnly;
    lowOnly.warning = 25;
    EXPECT_EQ(ChooseLowInkText(Ink(0, 100, 100), lowOnly), LowInkText::BlackLow);
}

TEST(LowInkTexts, EveryTextHasItsOwnStringAndNoneHasNone) {
    std::vector<UINT> ids;
    for (int text = 0; text < static_cast<int>(LowInkText::None); ++text) {
        UINT id = LowInkTextId(static_cast<LowInkText>(text));
        EXPECT_NE(id, 0u) << text;
        EXPECT_EQ(std::count(ids.begin(), ids.end(), id), 0) << text;
        ids.push_back(id);
    }
    EXPECT_EQ(LowInkTextId(LowInkText::None), 0u);
}

TEST(LowInkEpisodes, TheWarningOpensWhenInkFirstRunsLowAndAgainOnlyAfterARefill) {
    LowInkEpisode episode;
    const bool updates[] = {false, true, true, true, false, false, true};
    const bool opens[] = {false, true, false, false, false, false, true};
    for (size_t index = 0; index < std::size(updates); ++index)
        EXPECT_EQ(episode.Starts(updates[index]), opens[index]) << "update " << index;
    // A warning the host asked for counts for the episode it falls in.
    LowInkEpisode shown;
    shown.Shown();
    EXPECT_FALSE(shown.Starts(true));
}

struct TagCase {
    const char* typed;
    const char* valueName;
    ServiceTagVerdict verdict;
};

TEST(ServiceTags, OnlyARealTagOfAcceptableLengthIsStored) {
    const std::string longest(kMaxServiceTagLength, 'T');
    const std::string tooLong(kMaxServiceTagLength + 1, 'T');
    const TagCase cases[] = {
        {"SVC-4711", "ServiceTag", ServiceTagVerdict::Store},
        {"  SVC-4711\t", "ServiceTag", ServiceTagVerdict::Store},
        {longest.c_str(), "ServiceTag", ServiceTagVerdict::Store},
        {tooLong.c_str(), "ServiceTag", ServiceTagVerdict::TooLong},
        {"", "ServiceTag", ServiceTagVerdict::Empty},
        {"   ", "ServiceTag", ServiceTagVerdict::Empty},
        {"ServiceTag", "ServiceTag", ServiceTagVerdict::ValueName},
        {" ServiceTag ", "ServiceTag", ServiceTagVerdict::ValueName},
        {"SVC-4711", "", ServiceTagVerdict::NoValueName},
    };
    for (const TagCase& test : cases)
        EXPECT_EQ(CheckServiceTag(TrimmedServiceTag(test.typed), test.valueName), test.verdict)
            << "\"" << test.typed << "\" under \"" << test.valueName << "\"";
    EXPECT_EQ(TrimmedServiceTag(nullptr), "");
}

TEST(PhoneNumberKeys, TheLocaleKeepsItsLanguageHalfBehindTwoBlanksAndAHexMark) {
    EXPECT_EQ(PhoneNumberKey("00000409"), "  0x0409");
    EXPECT_EQ(PhoneNumberKey("00001009"), "  0x1009");
    for (const char* malformed : {"", "0409", "000004090", "0000040G"})
        EXPECT_EQ(PhoneNumberKey(malformed), "") << malformed;
    EXPECT_EQ(PhoneNumberKey(nullptr), "");
}
} // namespace
