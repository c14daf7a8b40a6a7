#include "InkRecords.h"
#include "InkDisplay.h"
#include "InkTank.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {
// What each question answers for one id.
struct IdCase {
    DWORD id;
    BOOL black, cmy, kcm, altcmy, valid, invalid, missing;
    InkColor kind;
};

const IdCase kIds[] = {
    // id          black cmy kcm alt valid invalid missing kind
    {48, 1, 0, 0, 0, 1, 0, 0, BLACK},
    {53, 1, 0, 0, 0, 1, 0, 0, BLACK},
    {63, 1, 0, 0, 0, 1, 0, 0, BLACK},
    {64, 1, 0, 0, 0, 1, 0, 0, BLACK},
    {80, 0, 1, 0, 0, 1, 0, 0, COLOR},
    {85, 0, 1, 0, 0, 1, 0, 0, COLOR},
    {95, 0, 1, 0, 0, 1, 0, 0, COLOR},
    {96, 0, 1, 0, 0, 1, 0, 0, COLOR},
    {112, 0, 0, 1, 0, 1, 0, 0, PHOTO},
    {127, 0, 0, 1, 0, 1, 0, 0, PHOTO},
    {175, 0, 0, 1, 0, 1, 0, 0, PHOTO},
    {191, 0, 0, 1, 0, 1, 0, 0, PHOTO},
    {128, 0, 0, 0, 1, 1, 0, 0, COLOR},
    {133, 0, 0, 0, 1, 1, 0, 0, COLOR},
    {143, 0, 0, 0, 1, 1, 0, 0, COLOR},
    {144, 0, 0, 0, 1, 1, 0, 0, COLOR},
    {32, 0, 0, 0, 0, 0, 0, 1, NOINK},
    {16, 0, 0, 0, 0, 0, 1, 0, NOINK},
    {999, 0, 0, 0, 0, 0, 1, 0, NOINK},
    {0, 0, 0, 0, 0, 0, 1, 0, NOINK},
    {1, 0, 0, 0, 0, 0, 1, 0, NOINK},
    {47, 0, 0, 0, 0, 0, 1, 0, NOINK},
    {49, 0, 0, 0, 0, 0, 1, 0, NOINK},
    {81, 0, 0, 0, 0, 0, 1, 0, NOINK},
    {0x99, 0, 0, 0, 0, 0, 1, 0, NOINK},
    {QOR_NEW_CARTRIDGE_MARKER, 0, 0, 0, 0, 0, 1, 0, NOINK},
    {0xFFFFFFFF, 0, 0, 0, 0, 0, 1, 0, NOINK},
};

// The answers of every by-position question for the id at (type, position).
std::vector<BOOL> AnswersAt(const CGUIInkDisplay& display, int type, int position) {
    return {display.IsItBlack(type, position),  display.IsItCMY(type, position),
            display.IsItKCM(type, position),    display.IsItALTCMY(type, position),
            display.IsItValid(type, position),  display.IsItInvalid(type, position),
            display.IsItMissing(type, position)};
}

std::vector<BOOL> Expected(const IdCase& c) {
    return {c.black, c.cmy, c.kcm, c.altcmy, c.valid, c.invalid, c.missing};
}

DWORD& Field(INKINFO& ink, int type, int position) {
    if (type == PHYSICAL)
        return position == LEFT ? ink.PhyCartID1 : ink.PhyCartID2;
    return position == LEFT ? ink.LogCartID1 : ink.LogCartID2;
}

using testing_support::CarrierRecord;
} // namespace

TEST(InkDisplayIds, EachIdHasItsKind) {
    for (const IdCase& c : kIds) {
        SCOPED_TRACE(c.id);
        std::vector<BOOL> answers = {
            CGUIInkDisplay::IsItBlack(c.id),  CGUIInkDisplay::IsItCMY(c.id),
            CGUIInkDisplay::IsItKCM(c.id),    CGUIInkDisplay::IsItALTCMY(c.id),
            CGUIInkDisplay::IsItValid(c.id),  CGUIInkDisplay::IsItInvalid(c.id),
            CGUIInkDisplay::IsItMissing(c.id)};
        EXPECT_EQ(answers, Expected(c));
        EXPECT_EQ(CGUIInkDisplay::WhatIsIt(c.id), c.kind);
        EXPECT_EQ(CGUIInkDisplay::IsItUnidentified(c.id), c.id == 999u);
    }
}

TEST(InkDisplayIds, EachPositionReadsItsOwnField) {
    // The id under test stands in one field; the three others hold a cartridge of another kind
    // (a photo cartridge, or black when the id is the photo one), so a wrong read shows.
    const int types[] = {PHYSICAL, LOGICAL};
    const int positions[] = {LEFT, RIGHT};
    for (const IdCase& c : kIds) {
        DWORD other = c.kcm ? 48u : 112u;
        for (int type : types) {
            for (int position : positions) {
                SCOPED_TRACE(testing::Message()
                             << "id " << c.id << " type " << type << " position " << position);
                INKINFO ink = CarrierRecord(QOR_CARRIER_DUAL, other, other);
                Field(ink, type, position) = c.id;
                CGUIInkDisplay display(&ink);
                EXPECT_EQ(AnswersAt(display, type, position), Expected(c));
                DWORD read = 0;
                ASSERT_TRUE(display.GetCartridgeId(type, position, read));
                EXPECT_EQ(read, c.id);
            }
        }
    }
}

TEST(InkDisplayIds, OnePositionCarrierHasNoSecondPosition) {
    INKINFO ink = CarrierRecord(QOR_CARRIER_SINGLE, 80, 48);
    ink.bAlignCart2 = QOR_ALIGN_MANDATORY;
    CGUIInkDisplay display(&ink);
    for (int type : {PHYSICAL, LOGICAL}) {
        EXPECT_EQ(AnswersAt(display, type, RIGHT), std::vector<BOOL>(7, FALSE));
        EXPECT_TRUE(display.IsItCMY(type, LEFT));
        DWORD id = 0;
        EXPECT_FALSE(display.GetCartridgeId(type, RIGHT, id));
    }
    ink.PhyCartID2 = ink.LogCartID2 = 32;
    EXPECT_FALSE(display.AreAnyMissing(PHYSICAL));
    ink.PhyCartID1 = ink.LogCartID1 = 48;
    EXPECT_FALSE(display.IsItWrongPosition(LOGICAL, LEFT));
    EXPECT_FALSE(display.AnyForceAlignSet());
}

TEST(InkDisplayIds, WithoutRecordOrWithOddArgumentsEveryQuestionIsNo) {
    CGUIInkDisplay none;
    EXPECT_EQ(none.GetInkInfo(), nullptr);
    for (int type : {PHYSICAL, LOGICAL}) {
        for (int position : {LEFT, RIGHT})
            EXPECT_EQ(AnswersAt(none, type, position), std::vector<BOOL>(7, FALSE));
        EXPECT_FALSE(none.IsItWrongPosition(type, LEFT));
        EXPECT_FALSE(none.AreTheySwapped(type));
        EXPECT_FALSE(none.AreAnyMissing(type));
        EXPECT_FALSE(none.AreAnyKCM(type));
    }
    EXPECT_FALSE(none.AnyForceAlignSet());
    EXPECT_FALSE(none.AnyOptionalAlignSet());
    none.UpdateInkLevels(nullptr);
    none.DrawTanks(nullptr);

    INKINFO ink = CarrierRecord(QOR_CARRIER_DUAL, 32, 32);
    CGUIInkDisplay display(&ink);
    const std::pair<int, int> odd[] = {{2, LEFT}, {-1, RIGHT}, {LOGICAL, 2}, {PHYSICAL, -1}};
    for (auto [type, position] : odd)
        EXPECT_EQ(AnswersAt(display, type, position), std::vector<BOOL>(7, FALSE));
    EXPECT_FALSE(display.AreAnyMissing(5));
}

TEST(InkDisplayCarrier, PlacementQuestions) {
    struct Case {
        DWORD left, right;
        BOOL wrongLeft, wrongRight, swapped, anyMissing, anyKcm;
    };
    const Case cases[] = {
        {80, 48, 0, 0, 0, 0, 0},   // the normal fitting
        {128, 112, 0, 0, 0, 0, 1}, // alternative colour and photo
        {48, 80, 1, 1, 1, 0, 0},   // swapped
        {112, 143, 1, 1, 1, 0, 1}, // photo left, alternative colour right
        {48, 48, 1, 0, 0, 0, 0},   // black in both
        {80, 96, 0, 1, 0, 0, 0},   // colour in both
        {32, 48, 0, 0, 0, 1, 0},   // left missing
        {80, 32, 0, 0, 0, 1, 0},   // right missing
        {112, 32, 1, 0, 0, 1, 1},  // photo on the left, right missing
        {32, 80, 0, 1, 0, 1, 0},   // colour on the right
        {16, 999, 0, 0, 0, 0, 0},  // invalid cartridges belong nowhere
        {999, 127, 0, 0, 0, 0, 1},
    };
    for (const Case& c : cases) {
        for (int type : {PHYSICAL, LOGICAL}) {
            SCOPED_TRACE(testing::Message() << c.left << "/" << c.right << " type " << type);
            // The other kind of id holds a cartridge that would answer differently.
            INKINFO ink{};
            ink.dwCarrierType = QOR_CARRIER_DUAL;
            Field(ink, type, LEFT) = c.left;
            Field(ink, type, RIGHT) = c.right;
            Field(ink, 1 - type, LEFT) = 48;
            Field(ink, 1 - type, RIGHT) = 32;
            CGUIInkDisplay display(&ink);
            EXPECT_EQ(display.IsItWrongPosition(type, LEFT), c.wrongLeft);
            EXPECT_EQ(display.IsItWrongPosition(type, RIGHT), c.wrongRight);
            EXPECT_EQ(display.AreTheySwapped(type), c.swapped);
            EXPECT_EQ(display.AreAnyMissing(type), c.anyMissing);
            EXPECT_EQ(display.AreAnyKCM(type), c.anyKcm);
        }
    }
}

TEST(InkDisplayCarrier, AlignmentRequests) {
    struct Case {
        DWORD carrier, align1, align2;
        BOOL force, optional;
    };
    const Case cases[] = {
        {QOR_CARRIER_DUAL, 0, 0, 0, 0},      {QOR_CARRIER_DUAL, 1, 0, 1, 0},
        {QOR_CARRIER_DUAL, 0, 1, 1, 0},      {QOR_CARRIER_DUAL, 2, 0, 0, 1},
        {QOR_CARRIER_DUAL, 0, 2, 0, 1},      {QOR_CARRIER_DUAL, 1, 2, 1, 1},
        {QOR_CARRIER_DUAL, 3, 7, 0, 0},      {QOR_CARRIER_DUAL, 0xFFFFFFFF, 0, 0, 0},
        {QOR_CARRIER_SINGLE, 1, 2, 1, 0},    {QOR_CARRIER_SINGLE, 0, 1, 0, 0},
        {QOR_CARRIER_INK_TANKS, 0, 2, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.carrier << ": " << c.align1 << "," << c.align2);
        INKINFO ink = CarrierRecord(c.carrier, 80, 48);
        ink.bAlignCart1 = c.align1;
        ink.bAlignCart2 = c.align2;
        CGUIInkDisplay display(&ink);
        EXPECT_EQ(display.AnyForceAlignSet(), c.force);
        EXPECT_EQ(display.AnyOptionalAlignSet(), c.optional);
    }
}

TEST(InkDisplayCarrier, QuestionsFollowRewrittenIds) {
    INKINFO ink = CarrierRecord(QOR_CARRIER_DUAL, 80, 48);
    CGUIInkDisplay display;
    display.SetInkInfo(&ink);
    EXPECT_EQ(display.GetInkInfo(), &ink);
    EXPECT_FALSE(display.IsItWrongPosition(LOGICAL, LEFT));
    ink.LogCartID1 = 112;
    EXPECT_TRUE(display.IsItWrongPosition(LOGICAL, LEFT));
    EXPECT_FALSE(display.IsItWrongPosition(PHYSICAL, LEFT));
}

TEST(InkTankGeometry, FillFollowsTheClampedLevel) {
    const RECT inside{10, 20, 30, 120}; // 100 pixels high
    struct Case {
        long long level;
        LONG top;
    };
    const Case cases[] = {
        {0, 120},       {1, 119},         {50, 70},
        {99, 21},       {100, 20},        {-5, 120},
        {INT_MIN, 120}, {101, 20},        {QOR_NEW_CARTRIDGE_MARKER, 20},
        {INT_MAX, 20},  {LLONG_MIN, 120}, {LLONG_MAX, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        RECT fill = CGUIInkTank::FillArea(inside, c.level);
        EXPECT_EQ(fill.left, 10);
        EXPECT_EQ(fill.right, 30);
        EXPECT_EQ(fill.bottom, 120);
        EXPECT_EQ(fill.top, c.top);
    }
    // An inside turned upside down fills nothing.
    RECT odd = CGUIInkTank::FillArea(RECT{0, 50, 10, 0}, 80);
    EXPECT_EQ(odd.top, odd.bottom);
}

TEST(InkTankGeometry, LayoutStaysInsideTheControl) {
    const RECT controls[] = {
        {0, 0, 40, 80}, {5, 5, 6, 6}, {0, 0, 0, 0}, {10, 10, 0, 0}, {0, 0, 300, 20}};
    for (const RECT& control : controls) {
        for (bool caption : {true, false}) {
            RECT body{};
            RECT text{};
            CGUIInkTank::Layout(control, caption, body, text);
            EXPECT_LE(body.left, body.right);
            EXPECT_LE(body.top, body.bottom);
            EXPECT_GE(body.left, std::min(control.left, control.right));
            EXPECT_LE(body.right, std::max(control.left, control.right));
            EXPECT_GE(body.top, std::min(control.top, control.bottom));
            EXPECT_LE(body.bottom, std::max(control.top, control.bottom));
            if (text.bottom > text.top) {
                EXPECT_LE(body.bottom, text.top);
            }
            if (!caption) {
                EXPECT_EQ(text.top, text.bottom);
            }
        }
    }
}

TEST(InkTankState, CartridgeKindChoosesLookAndLevels) {
    INKINFO ink{};
    ink.nBlackLevel = 42;
    ink.nColorLevel1 = 70;
    ink.nColorLevel2 = -5;
    ink.nColorLevel3 = 376608;
    ink.nPhotoLevel1 = 10;
    ink.nPhotoLevel2 = 20;
    ink.nPhotoLevel3 = INT_MIN;
    struct Case {
        DWORD id;
        BOOL full;
        TankLook look;
        int levels[3];
        int shown;
    };
    const Case cases[] = {
        {53, FALSE, TankLook::Black, {42, 0, 0}, 42},
        {96, FALSE, TankLook::Color, {70, 0, 100}, 0},
        {143, FALSE, TankLook::Color, {70, 0, 100}, 0},
        {127, FALSE, TankLook::Photo, {10, 20, 0}, 0},
        {80, TRUE, TankLook::Color, {100, 100, 100}, 100},
        {32, FALSE, TankLook::Missing, {0, 0, 0}, 0},
        {999, FALSE, TankLook::Unidentified, {0, 0, 0}, 0},
        {16, FALSE, TankLook::Invalid, {0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        CGUIInkTank tank;
        tank.SetCartridge(c.id, &ink, c.full);
        EXPECT_EQ(tank.GetLook(), c.look);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(tank.GetLevel(i), c.levels[i]);
        EXPECT_EQ(tank.GetShownLevel(), c.shown);
    }
    CGUIInkTank noRecord;
    noRecord.SetCartridge(48, nullptr);
    EXPECT_EQ(noRecord.GetLook(), TankLook::Black);
    EXPECT_EQ(noRecord.GetLevel(), 0);
}

TEST(InkDisplayTanks, SlotsShowInksByCarrier) {
    CGUIInkTank tanks[5];
    CGUIInkTank* pointers[] = {&tanks[0], &tanks[1], &tanks[2], &tanks[3], &tanks[4]};
    INKINFO ink = CarrierRecord(QOR_CARRIER_INK_TANKS, 80, 48);
    ink.nBlackLevel = 11;
    ink.nColorLevel1 = 22;
    ink.nColorLevel2 = 33;
    ink.nColorLevel3 = 44;
    CGUIInkDisplay display(&ink);
    ASSERT_TRUE(display.InitializeInkTanks(5, pointers, 1));
    const TankLook tankLooks[] = {TankLook::Black, TankLook::Cyan, TankLook::Magenta,
                                  TankLook::Yellow, TankLook::Empty};
    const int tankLevels[] = {11, 22, 33, 44, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tanks[i].GetLook(), tankLooks[i]) << i;
        EXPECT_EQ(tanks[i].GetLevel(), tankLevels[i]) << i;
    }

    INKINFO cartridges = CarrierRecord(QOR_CARRIER_DUAL, 80, 112);
    cartridges.nColorLevel1 = 60;
    cartridges.nColorLevel2 = 50;
    cartridges.nColorLevel3 = 40;
    display.UpdateInkLevels(&cartridges);
    EXPECT_EQ(display.GetInkInfo(), &cartridges);
    EXPECT_EQ(tanks[0].GetLook(), TankLook::Color);
    EXPECT_EQ(tanks[0].GetShownLevel(), 40);
    EXPECT_EQ(tanks[1].GetLook(), TankLook::Photo);
    EXPECT_EQ(tanks[2].GetLook(), TankLook::Empty);

    cartridges.dwCarrierType = QOR_CARRIER_SINGLE;
    display.UpdateInkLevels(nullptr);
    EXPECT_EQ(tanks[1].GetLook(), TankLook::Empty);

    CGUIInkTank* tooMany[CGUIInkDisplay::kMaxTanks + 1] = {};
    EXPECT_FALSE(display.InitializeInkTanks(CGUIInkDisplay::kMaxTanks + 1, tooMany, 1));
    EXPECT_FALSE(display.InitializeInkTanks(2, nullptr, 1));
    EXPECT_TRUE(display.InitializeInkTanks({&tanks[0], nullptr}, 0));
    EXPECT_EQ(display.GetTankCount(), 2);
}
