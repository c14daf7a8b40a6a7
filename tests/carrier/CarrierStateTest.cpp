// The carrier state: every rule of the classification, its order, the choice of the ids and the
// log lines.
#include "CarrierTestSupport.h"
#include "TestLog.h"
#include "status/InkCarrier.h"

#include <gtest/gtest.h>

using namespace carriertest;

namespace {

struct DualCase {
    const char* why;
    const char* style;
    const char* format;
    DWORD left;
    DWORD right;
    CarrierState expected;
};

void ExpectStates(const std::vector<DualCase>& cases) {
    for (const DualCase& c : cases) {
        ModelOptions options(c.style, c.format);
        const INKINFO ink = DualInk(c.left, c.right);
        InkCarrier carrier;
        carrier.GetCarrierState(&ink);
        EXPECT_EQ(carrier.m_CarrierState, c.expected)
            << c.why << " (" << options.Describe() << ", ids " << c.left << ", " << c.right << ")";
    }
}

} // namespace

TEST(CarrierState, NamesAsTheLogWritesThem) {
    const char* const names[] = {
        "DUALHEAD_MISSING_AND_MISSING",
        "DUALHEAD_INVALID_AND_INVALID",
        "DUALHEAD_INVALID_AND_K",
        "DUALHEAD_INVALID_AND_MISSING",
        "DUALHEAD_INVALID_AND_COLOR",
        "DUALHEAD_K_AND_INVALID",
        "DUALHEAD_COLOR_AND_INVALID",
        "DUALHEAD_MISSING_AND_INVALID",
        "DUALHEAD_CMY_AND_K",
        "DUALHEAD_K_AND_CMY",
        "DUALHEAD_CMY_AND_KCM",
        "DUALHEAD_K_ONLY",
        "DUALHEAD_CMY_ONLY",
        "DUALHEAD_INVALID_ONLY",
        "DUALHEAD_MISSING_AND_K",
        "DUALHEAD_MISSING_AND_CMY",
        "DUALHEAD_K_AND_MISSING",
        "DUALHEAD_CMY_AND_MISSING",
        "SINGLEHEAD_K",
        "SINGLEHEAD_CMY",
        "SINGLEHEAD_MISSING",
        "SINGLEHEAD_INVALID",
        "UNKNOWN",
    };
    for (int state = 0; state <= 22; ++state)
        EXPECT_STREQ(CarrierStateName(state), names[state]) << state;
    EXPECT_EQ(CarrierStateName(-1), nullptr);
    EXPECT_EQ(CarrierStateName(23), nullptr);
    // Spot checks that the enumerators carry the values the names stand for.
    EXPECT_EQ(DUALHEAD_CMY_AND_K, 8);
    EXPECT_EQ(DUALHEAD_MISSING_AND_K, 14);
    EXPECT_EQ(SINGLEHEAD_K, 18);
    EXPECT_EQ(UNKNOWN, 22);
}

TEST(CarrierState, UnknownBeforeTheFirstClassification) {
    InkCarrier carrier;
    EXPECT_EQ(carrier.m_CarrierState, UNKNOWN);
}

TEST(CarrierState, TwoPositionRulesInTheirOrder) {
    ExpectStates({
        // Rule 1 and 2: both missing, both invalid, whatever the format.
        {"both missing", "1", "1", kMissing, kMissing, DUALHEAD_MISSING_AND_MISSING},
        {"both missing, format 3", "1", "3", kMissing, kMissing, DUALHEAD_MISSING_AND_MISSING},
        {"both missing, no options", nullptr, nullptr, kMissing, kMissing,
         DUALHEAD_MISSING_AND_MISSING},
        {"both invalid", "1", "1", kInvalid, kInvalid, DUALHEAD_INVALID_AND_INVALID},
        {"both invalid, other invalid ids", "1", "1", kUnidentified, 0,
         DUALHEAD_INVALID_AND_INVALID},
        {"both invalid, format 3", "1", "3", kInvalid, 1234, DUALHEAD_INVALID_AND_INVALID},
        // Rule 3: position 1 invalid.
        {"invalid and black", "1", "1", kInvalid, kBlack, DUALHEAD_INVALID_AND_K},
        {"invalid and colour", "1", "1", kInvalid, kColour, DUALHEAD_INVALID_AND_INVALID},
        {"invalid and missing", "1", "2", kInvalid, kMissing, DUALHEAD_INVALID_AND_MISSING},
        {"invalid and photo", "1", "1", kInvalid, kPhoto, UNKNOWN},
        {"invalid and alternative colour", "1", "1", kInvalid, kAltColour, UNKNOWN},
        {"invalid and black, format 3", "1", "3", kInvalid, kBlack, UNKNOWN},
        // Rule 4: position 2 invalid.
        {"black and invalid", "1", "1", kBlack, kInvalid, DUALHEAD_INVALID_AND_INVALID},
        {"colour and invalid", "1", "2", kColour, kInvalid, DUALHEAD_COLOR_AND_INVALID},
        {"missing and invalid", "1", "1", kMissing, kInvalid, DUALHEAD_MISSING_AND_INVALID},
        {"photo and invalid", "1", "1", kPhoto, kInvalid, UNKNOWN},
        {"colour and invalid, no format", "1", nullptr, kColour, kInvalid, UNKNOWN},
        // Rule 5: print style 2, position 1 missing.
        {"style 2, missing and black", "2", "1", kMissing, kBlack, DUALHEAD_K_ONLY},
        {"style 2, missing and colour", "2", "2", kMissing, kColour, DUALHEAD_MISSING_AND_INVALID},
        {"style 2, missing and photo", "2", "1", kMissing, kPhoto, UNKNOWN},
        {"style 2, missing and black, format 3", "2", "3", kMissing, kBlack, UNKNOWN},
        // Rule 6: print style 2, position 2 missing.
        {"style 2, black and missing", "2", "1", kBlack, kMissing, DUALHEAD_INVALID_AND_MISSING},
        {"style 2, colour and missing", "2", "2", kColour, kMissing, DUALHEAD_CMY_ONLY},
        {"style 2, photo and missing", "2", "1", kPhoto, kMissing, UNKNOWN},
        // Rule 7: position 1 missing.
        {"missing and black, format 1", "1", "1", kMissing, kBlack, DUALHEAD_MISSING_AND_K},
        {"missing and black, format 2", "1", "2", kMissing, kBlack, DUALHEAD_MISSING_AND_K},
        {"missing and photo, format 1", "1", "1", kMissing, kPhoto, UNKNOWN},
        {"missing and photo, format 2", "1", "2", kMissing, kPhoto, DUALHEAD_MISSING_AND_K},
        {"missing and colour, format 1", "1", "1", kMissing, kColour, DUALHEAD_MISSING_AND_INVALID},
        {"missing and colour, format 2", "3", "2", kMissing, kColour, DUALHEAD_MISSING_AND_INVALID},
        {"missing and black, format 3", "1", "3", kMissing, kBlack, UNKNOWN},
        {"missing and alternative colour", "1", "1", kMissing, kAltColour, UNKNOWN},
        // Rule 8: position 2 missing.
        {"black and missing", "1", "1", kBlack, kMissing, DUALHEAD_INVALID_AND_MISSING},
        {"colour and missing", "1", "2", kColour, kMissing, DUALHEAD_CMY_AND_MISSING},
        {"photo and missing", "1", "1", kPhoto, kMissing, UNKNOWN},
        {"colour and missing, format 3", "1", "3", kColour, kMissing, UNKNOWN},
        // Rule 9: both present.
        {"colour and photo", "1", "1", kColour, kPhoto, DUALHEAD_CMY_AND_KCM},
        {"photo and black", "1", "2", kPhoto, kBlack, DUALHEAD_CMY_AND_KCM},
        {"photo and photo", "1", "1", kPhoto, kPhoto, DUALHEAD_CMY_AND_KCM},
        {"colour and photo, format 3", "1", "3", kColour, kPhoto, DUALHEAD_CMY_AND_KCM},
        {"colour and black", "1", "1", kColour, kBlack, DUALHEAD_CMY_AND_K},
        {"colour and black, other ids", "1", "2", QOR_CART_COLOR_96, QOR_CART_BLACK_64,
         DUALHEAD_CMY_AND_K},
        {"swapped", "1", "1", kBlack, kColour, DUALHEAD_INVALID_AND_INVALID},
        {"black and black", "1", "1", kBlack, kBlack, DUALHEAD_INVALID_AND_K},
        {"colour and colour", "1", "2", kColour, kColour, DUALHEAD_COLOR_AND_INVALID},
        {"alternative colour and black", "1", "1", kAltColour, kBlack, UNKNOWN},
        {"colour and black, format 3", "1", "3", kColour, kBlack, UNKNOWN},
        {"colour and black, no format", "1", nullptr, kColour, kBlack, UNKNOWN},
    });
}

TEST(CarrierState, OrderOfTheRulesDecides) {
    ExpectStates({
        // Both missing is tested before anything about invalid cartridges.
        {"both missing first", "1", "1", kMissing, kMissing, DUALHEAD_MISSING_AND_MISSING},
        // Invalidity before absence: an invalid cartridge beside a missing one is judged by the
        // invalid-position rules (the missing rules would give no state for it).
        {"invalid before missing", "1", "1", kInvalid, kMissing, DUALHEAD_INVALID_AND_MISSING},
        {"invalid before style 2", "2", "1", kMissing, kInvalid, DUALHEAD_MISSING_AND_INVALID},
        // The one-cartridge style comes before the ordinary missing rules, and decides even when
        // none of its choices holds.
        {"style 2 black alone", "2", "1", kMissing, kBlack, DUALHEAD_K_ONLY},
        {"ordinary black alone", "1", "1", kMissing, kBlack, DUALHEAD_MISSING_AND_K},
        {"style 2 colour alone", "2", "1", kColour, kMissing, DUALHEAD_CMY_ONLY},
        {"ordinary colour alone", "1", "1", kColour, kMissing, DUALHEAD_CMY_AND_MISSING},
        {"style 2 photo alone", "2", "2", kMissing, kPhoto, UNKNOWN},
        {"ordinary photo alone", "1", "2", kMissing, kPhoto, DUALHEAD_MISSING_AND_K},
        // The photo test comes before placement.
        {"photo before swapped", "1", "1", kPhoto, kColour, DUALHEAD_CMY_AND_KCM},
        {"photo before black and black", "1", "1", kBlack, kPhoto, DUALHEAD_CMY_AND_KCM},
    });
}

TEST(CarrierState, FormatNeitherOneNorTwoLeavesOnlyTheFormatFreeStates) {
    const DWORD ids[] = {kMissing, kInvalid, kBlack, kColour, kPhoto, kAltColour, kUnidentified};
    for (const char* format : {"3", "0", "", static_cast<const char*>(nullptr)}) {
        for (const char* style : {"1", "2"}) {
            ModelOptions options(style, format);
            for (DWORD left : ids) {
                for (DWORD right : ids) {
                    const INKINFO ink = DualInk(left, right);
                    const CarrierState state = ClassifyCarrier(ink, NvoProduct());
                    EXPECT_TRUE(state == DUALHEAD_MISSING_AND_MISSING ||
                                state == DUALHEAD_INVALID_AND_INVALID ||
                                state == DUALHEAD_CMY_AND_KCM || state == UNKNOWN)
                        << options.Describe() << ", ids " << left << ", " << right << ": " << state;
                }
            }
        }
    }
}

TEST(CarrierState, ChoiceOfTheIds) {
    ModelOptions options("1", "1");
    struct Case {
        const char* why;
        DWORD changed1, log1, phy1, changed2, log2, phy2;
        CarrierState expected;
    } const cases[] = {
        {"accepted ids", 0, kColour, kMissing, 0, kBlack, kMissing, DUALHEAD_CMY_AND_K},
        {"a change makes the sensed id count", 1, kColour, kMissing, 0, kBlack, kMissing,
         DUALHEAD_MISSING_AND_K},
        {"a change in position 2", 0, kColour, kBlack, 1, kBlack, kMissing,
         DUALHEAD_CMY_AND_MISSING},
        {"logical 16 without a change: the sensed id", 0, kInvalid, kColour, 0, kBlack, kMissing,
         DUALHEAD_CMY_AND_K},
        {"logical 16 in position 2", 0, kColour, kColour, 0, kInvalid, kPhoto,
         DUALHEAD_CMY_AND_KCM},
        {"logical 16 and physical 16", 0, kInvalid, kInvalid, 0, kBlack, kBlack,
         DUALHEAD_INVALID_AND_K},
        {"another invalid logical id is kept", 0, kUnidentified, kColour, 0, kBlack, kBlack,
         DUALHEAD_INVALID_AND_K},
        {"a change flag of any nonzero value", 7, kColour, kMissing, 0, kBlack, kBlack,
         DUALHEAD_MISSING_AND_K},
    };
    for (const Case& c : cases) {
        INKINFO ink = DualInk(0, 0);
        ink.bCartChanged1 = c.changed1;
        ink.LogCartID1 = c.log1;
        ink.PhyCartID1 = c.phy1;
        ink.bCartChanged2 = c.changed2;
        ink.LogCartID2 = c.log2;
        ink.PhyCartID2 = c.phy2;
        EXPECT_EQ(ClassifyCarrier(ink, NvoProduct()), c.expected) << c.why;
    }
}

TEST(CarrierState, OnePositionCarrier) {
    ModelOptions options("1", "1");
    struct Case {
        DWORD changed, log, phy;
        CarrierState expected;
    } const cases[] = {
        {0, kBlack, kBlack, SINGLEHEAD_K},
        {0, kColour, kColour, SINGLEHEAD_CMY},
        {0, kMissing, kMissing, SINGLEHEAD_MISSING},
        {0, kInvalid, kInvalid, SINGLEHEAD_INVALID},
        {0, kPhoto, kPhoto, SINGLEHEAD_INVALID},
        {0, kAltColour, kAltColour, SINGLEHEAD_INVALID},
        {0, kUnidentified, kUnidentified, SINGLEHEAD_INVALID},
        {0, 0, 0, SINGLEHEAD_INVALID},
        {1, kColour, kBlack, SINGLEHEAD_K},
        {0, kInvalid, kColour, SINGLEHEAD_CMY},
    };
    // Position 2 holds ids that would decide a two-position carrier; they must not count.
    const DWORD fillers[] = {kMissing, kInvalid, kBlack, kColour, kPhoto};
    for (const Case& c : cases) {
        for (DWORD filler : fillers) {
            for (DWORD changed2 : {0u, 1u}) {
                INKINFO ink = SingleInk(0);
                ink.bCartChanged1 = c.changed;
                ink.LogCartID1 = c.log;
                ink.PhyCartID1 = c.phy;
                ink.bCartChanged2 = changed2;
                ink.LogCartID2 = ink.PhyCartID2 = filler;
                EXPECT_EQ(ClassifyCarrier(ink, NvoProduct()), c.expected)
                    << "ids " << c.log << "/" << c.phy << ", position 2 " << filler;
            }
        }
    }
}

TEST(CarrierState, OtherCarrierKindsAreUnknown) {
    ModelOptions options("1", "1");
    for (DWORD type : {0u, 1u, 4u, 0xFFFFFFFFu}) {
        INKINFO ink = DualInk(kColour, kBlack);
        ink.dwCarrierType = type;
        InkCarrier carrier;
        carrier.m_CarrierState = DUALHEAD_CMY_AND_K;
        carrier.GetCarrierState(&ink);
        EXPECT_EQ(carrier.m_CarrierState, UNKNOWN) << "carrier type " << type;
    }
}

TEST(CarrierState, EveryClassificationStartsAfresh) {
    ModelOptions options("1", "1");
    InkCarrier carrier;
    const INKINFO fitted = DualInk(kColour, kBlack);
    carrier.GetCarrierState(&fitted);
    ASSERT_EQ(carrier.m_CarrierState, DUALHEAD_CMY_AND_K);
    const INKINFO noState = DualInk(kPhoto, kMissing);
    carrier.GetCarrierState(&noState);
    EXPECT_EQ(carrier.m_CarrierState, UNKNOWN);
}

TEST(CarrierState, LogsTheStateByNumberAndName) {
    ModelOptions options("1", "1");
    struct Case {
        INKINFO ink;
        std::vector<std::string> lines;
    } const cases[] = {
        {DualInk(kColour, kBlack),
         {"InkCarrier::GetCarrierState() <m_CarrierState>", "8", "DUALHEAD_CMY_AND_K"}},
        {DualInk(kMissing, kBlack),
         {"InkCarrier::GetCarrierState() <m_CarrierState>", "14", "DUALHEAD_MISSING_AND_K"}},
        {SingleInk(kMissing),
         {"InkCarrier::GetCarrierState() <m_CarrierState>", "20", "SINGLEHEAD_MISSING"}},
        {DualInk(kPhoto, kMissing),
         {"InkCarrier::GetCarrierState() <m_CarrierState>", "22", "UNKNOWN"}},
    };
    for (const Case& c : cases) {
        TestLog log;
        InkCarrier carrier;
        carrier.GetCarrierState(&c.ink);
        EXPECT_TRUE(SameLines(log.Lines(), c.lines));
    }
}

TEST(CarrierState, ValuesOutsideTheSetAreLoggedAsUnsure) {
    for (int state : {23, -1, 1000}) {
        TestLog log;
        InkCarrier::LogCarrierState(state);
        EXPECT_TRUE(SameLines(log.Lines(), {"InkCarrier::GetCarrierState() <m_CarrierState>",
                                            std::to_string(state),
                                            "Not sure what the carrier status is...check the "
                                            "debug code switch statement..."}));
    }
}

TEST(CarrierState, NoRecordIsAnErrorAndUnknown) {
    TestLog log;
    InkCarrier carrier;
    carrier.m_CarrierState = DUALHEAD_CMY_AND_K;
    carrier.GetCarrierState(nullptr);
    EXPECT_EQ(carrier.m_CarrierState, UNKNOWN);
    EXPECT_TRUE(log.Contains("InkCarrier::GetCarrierState() no ink record"));
    EXPECT_TRUE(
        log.HasSequence({"InkCarrier::GetCarrierState() <m_CarrierState>", "22", "UNKNOWN"}));
}
