#include "status/SensedCartridges.h"

#include <gtest/gtest.h>

// The three rules differ only in photo and alternative-colour cartridges: a page refuses both,
// a status update neither, the refit only the photo one on the left.
TEST(SensedCartridges, EachRuleNamesItsOwnCartridgesOfTheOtherPosition) {
    struct Case {
        DWORD id;
        int position;
        bool pageBuilt;
        bool statusUpdate;
        bool refit;
    };
    const Case cases[] = {
        {QOR_CART_BLACK, 1, true, true, true},
        {QOR_CART_BLACK, 2, false, false, false},
        {QOR_CART_COLOR, 1, false, false, false},
        {QOR_CART_COLOR, 2, true, true, true},
        {QOR_CART_PHOTO, 1, true, false, true},
        {QOR_CART_PHOTO, 2, false, false, false},
        {QOR_CART_ALT_COLOR, 1, false, false, false},
        {QOR_CART_ALT_COLOR, 2, true, false, false},
        {QOR_CART_MISSING, 1, false, false, false},
        {QOR_CART_INVALID, 2, false, false, false},
        {QOR_CART_UNIDENTIFIED, 1, false, false, false},
        {0, 2, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.id << " in position " << c.position);
        EXPECT_EQ(BelongsInOtherPosition(c.id, c.position, OtherPositionRule::PageBuilt),
                  c.pageBuilt);
        EXPECT_EQ(BelongsInOtherPosition(c.id, c.position, OtherPositionRule::StatusUpdate),
                  c.statusUpdate);
        EXPECT_EQ(BelongsInOtherPosition(c.id, c.position, OtherPositionRule::Refit), c.refit);
    }
}

TEST(SensedCartridges, AChangeIsAcceptedOrRefusedByTheMomentsRule) {
    constexpr DWORD kBefore1 = 95, kBefore2 = 63;
    struct Case {
        const char* what;
        DWORD carrier;
        OtherPositionRule rule;
        bool knownHeadFormat;
        DWORD changed1, changed2;
        DWORD sensed1, sensed2;
        DWORD logical1, logical2;
    };
    const auto page = OtherPositionRule::PageBuilt;
    const auto update = OtherPositionRule::StatusUpdate;
    const Case cases[] = {
        {"page: right places", QOR_CARRIER_DUAL, page, false, 1, 1, 80, 48, 80, 48},
        {"page: photo left, alternative colour right", QOR_CARRIER_DUAL, page, false, 1, 1, 112,
         128, QOR_CART_INVALID, QOR_CART_INVALID},
        {"update: the same pair passes", QOR_CARRIER_DUAL, update, true, 1, 1, 112, 128, 112, 128},
        {"update: black left, colour right", QOR_CARRIER_DUAL, update, true, 1, 1, 48, 80,
         QOR_CART_INVALID, QOR_CART_INVALID},
        {"update: unknown head format refuses none", QOR_CARRIER_DUAL, update, false, 1, 1, 48, 80,
         48, 80},
        {"only the changed position", QOR_CARRIER_DUAL, page, false, 0, 1, 48, 64, kBefore1, 64},
        {"page: one position has no other", QOR_CARRIER_SINGLE, page, false, 1, 1, 48, 80, 48,
         kBefore2},
        {"update: one position is left alone", QOR_CARRIER_SINGLE, update, true, 1, 1, 48, 80,
         kBefore1, kBefore2},
        {"ink tanks are left alone", QOR_CARRIER_INK_TANKS, page, false, 1, 1, 48, 80, kBefore1,
         kBefore2},
        {"the refit rule accepts nothing", QOR_CARRIER_DUAL, OtherPositionRule::Refit, true, 1, 1,
         48, 80, kBefore1, kBefore2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        INKINFO ink{};
        ink.dwCarrierType = c.carrier;
        ink.bCartChanged1 = c.changed1;
        ink.bCartChanged2 = c.changed2;
        ink.PhyCartID1 = c.sensed1;
        ink.PhyCartID2 = c.sensed2;
        ink.LogCartID1 = kBefore1;
        ink.LogCartID2 = kBefore2;
        AcceptSensedCartridges(ink, c.rule, c.knownHeadFormat);
        EXPECT_EQ(ink.LogCartID1, c.logical1);
        EXPECT_EQ(ink.LogCartID2, c.logical2);
    }
}
