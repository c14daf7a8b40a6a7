// The cartridge verification wizard's decisions: the pages of each mode, what each position
// proposes and asks, the names of the cartridge lists and what Next writes and refuses.
#include "CarrierTestSupport.h"
#include "TestLog.h"
#include "resource.h"
#include "status/CartVerification.h"

#include <gtest/gtest.h>

#include <map>

using namespace carriertest;

namespace {
constexpr auto First = CartWizardPage::First;
constexpr auto Second = CartWizardPage::Second;
constexpr auto ColourSort = CartWizardPage::ColourSort;
constexpr DefaultCartridges kDefaults{96, 64};

INKINFO Changed(INKINFO ink, DWORD changed1, DWORD changed2) {
    ink.bCartChanged1 = changed1;
    ink.bCartChanged2 = changed2;
    return ink;
}
} // namespace

TEST(CartVerification, EachModeOpensItsPagesAndSetsTheAlignmentFlags) {
    struct Case {
        int mode;
        int pages;
        CartWizardPage first, second;
        BOOL promptAlignment;
        bool skip;
        bool informationBack;
    };
    const Case cases[] = {
        {1, 2, First, Second, TRUE, false, true},
        {2, 1, Second, Second, TRUE, false, true},
        {3, 1, Second, Second, FALSE, true, false},
        {4, 1, ColourSort, ColourSort, FALSE, true, false},
        {5, 2, First, ColourSort, FALSE, true, false},
        {0, 1, Second, Second, FALSE, false, true},
        {-7, 1, Second, Second, FALSE, false, true},
        {6, 1, Second, Second, FALSE, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        CartWizardPlan plan = PlanCartWizard(c.mode);
        ASSERT_EQ(plan.pageCount, c.pages);
        EXPECT_EQ(plan.pages[0], c.first);
        if (c.pages == 2) {
            EXPECT_EQ(plan.pages[1], c.second);
        }
        EXPECT_EQ(plan.promptAlignment, c.promptAlignment);
        EXPECT_EQ(plan.skipCartAlign, c.skip);
        if (plan.pages[plan.pageCount - 1] == Second) {
            EXPECT_EQ(plan.informationCanGoBack, c.informationBack);
        }
    }
}

TEST(CartVerification, ThePageKindsFollowTheCarrierAndTheModelsOptions) {
    {
        testing_support::ScopedOptionsFile options({"IDO_CARTRIDGE_INSTALLATION_6STEPS=1"});
        EXPECT_EQ(ChooseFirstPage(NvoProduct()), FirstPageKind::AllInOne);
        EXPECT_EQ(ChooseSecondPage(QOR_CARRIER_DUAL, NvoProduct()), SecondPageKind::Verification);
    }
    {
        testing_support::ScopedOptionsFile options(
            {"IDO_CARTRIDGE_INSTALLATION_AIO=0", "IDO_SPECIFY_CARTRIDGE_INFO=1"});
        EXPECT_EQ(ChooseFirstPage(NvoProduct()), FirstPageKind::Plain);
        EXPECT_EQ(ChooseSecondPage(QOR_CARRIER_DUAL, NvoProduct()), SecondPageKind::Information);
        // One position always gets its own page.
        EXPECT_EQ(ChooseSecondPage(QOR_CARRIER_SINGLE, NvoProduct()),
                  SecondPageKind::SingleCartridge);
    }
}

TEST(CartVerification, AChangedOrInvalidPositionProposesTheModelsCartridgeForAGenericId) {
    struct Case {
        const char* what;
        INKINFO ink;
        DWORD log1, log2, phy1, phy2;
    };
    INKINFO invalidLogical = DualInk(kColour, kBlack);
    invalidLogical.LogCartID1 = kInvalid;
    INKINFO sensedOther = DualInk(kColour, kBlack);
    sensedOther.PhyCartID1 = 85;
    sensedOther.PhyCartID2 = kMissing;
    const Case cases[] = {
        {"both changed, generic ids", Changed(DualInk(kColour, kBlack), 1, 1), kColour, kBlack, 96,
         64},
        {"a logical 16 without a change flag", invalidLogical, kInvalid, kBlack, 96, kBlack},
        {"unchanged: the physical id takes the logical one, an empty one empties the logical",
         sensedOther, kColour, kMissing, kColour, kMissing},
        {"a black cartridge on the left gets the black default",
         Changed(DualInk(kBlack, kColour), 1, 1), kBlack, kColour, 64, 96},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        INKINFO ink = c.ink;
        TestLog log;
        ProposeSensedCartridges(ink, kDefaults);
        EXPECT_EQ(ink.LogCartID1, c.log1);
        EXPECT_EQ(ink.LogCartID2, c.log2);
        EXPECT_EQ(ink.PhyCartID1, c.phy1);
        EXPECT_EQ(ink.PhyCartID2, c.phy2);
        EXPECT_TRUE(
            log.HasSequence({"####g_pQORTabDlg->m_InfoStruct.lpInk (before) log1, log2, phy1, phy2",
                             std::to_string(c.ink.LogCartID1), std::to_string(c.ink.LogCartID2),
                             std::to_string(c.ink.PhyCartID1), std::to_string(c.ink.PhyCartID2),
                             "####g_pQORTabDlg->m_InfoStruct.lpInk (after) log1, log2, phy1, phy2",
                             std::to_string(c.log1), std::to_string(c.log2), std::to_string(c.phy1),
                             std::to_string(c.phy2)}));
    }
}

TEST(CartVerification, AttentionComesFromTheChangeFlagsThenTheCarrierState) {
    using A = AttentionText;
    struct Case {
        const char* what;
        INKINFO ink;
        CarrierState state;
        bool knownHeadFormat;
        const char* log;
        A text1, text2;
    };
    const Case cases[] = {
        {"both unidentified", Changed(DualInk(kUnidentified, kUnidentified), 1, 1),
         DUALHEAD_INVALID_AND_INVALID, true, "#2", A::Unidentified, A::Unidentified},
        {"unidentified beside an empty position", Changed(DualInk(kUnidentified, kMissing), 1, 1),
         DUALHEAD_INVALID_AND_MISSING, true, "#3", A::Unidentified, A::Changed},
        {"empty beside an unidentified one", Changed(DualInk(kMissing, kUnidentified), 1, 1),
         DUALHEAD_MISSING_AND_INVALID, true, "#4", A::Changed, A::Unidentified},
        {"a valid pair, both changed", Changed(DualInk(kColour, kBlack), 1, 1), DUALHEAD_CMY_AND_K,
         true, "#1", A::Changed, A::Changed},
        {"a valid pair, one changed: only that one is shown",
         Changed(DualInk(kColour, kBlack), 1, 0), DUALHEAD_CMY_AND_K, true, "#5", A::Changed,
         A::None},
        {"nothing fitted", DualInk(kMissing, kMissing), DUALHEAD_MISSING_AND_MISSING, true, nullptr,
         A::Install, A::Install},
        {"invalid beside black", DualInk(kInvalid, kBlack), DUALHEAD_INVALID_AND_K, true, nullptr,
         A::Replace, A::None},
        {"one cartridge of a pair: known head format", Changed(DualInk(kMissing, kBlack), 0, 1),
         DUALHEAD_K_ONLY, true, "#6", A::None, A::Changed},
        {"one cartridge of a pair: unknown head format", Changed(DualInk(kMissing, kBlack), 0, 1),
         DUALHEAD_K_ONLY, false, "#6", A::None, A::None},
        {"state 13 marks only the changed position", Changed(DualInk(kInvalid, kInvalid), 0, 1),
         DUALHEAD_INVALID_ONLY, true, "#6", A::None, A::Replace},
        {"one-position states ask nothing here", DualInk(kBlack, kBlack), SINGLEHEAD_K, true,
         nullptr, A::None, A::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestLog log;
        Attention attention = DecideAttention(c.ink, c.state, c.knownHeadFormat);
        EXPECT_EQ(TextOfAttention(attention.position[0], false), c.text1);
        EXPECT_EQ(TextOfAttention(attention.position[1], false), c.text2);
        EXPECT_EQ(attention.position[0].Shown(), c.text1 != A::None);
        EXPECT_EQ(attention.position[1].Shown(), c.text2 != A::None);
        if (c.log) {
            EXPECT_TRUE(log.Contains(c.log));
        }
    }
    // Under print style 2 fitting and changing a cartridge read alike.
    PositionAttention install;
    install.install = true;
    EXPECT_EQ(TextOfAttention(install, true), A::Changed);
}

TEST(CartVerification, TheCombosFirstChoiceByConnectionAndPrintStyle) {
    struct Case {
        const char* what;
        DWORD port;
        CarrierState state;
        bool printStyle2;
        DWORD shown1, shown2;
        bool disabled;
    };
    const Case cases[] = {
        {"no status: the model's defaults", QOR_PORT_NO_STATUS, DUALHEAD_CMY_AND_K, false, 96, 64,
         true},
        {"the sensed ids", QOR_PORT_USB, DUALHEAD_CMY_AND_K, false, kColour, kBlack, false},
        {"style 2, both invalid", QOR_PORT_USB, DUALHEAD_INVALID_AND_INVALID, true, kInvalid,
         kInvalid, false},
        {"style 2, position 1 invalid", QOR_PORT_USB, DUALHEAD_INVALID_AND_MISSING, true, kInvalid,
         kBlack, false},
        {"style 2, position 2 invalid", QOR_PORT_USB, DUALHEAD_MISSING_AND_INVALID, true, kColour,
         kInvalid, false},
        {"other styles show what is sensed", QOR_PORT_USB, DUALHEAD_INVALID_AND_INVALID, false,
         kColour, kBlack, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        INKINFO ink = DualInk(kColour, kBlack);
        FirstChoice choice = ChooseFirstCartridges(ink, c.port, c.state, c.printStyle2, kDefaults);
        EXPECT_EQ(choice.cartridge[0], c.shown1);
        EXPECT_EQ(choice.cartridge[1], c.shown2);
        EXPECT_EQ(choice.attentionDisabled, c.disabled);
        // Only the connection without status rewrites the record.
        EXPECT_EQ(ink.PhyCartID1, c.disabled ? 96u : kColour);
    }
}

TEST(CartVerification, TheTankShowsTheChosenCartridgeAtItsLowestLevel) {
    INKINFO ink = DualInk(kColour, kBlack);
    ink.nBlackLevel = 30;
    ink.nColorLevel2 = 12;
    ink.nPhotoLevel3 = 7;
    struct Case {
        DWORD chosen;
        BOOL promptNew;
        TankPicture picture;
        int colour;
        LONG level;
    };
    const Case cases[] = {
        {kBlack, FALSE, TankPicture::Ink, 0, 30},
        {64, FALSE, TankPicture::Ink, 0, 30},
        {96, FALSE, TankPicture::Ink, 4, 12},
        {kPhoto, FALSE, TankPicture::Ink, 5, 7},
        {kColour, TRUE, TankPicture::Ink, 4, 100},
        {kUnidentified, TRUE, TankPicture::Unidentified, 6, 0},
        {kMissing, FALSE, TankPicture::Unknown, 6, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        ShownTank tank = TankOfChoice(c.chosen, ink, c.promptNew);
        EXPECT_EQ(tank.picture, c.picture);
        if (c.picture == TankPicture::Ink) {
            EXPECT_EQ(tank.inkColour, c.colour);
            EXPECT_EQ(tank.level, c.level);
        }
    }
}

TEST(CartVerification, ALowOrUnusableCartridgeStartsAsNew) {
    struct Case {
        const char* what;
        int position;
        DWORD chosen;
        LONG level;
        BOOL postInstall;
        DWORD physical;
        DWORD changed;
        const char* reasonLine; // null: stays old
    };
    const Case cases[] = {
        {"black below 13", 2, kBlack, 12, FALSE, kBlack, 0, "m_bPromptNewCart2 set to TRUE (3)"},
        {"black at 13", 2, kBlack, 13, FALSE, kBlack, 0, nullptr},
        {"photo below 13", 2, kPhoto, 5, FALSE, kPhoto, 0, "m_bPromptNewCart2 set to TRUE (3)"},
        {"empty at installation", 2, kBlack, 50, TRUE, kMissing, 0,
         "m_bPromptNewCart2 set to TRUE (3)"},
        {"changed at installation", 2, kBlack, 50, TRUE, kBlack, 1,
         "m_bPromptNewCart2 set to TRUE (4)"},
        {"changed outside installation", 2, kBlack, 50, FALSE, kBlack, 1, nullptr},
        {"colour below 13", 1, kColour, 3, FALSE, kColour, 0, "m_bPromptNewCart1 set to TRUE (1)"},
        {"alternative colour below 13", 1, kAltColour, 3, FALSE, kAltColour, 0,
         "m_bPromptNewCart1 set to TRUE (1)"},
        {"invalid at installation", 1, kColour, 50, TRUE, kInvalid, 0,
         "m_bPromptNewCart1 set to TRUE (1)"},
        {"changed colour at installation", 1, kColour, 50, TRUE, kColour, 1,
         "m_bPromptNewCart1 set to TRUE (2)"},
        {"a black cartridge on the left is not tested for colour", 1, kBlack, 3, FALSE, kBlack, 0,
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        INKINFO ink = DualInk(kColour, kBlack);
        ink.nBlackLevel = ink.nColorLevel1 = ink.nPhotoLevel2 = c.level;
        (c.position == 1 ? ink.PhyCartID1 : ink.PhyCartID2) = c.physical;
        (c.position == 1 ? ink.bCartChanged1 : ink.bCartChanged2) = c.changed;
        BOOL promptNew = FALSE;
        TestLog log;
        bool asNew =
            StartsAsNew(c.position, c.chosen, ink, c.postInstall, DUALHEAD_CMY_AND_K, promptNew);
        EXPECT_EQ(asNew, c.reasonLine != nullptr);
        EXPECT_EQ(promptNew, c.reasonLine ? TRUE : FALSE);
        if (c.reasonLine) {
            EXPECT_TRUE(log.Contains(
                std::string("*****CCartVerificationPage2::InitalizeOldNewComboDefaults() ") +
                c.reasonLine));
        }
    }
    // A flag the change path already set keeps "new" chosen.
    BOOL promptNew = TRUE;
    EXPECT_TRUE(
        StartsAsNew(2, kBlack, DualInk(kColour, kBlack), FALSE, DUALHEAD_CMY_AND_K, promptNew));
}

TEST(CartVerification, AChosenNameStandsForTheFirstCartridgeOfItsPositionThatBearsIt) {
    // The names of a model that shares one name between two cartridges and leaves one unused.
    std::map<UINT, CString> names = {
        {IDS_CARTNAME1_BLACK, "Black"},  {IDS_CARTNAME1_BLACK_63, "Black"},
        {IDS_CARTNAME1_COLOR, "Colour"}, {IDS_CARTNAME1_PHOTO, "~"},
        {IDS_CARTNAME2_PHOTO, "Photo"},  {IDS_CARTNAME1_NONE, "None"}};
    StringLoader load = [&](UINT id) {
        auto found = names.find(id);
        return found == names.end() ? CString() : found->second;
    };
    EXPECT_EQ(CartridgeOfName("Black", CartridgeList::Position1, load), kBlack);
    EXPECT_EQ(CartridgeOfName("Colour", CartridgeList::Position1, load), kColour);
    EXPECT_EQ(CartridgeOfName("Photo", CartridgeList::Position2, load), kPhoto);
    EXPECT_EQ(CartridgeOfName("~", CartridgeList::Position1, load), kMissing);
    EXPECT_EQ(CartridgeOfName("Photo", CartridgeList::Position1, load), kMissing);
    EXPECT_EQ(CartridgeOfName("Unheard of", CartridgeList::Position1, load), kMissing);
    EXPECT_EQ(CartridgeOfName(nullptr, CartridgeList::Position1, load), kMissing);
    // Position 2 has no names for 85 and 128: its list never offers them.
    CartridgeName offered[32];
    int count = CartridgeNamesOf(CartridgeList::Position2, offered, 32);
    EXPECT_EQ(count, 15);
    for (int index = 0; index < count; ++index) {
        EXPECT_NE(offered[index].id, 85u);
        EXPECT_NE(offered[index].id, kAltColour);
    }
    EXPECT_EQ(CartridgeNamesOf(CartridgeList::Position1, offered, 32), 17);
    EXPECT_EQ(CartridgeNamesOf(CartridgeList::Position1, offered, 4), 4);
}

TEST(CartVerification, ANewCartridgeGetsTheMarkerInEveryLevelOfItsInk) {
    struct Case {
        DWORD chosen;
        bool marked;
        LONG black, colour, photo;
    };
    constexpr LONG m = QOR_NEW_CARTRIDGE_MARKER;
    const Case cases[] = {
        {kBlack, true, m, 50, 50},     {63, true, m, 50, 50},
        {kColour, true, 50, m, 50},    {kAltColour, true, 50, m, 50},
        {kPhoto, true, 50, 50, m},     {kMissing, false, 50, 50, 50},
        {kInvalid, false, 50, 50, 50}, {kUnidentified, false, 50, 50, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        INKINFO ink = DualInk(kColour, kBlack);
        EXPECT_EQ(MarkNewCartridge(ink, c.chosen), c.marked);
        EXPECT_EQ(ink.nBlackLevel, c.black);
        for (LONG level : {ink.nColorLevel1, ink.nColorLevel2, ink.nColorLevel3})
            EXPECT_EQ(level, c.colour);
        for (LONG level : {ink.nPhotoLevel1, ink.nPhotoLevel2, ink.nPhotoLevel3})
            EXPECT_EQ(level, c.photo);
    }
}

TEST(CartVerification, NextStaysOnThePageForAPhotoWithoutColourAndForMissingCartridges) {
    using R = NextRefusal;
    struct Case {
        DWORD chosen1, chosen2;
        bool printStyle2;
        BOOL skip;
        R refusal;
    };
    const Case cases[] = {
        {kMissing, kPhoto, true, FALSE, R::PhotoWithoutColour},
        {kMissing, kPhoto, false, FALSE, R::None},
        {kColour, kPhoto, true, TRUE, R::None},
        {kMissing, kBlack, false, TRUE, R::NoCartridge},
        {kColour, kInvalid, false, TRUE, R::NoCartridge},
        {kMissing, kBlack, false, FALSE, R::None},
        {kMissing, kBlack, true, TRUE, R::None},
        {kMissing, kInvalid, true, TRUE, R::NoCartridge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.chosen1 << " " << c.chosen2 << " style2 "
                                        << c.printStyle2 << " skip " << c.skip);
        EXPECT_EQ(RefuseNext(c.chosen1, c.chosen2, c.printStyle2, c.skip), c.refusal);
    }
}

TEST(CartVerification, AHeldJobAsksForTheKindItsTopicNamesAndColourWinsOverBlack) {
    struct Case {
        BOOL colourTopic, blackTopic;
        DWORD fitted;
        bool meets;
    };
    const Case cases[] = {
        {TRUE, FALSE, kColour, true},  {TRUE, FALSE, kAltColour, true},
        {TRUE, FALSE, kBlack, false},  {TRUE, TRUE, kBlack, false},
        {FALSE, TRUE, kBlack, true},   {FALSE, TRUE, 64, true},
        {FALSE, TRUE, kColour, false}, {FALSE, TRUE, kMissing, false},
        {FALSE, TRUE, 16, false},      {FALSE, FALSE, kMissing, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fitted);
        EXPECT_EQ(MeetsHeldJob(NeedOfHeldJob(c.colourTopic, c.blackTopic), c.fitted), c.meets);
    }
}

TEST(CartVerification, ASingleCartridgeStartsAsNewWhenFlaggedOrLow) {
    INKINFO ink = DualInk(kColour, kBlack);
    ink.nBlackLevel = 12;
    EXPECT_TRUE(OneCartridgeStartsNew(kBlack, ink, FALSE));
    EXPECT_FALSE(OneCartridgeStartsNew(kColour, ink, FALSE));
    ink.nColorLevel2 = 5;
    EXPECT_TRUE(OneCartridgeStartsNew(kColour, ink, FALSE));
    EXPECT_FALSE(OneCartridgeStartsNew(kMissing, ink, FALSE));
    EXPECT_TRUE(OneCartridgeStartsNew(kMissing, ink, TRUE));
    // The new-cartridge marker counts as full.
    ink.nBlackLevel = QOR_NEW_CARTRIDGE_MARKER;
    EXPECT_FALSE(OneCartridgeStartsNew(kBlack, ink, FALSE));
}
