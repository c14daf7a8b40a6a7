// The clean-and-test wizard's and the clean-rollers dialog's decisions, by table.
#include "resource.h"
#include "status/CleaningChoices.h"

#include <gtest/gtest.h>

TEST(CleaningChoices, OnlyAnInkTankPrinterHasNoCleaningPages) {
    for (DWORD carrier : {0ul, 1ul, 2ul, 3ul, 77ul}) {
        INKINFO ink{};
        ink.dwCarrierType = carrier;
        EXPECT_EQ(HasCleaningPages(ink), carrier != QOR_CARRIER_INK_TANKS) << carrier;
    }
}

TEST(CleaningChoices, ThePatternToExpectFollowsTheCarrierState) {
    struct Case {
        CarrierState state;
        DWORD carrier;
        UINT bitmap;
    };
    const Case cases[] = {
        {DUALHEAD_CMY_AND_K, QOR_CARRIER_DUAL, IDB_CLEAN_PATTERN_BOTH},
        {DUALHEAD_K_AND_CMY, QOR_CARRIER_DUAL, IDB_CLEAN_PATTERN_BOTH},
        {DUALHEAD_CMY_AND_KCM, QOR_CARRIER_DUAL, IDB_CLEAN_PATTERN_BOTH},
        {DUALHEAD_K_ONLY, QOR_CARRIER_DUAL, IDB_CLEAN_PATTERN_BLACK},
        {DUALHEAD_CMY_ONLY, QOR_CARRIER_DUAL, IDB_CLEAN_PATTERN_COLOUR},
        {SINGLEHEAD_K, QOR_CARRIER_SINGLE, IDB_CLEAN_PATTERN_SINGLE_BLACK},
        {SINGLEHEAD_CMY, QOR_CARRIER_SINGLE, IDB_CLEAN_PATTERN_SINGLE_COLOUR},
        // The states without a cleaning page: by the carrier type alone.
        {DUALHEAD_INVALID_ONLY, QOR_CARRIER_DUAL, IDB_CLEAN_PATTERN_SINGLE_COLOUR},
        {DUALHEAD_MISSING_AND_MISSING, QOR_CARRIER_DUAL, IDB_CLEAN_PATTERN_SINGLE_COLOUR},
        {DUALHEAD_INVALID_AND_K, QOR_CARRIER_DUAL, IDB_CLEAN_PATTERN_SINGLE_COLOUR},
        {SINGLEHEAD_MISSING, QOR_CARRIER_SINGLE, IDB_CLEAN_PATTERN_BOTH},
        {SINGLEHEAD_INVALID, QOR_CARRIER_SINGLE, IDB_CLEAN_PATTERN_BOTH},
        {UNKNOWN, QOR_CARRIER_INK_TANKS, IDB_CLEAN_PATTERN_SINGLE_COLOUR},
        {UNKNOWN, QOR_CARRIER_SINGLE, IDB_CLEAN_PATTERN_BOTH},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpectedPatternBitmap(c.state, c.carrier), c.bitmap)
            << c.state << " carrier " << c.carrier;
}

TEST(CleaningChoices, AModelWithoutRampsGetsOtherInstructionsAndNoRampLines) {
    const CleanResultTexts ramps = ResultTexts(true);
    EXPECT_EQ(ramps.instruction1, static_cast<UINT>(IDS_CLEAN_RAMPS_COMPARE));
    EXPECT_EQ(ramps.instruction2, static_cast<UINT>(IDS_CLEAN_RAMPS_DONE));
    EXPECT_TRUE(ramps.rampsShown);
    const CleanResultTexts plain = ResultTexts(false);
    EXPECT_EQ(plain.instruction1, static_cast<UINT>(IDS_CLEAN_COMPARE));
    EXPECT_EQ(plain.instruction2, static_cast<UINT>(IDS_CLEAN_DONE));
    EXPECT_FALSE(plain.rampsShown);
}

TEST(CleaningChoices, TheRollerStepsFollowTheModel) {
    struct Case {
        RollerOptions options;
        RollerSteps steps;
    };
    const Case cases[] = {
        {{false, false, false},
         {{{IDS_ROLLERS_STEP1, true},
           {IDS_ROLLERS_STEP2, true},
           {IDS_ROLLERS_STEP3, true},
           {IDS_ROLLERS_STEP4, true}}}},
        {{false, true, false},
         {{{IDS_ROLLERS_STEP1, true},
           {IDS_ROLLERS_STEP2_SELECT, true},
           {IDS_ROLLERS_STEP3, true},
           {IDS_ROLLERS_STEP4_SELECT, true}}}},
        {{false, false, true},
         {{{IDS_ROLLERS_STEP1, true},
           {IDS_ROLLERS_STEP2, true},
           {IDS_ROLLERS_STEP3, false},
           {IDS_ROLLERS_STEP4, true}}}},
        // Fed by hand: two steps of their own, whatever the other options say.
        {{true, true, false},
         {{{IDS_ROLLERS_STEP1_MANUAL_FEED, true},
           {IDS_ROLLERS_STEP2_MANUAL_FEED, true},
           {IDS_ROLLERS_STEP3, false},
           {IDS_ROLLERS_STEP4, false}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.options.manualFeedPaperOut << c.options.selectButton
                                        << c.options.noThirdStep);
        const RollerSteps steps = CleanRollerSteps(c.options);
        for (size_t step = 0; step < steps.size(); ++step) {
            EXPECT_EQ(steps[step].shown, c.steps[step].shown) << step;
            if (c.steps[step].shown) {
                EXPECT_EQ(steps[step].textId, c.steps[step].textId) << step;
            }
        }
    }
}
