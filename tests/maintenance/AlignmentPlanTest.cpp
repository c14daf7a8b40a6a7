// The alignment wizard's decisions: the pages of its sheet, where each value starts and where the
// typed values go in the alignment record.
#include "InkRecords.h"
#include "../carrier/CarrierTestSupport.h"
#include "resource.h"
#include "status/AlignmentPlan.h"

#include <gtest/gtest.h>

using namespace carriertest;

namespace {
using testing_support::CarrierRecord;
constexpr DWORD kDual = QOR_CARRIER_DUAL;
constexpr DWORD kSingle = QOR_CARRIER_SINGLE;
constexpr DWORD kTanks = QOR_CARRIER_INK_TANKS;
using P = AlignPage;
} // namespace

TEST(AlignmentPlan, TheSheetHoldsThePagesOfTheModelAndTheCarrier) {
    struct Case {
        bool autoSupported;
        INKINFO ink;
        std::vector<AlignPage> pages;
    };
    const Case cases[] = {
        {true,
         CarrierRecord(kTanks, 0, 0),
         {P::AutoStart, P::AutoResult, P::CartValues, P::SingleValues, P::PhotoValues}},
        {false, CarrierRecord(kTanks, 0, 0), {P::Start, P::TankValues1, P::TankValues2}},
        {false, CarrierRecord(kDual, kColour, kBlack), {P::Start, P::CartValues}},
        {false, CarrierRecord(kDual, kColour, kPhoto), {P::Start, P::PhotoValues}},
        // A missing cartridge wins over a photo one.
        {false, CarrierRecord(kDual, kMissing, kPhoto), {P::Start, P::SingleValues}},
        {false, CarrierRecord(kDual, kColour, kMissing), {P::Start, P::SingleValues}},
        {false, CarrierRecord(kSingle, kBlack, kMissing), {P::Start, P::SingleValues}},
        {false, CarrierRecord(0, kColour, kBlack), {}},
        {false, CarrierRecord(77, kColour, kBlack), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.autoSupported << " carrier " << c.ink.dwCarrierType
                                        << " " << c.ink.LogCartID1 << "/" << c.ink.LogCartID2);
        EXPECT_EQ(PlanAlignSheet(c.autoSupported, c.ink), c.pages);
    }
}

TEST(AlignmentPlan, AStoredValueOutsideItsRangeStartsAtTheDefault) {
    const INKINFO ink = CarrierRecord(kDual, kColour, kBlack);
    struct Case {
        AlignPage page;
        size_t value;
        DWORD stored;
        int start;
    };
    const Case cases[] = {
        {P::CartValues, 0, 9, 9},    {P::CartValues, 0, 14, 14},
        {P::CartValues, 0, 15, 7},   {P::CartValues, 0, 0xFFFFFFFF, 7}, // not -1
        {P::CartValues, 2, 20, 20},  {P::CartValues, 2, 21, 10},
        {P::TankValues1, 4, 30, 30}, {P::TankValues1, 4, 31, 15},
        {P::TankValues2, 0, 0, 0},   {P::TankValues2, 3, 0, 10}, // 4 to 6 start at 1
        {P::TankValues2, 3, 1, 1},   {P::PhotoValues, 3, 0x80000000, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.page) << " value " << c.value << " stored " << c.stored);
        const std::vector<AlignValue> values = ValuesOf(c.page, ink);
        ASSERT_LT(c.value, values.size());
        ALIGNINFO align{};
        align.dwValue[values[c.value].startField] = c.stored;
        EXPECT_EQ(StartValue(values[c.value], align), c.start);
    }
}

TEST(AlignmentPlan, TheValuesGoToTheirFields) {
    const INKINFO dual = CarrierRecord(kDual, kColour, kBlack);
    struct Case {
        AlignPage page;
        std::vector<int> typed;
        std::vector<std::pair<int, DWORD>> fields; // field, value; every other field stays 99
    };
    const Case cases[] = {
        {P::TankValues1, {1, 2, 3, 4, 5}, {{7, 1}, {8, 2}, {9, 3}, {10, 4}, {11, 5}}},
        {P::TankValues2,
         {1, 2, 3, 4, 5, 6},
         {{0, 1}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}},
        {P::CartValues, {1, 2, 3, 4}, {{1, 1}, {2, 2}, {3, 3}, {5, 3}, {4, 4}, {6, 4}}},
        {P::PhotoValues, {1, 2, 3, 4}, {{7, 1}, {8, 2}, {9, 3}, {10, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.page));
        ALIGNINFO align;
        std::fill(std::begin(align.dwValue), std::end(align.dwValue), 99u);
        WriteAlignValues(c.page, c.typed, dual, align);
        ALIGNINFO expected;
        std::fill(std::begin(expected.dwValue), std::end(expected.dwValue), 99u);
        for (const auto& [field, value] : c.fields)
            expected.dwValue[field] = value;
        for (int field = 0; field < QOR_ALIGN_VALUES; ++field)
            EXPECT_EQ(align.dwValue[field], expected.dwValue[field]) << "field " << field;
    }
}

TEST(AlignmentPlan, TheOneCartridgePageKeepsToOnePositionForStartPictureAndFields) {
    // The position the page is about decides its range, its start field, its picture and the
    // fields its value goes to, alike.
    struct Case {
        INKINFO ink;
        int high;
        int startField; // 3 black, 4 otherwise
        UINT picture;
    };
    const Case cases[] = {
        // A dual carrier with a cartridge missing is about the right position, range 0..20.
        {CarrierRecord(kDual, kMissing, kBlack), 20, 3, IDB_ALIGN_CARRIER_BLACK},
        {CarrierRecord(kDual, kColour, kMissing), 20, 4, IDB_ALIGN_CARRIER_COLOUR},
        // One position: the left one, range 0..14, black or not.
        {CarrierRecord(kSingle, kBlack, kMissing), 14, 3, IDB_ALIGN_CARRIER_BLACK},
        {CarrierRecord(kSingle, kColour, kBlack), 14, 4, IDB_ALIGN_CARRIER_COLOUR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.ink.dwCarrierType << " " << c.ink.LogCartID1 << "/" << c.ink.LogCartID2);
        const std::vector<AlignValue> values = ValuesOf(P::SingleValues, c.ink);
        ASSERT_EQ(values.size(), 1u);
        EXPECT_EQ(values[0].high, c.high);
        EXPECT_EQ(values[0].startField, c.startField);
        EXPECT_EQ(AlignPictureOf(P::SingleValues, c.ink, DUALHEAD_CMY_AND_K), c.picture);
        ALIGNINFO align{};
        WriteAlignValues(P::SingleValues, {6}, c.ink, align);
        const int other = c.startField == 3 ? 4 : 3;
        EXPECT_EQ(align.dwValue[c.startField], 6u);
        EXPECT_EQ(align.dwValue[c.startField + 2], 6u);
        EXPECT_EQ(align.dwValue[other], 0u);
        EXPECT_EQ(align.dwValue[other + 2], 0u);
    }
}

TEST(AlignmentPlan, TheTwoCartridgePageShowsTheCartridgesInTheCarrier) {
    const INKINFO ink = CarrierRecord(kDual, kColour, kBlack);
    EXPECT_EQ(AlignPictureOf(P::CartValues, ink, DUALHEAD_K_ONLY), IDB_ALIGN_CARRIER_BLACK);
    EXPECT_EQ(AlignPictureOf(P::CartValues, ink, DUALHEAD_CMY_ONLY), IDB_ALIGN_CARRIER_COLOUR);
    EXPECT_EQ(AlignPictureOf(P::CartValues, ink, DUALHEAD_CMY_AND_K), IDB_ALIGN_CARRIER_BOTH);
    EXPECT_EQ(AlignPictureOf(P::Start, ink, DUALHEAD_CMY_AND_K), 0u);
}

TEST(AlignmentPlan, TheAutomaticResultShowsTheCarriageItAligns) {
    const struct {
        INKINFO ink;
        UINT picture;
    } cases[] = {
        {CarrierRecord(kDual, kColour, kBlack), IDB_AUTO_ALIGN_CARRIER_BOTH},
        {CarrierRecord(kDual, kColour, kPhoto), IDB_AUTO_ALIGN_CARRIER_PHOTO},
        {CarrierRecord(kDual, kMissing, kBlack), IDB_AUTO_ALIGN_CARRIER_BLACK},
        {CarrierRecord(kDual, kColour, kMissing), IDB_AUTO_ALIGN_CARRIER_COLOUR},
        // The automatic alignment asks only about the cartridges, never the carrier type.
        {CarrierRecord(kTanks, kColour, kBlack), IDB_AUTO_ALIGN_CARRIER_BOTH},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AutoResultPictureOf(c.ink), c.picture)
            << c.ink.dwCarrierType << " " << c.ink.LogCartID1 << " " << c.ink.LogCartID2;
}
