// Properties over many generated records (a fixed seed, so every run sees the same records): the
// carrier state stays within what the options can produce, and position 2 of a one-position
// carrier never changes an outcome.
#include "CarrierTestSupport.h"
#include "TestLog.h"
#include "status/CartChangePath.h"
#include "status/InkCarrier.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <set>

using namespace carriertest;

namespace {

constexpr int kRecords = 20000;
// Each record of the position 2 check runs the path a dozen times.
constexpr int kOnePositionRecords = 5000;

// Ids by kind, so that every kind turns up often whatever the size of its family.
const std::vector<std::vector<DWORD>> kIdKinds = {
    {32},                 // missing
    {0, 16, 999, 1, 200}, // invalid, or no id reported
    {48, 53, 63, 64},     // black
    {80, 85, 95, 96},     // colour
    {112, 127, 175, 191}, // photo
    {128, 133, 143, 144}, // alternative colour
};

class RecordGenerator {
public:
    INKINFO Next() {
        INKINFO ink{};
        static const DWORD types[] = {QOR_CARRIER_DUAL,
                                      QOR_CARRIER_DUAL,
                                      QOR_CARRIER_DUAL,
                                      QOR_CARRIER_SINGLE,
                                      QOR_CARRIER_SINGLE,
                                      QOR_CARRIER_INK_TANKS,
                                      0};
        ink.dwCarrierType = types[Below(std::size(types))];
        static const LONG levels[] = {-5, 0, 12, 13, 14, 50, 100};
        LONG* fields[] = {&ink.nBlackLevel,  &ink.nColorLevel1, &ink.nColorLevel2,
                          &ink.nColorLevel3, &ink.nPhotoLevel1, &ink.nPhotoLevel2,
                          &ink.nPhotoLevel3};
        for (LONG* level : fields)
            *level = Below(4) == 0 ? levels[Below(std::size(levels))] : 50;
        ink.bCartChanged1 = Below(2);
        ink.bCartChanged2 = Below(2);
        ink.PhyCartID1 = Id();
        ink.PhyCartID2 = Id();
        // Often the accepted id is the sensed one, as after a confirmed change.
        ink.LogCartID1 = Below(3) == 0 ? ink.PhyCartID1 : Id();
        ink.LogCartID2 = Below(3) == 0 ? ink.PhyCartID2 : Id();
        return ink;
    }
    DWORD Port() {
        static const DWORD ports[] = {QOR_PORT_USB, QOR_PORT_PARALLEL, QOR_PORT_NETWORK,
                                      QOR_PORT_NO_STATUS};
        return ports[Below(std::size(ports))];
    }
    DWORD Below(size_t count) {
        return static_cast<DWORD>(std::uniform_int_distribution<size_t>(0, count - 1)(m_random));
    }

private:
    DWORD Id() {
        const std::vector<DWORD>& kind = kIdKinds[Below(kIdKinds.size())];
        return kind[Below(kind.size())];
    }
    std::mt19937 m_random{20240611};
};

struct OptionSet {
    const char* style;
    const char* format;
};

std::vector<OptionSet> AllOptionSets() {
    std::vector<OptionSet> sets;
    for (const char* style : {static_cast<const char*>(nullptr), "1", "2", "3"}) {
        for (const char* format : {static_cast<const char*>(nullptr), "1", "2", "3"})
            sets.push_back({style, format});
    }
    return sets;
}

bool Is(const char* option, const char* value) {
    return option && std::string(option) == value;
}

// The states the options can produce for a carrier kind.
std::set<int> Producible(const OptionSet& options, DWORD carrierType) {
    if (carrierType == QOR_CARRIER_SINGLE)
        return {SINGLEHEAD_K, SINGLEHEAD_CMY, SINGLEHEAD_MISSING, SINGLEHEAD_INVALID};
    if (carrierType != QOR_CARRIER_DUAL)
        return {UNKNOWN};
    if (!Is(options.format, "1") && !Is(options.format, "2"))
        return {DUALHEAD_MISSING_AND_MISSING, DUALHEAD_INVALID_AND_INVALID, DUALHEAD_CMY_AND_KCM,
                UNKNOWN};
    std::set<int> states = {
        DUALHEAD_MISSING_AND_MISSING, DUALHEAD_INVALID_AND_INVALID, DUALHEAD_INVALID_AND_K,
        DUALHEAD_INVALID_AND_MISSING, DUALHEAD_COLOR_AND_INVALID,   DUALHEAD_MISSING_AND_INVALID,
        DUALHEAD_CMY_AND_K,           DUALHEAD_CMY_AND_KCM,         UNKNOWN};
    // The one-cartridge style decides every case with a missing position itself.
    if (Is(options.style, "2"))
        states.insert({DUALHEAD_K_ONLY, DUALHEAD_CMY_ONLY});
    else
        states.insert({DUALHEAD_MISSING_AND_K, DUALHEAD_CMY_AND_MISSING});
    return states;
}

// Position 2 contents that decide much for a two-position carrier.
struct Position2 {
    DWORD changed, logical, physical;
};
const Position2 kFillers[] = {
    {0, 48, 48}, {1, 48, 32}, {0, 16, 16}, {0, 80, 80}, {1, 53, 112}, {0, 0, 0},
};

INKINFO WithPosition2(INKINFO ink, const Position2& filler) {
    ink.bCartChanged2 = filler.changed;
    ink.LogCartID2 = filler.logical;
    ink.PhyCartID2 = filler.physical;
    return ink;
}

struct PathOutcome {
    CartChangeFlags flags;
    INKINFO ink;
    std::vector<std::string> lines;
};

PathOutcome RunPath(INKINFO ink, DWORD port, BOOL postInstallCheck, bool withLog) {
    std::unique_ptr<TestLog> log = withLog ? std::make_unique<TestLog>() : nullptr;
    CartChangeFlags flags;
    flags.m_bPostInstallCheck = postInstallCheck;
    DetermineCartChangePath(flags, ink, port, NvoProduct());
    return {flags, ink, log ? log->Lines() : std::vector<std::string>()};
}

// The same outcome, leaving aside the position 2 fields of the record.
bool SameOutcome(const PathOutcome& a, const PathOutcome& b) {
    INKINFO left = a.ink;
    INKINFO right = b.ink;
    left.bCartChanged2 = right.bCartChanged2 = 0;
    left.LogCartID2 = right.LogCartID2 = 0;
    left.PhyCartID2 = right.PhyCartID2 = 0;
    return a.flags.m_bPromptNewCart1 == b.flags.m_bPromptNewCart1 &&
           a.flags.m_bPromptNewCart2 == b.flags.m_bPromptNewCart2 &&
           a.flags.m_bPromptCartVerify == b.flags.m_bPromptCartVerify &&
           a.flags.m_bPromptAlignment == b.flags.m_bPromptAlignment &&
           a.flags.m_bPromptInstallAlignment == b.flags.m_bPromptInstallAlignment &&
           std::memcmp(&left, &right, sizeof left) == 0 && a.lines == b.lines;
}

bool IsFlag(BOOL value) {
    return value == 0 || value == 1;
}

} // namespace

TEST(GeneratedRecords, CarrierStateStaysWithinWhatTheOptionsProduce) {
    const std::set<int> neverProduced = {DUALHEAD_INVALID_AND_COLOR, DUALHEAD_K_AND_INVALID,
                                         DUALHEAD_K_AND_CMY,         DUALHEAD_INVALID_ONLY,
                                         DUALHEAD_MISSING_AND_CMY,   DUALHEAD_K_AND_MISSING};
    const std::vector<OptionSet> optionSets = AllOptionSets();
    RecordGenerator generator;
    for (const OptionSet& set : optionSets) {
        ModelOptions options(set.style, set.format);
        const NvoProduct product;
        std::set<int> seen;
        std::set<int> producible;
        for (int index = 0; index < kRecords / static_cast<int>(optionSets.size()); ++index) {
            const INKINFO ink = generator.Next();
            const CarrierState state = ClassifyCarrier(ink, product);
            const std::set<int> allowed = Producible(set, ink.dwCarrierType);
            producible.insert(allowed.begin(), allowed.end());
            seen.insert(state);
            ASSERT_TRUE(allowed.count(state))
                << options.Describe() << ", carrier " << ink.dwCarrierType << ": state " << state;
            ASSERT_FALSE(neverProduced.count(state)) << state;
            if (index % 97 == 0) {
                InkCarrier carrier;
                carrier.GetCarrierState(&ink, product);
                ASSERT_EQ(carrier.m_CarrierState, state);
            }
        }
        // The generator reaches every state the options can produce.
        EXPECT_EQ(seen, producible) << options.Describe();
    }
}

TEST(GeneratedRecords, OnePositionCarrierStateIgnoresPosition2) {
    ModelOptions options("2", "2");
    const NvoProduct product;
    RecordGenerator generator;
    int decisive = 0;
    int singles = 0;
    for (int index = 0; index < kRecords; ++index) {
        INKINFO ink = generator.Next();
        if (ink.dwCarrierType != QOR_CARRIER_SINGLE)
            continue;
        ++singles;
        const CarrierState state = ClassifyCarrier(WithPosition2(ink, kFillers[0]), product);
        bool differsAsDual = false;
        for (const Position2& filler : kFillers) {
            INKINFO filled = WithPosition2(ink, filler);
            ASSERT_EQ(ClassifyCarrier(filled, product), state) << index;
            filled.dwCarrierType = QOR_CARRIER_DUAL;
            INKINFO first = WithPosition2(ink, kFillers[0]);
            first.dwCarrierType = QOR_CARRIER_DUAL;
            differsAsDual = differsAsDual ||
                            ClassifyCarrier(filled, product) != ClassifyCarrier(first, product);
        }
        decisive += differsAsDual;
    }
    // The fillers would decide a two-position carrier in most records.
    EXPECT_GT(decisive, singles / 2);
}

TEST(GeneratedRecords, ChangePathKeepsItsPromises) {
    const std::vector<OptionSet> optionSets = AllOptionSets();
    RecordGenerator generator;
    for (const OptionSet& set : optionSets) {
        ModelOptions options(set.style, set.format);
        const bool format = Is(set.format, "1") || Is(set.format, "2");
        for (int index = 0; index < kRecords / static_cast<int>(optionSets.size()); ++index) {
            const INKINFO before = generator.Next();
            const DWORD port = generator.Port();
            const BOOL postInstallCheck = generator.Below(2);
            const PathOutcome out = RunPath(before, port, postInstallCheck, false);
            const bool two = before.dwCarrierType != QOR_CARRIER_SINGLE;
            SCOPED_TRACE(options.Describe() + ", record " + std::to_string(index));

            ASSERT_TRUE(IsFlag(out.flags.m_bPromptNewCart1));
            ASSERT_TRUE(IsFlag(out.flags.m_bPromptNewCart2));
            ASSERT_TRUE(IsFlag(out.flags.m_bPromptCartVerify));
            ASSERT_TRUE(IsFlag(out.flags.m_bPromptAlignment));
            ASSERT_EQ(out.flags.m_bPromptInstallAlignment, FALSE);
            ASSERT_EQ(out.flags.m_bPostInstallCheck, postInstallCheck);
            // No position is left without an id.
            ASSERT_NE(out.ink.PhyCartID1, 0u);
            if (two) {
                ASSERT_NE(out.ink.PhyCartID2, 0u);
            }
            // The levels have the last word on the new-cartridge questions.
            if (format) {
                ASSERT_EQ(out.flags.m_bPromptNewCart2, before.nBlackLevel < 13);
                ASSERT_EQ(out.flags.m_bPromptNewCart1, before.nColorLevel1 < 13 ||
                                                           before.nColorLevel2 < 13 ||
                                                           before.nColorLevel3 < 13);
            }
            // A printer without status always has its cartridges confirmed.
            if (port == QOR_PORT_NO_STATUS) {
                ASSERT_TRUE(out.flags.m_bPromptCartVerify);
            }
            // An empty position always asks for a cartridge, unless the printer can print
            // with one.
            const bool empty1 = before.PhyCartID1 == 0 || before.PhyCartID1 == 32;
            const bool empty2 = two && (before.PhyCartID2 == 0 || before.PhyCartID2 == 32);
            if (!Is(set.style, "2") && (empty1 || empty2)) {
                ASSERT_TRUE(out.flags.m_bPromptCartVerify);
            }
            // Fields the path has no business with are left alone.
            ASSERT_EQ(out.ink.dwCarrierType, before.dwCarrierType);
            ASSERT_EQ(out.ink.bCartChanged1, before.bCartChanged1);
            ASSERT_EQ(out.ink.bCartChanged2, before.bCartChanged2);
            ASSERT_EQ(std::memcmp(&out.ink.nBlackLevel, &before.nBlackLevel, 7 * sizeof(LONG)), 0);
        }
    }
}

TEST(GeneratedRecords, ChangePathNeverReadsPosition2OfAOnePositionCarrier) {
    const std::vector<OptionSet> optionSets = AllOptionSets();
    RecordGenerator generator;
    int singles = 0;
    int decisive = 0;
    for (const OptionSet& set : optionSets) {
        ModelOptions options(set.style, set.format);
        for (int index = 0; index < kOnePositionRecords / static_cast<int>(optionSets.size());
             ++index) {
            const INKINFO ink = generator.Next();
            const DWORD port = generator.Port();
            const BOOL postInstallCheck = generator.Below(2);
            if (ink.dwCarrierType != QOR_CARRIER_SINGLE)
                continue;
            SCOPED_TRACE(options.Describe() + ", record " + std::to_string(index));
            // The whole log is compared for a share of the records (writing it costs time).
            const bool withLog = singles++ % 16 == 0;
            const PathOutcome reference =
                RunPath(WithPosition2(ink, kFillers[0]), port, postInstallCheck, withLog);
            INKINFO referenceAsDual = WithPosition2(ink, kFillers[0]);
            referenceAsDual.dwCarrierType = QOR_CARRIER_DUAL;
            const PathOutcome dualReference =
                RunPath(referenceAsDual, port, postInstallCheck, false);
            bool differsAsDual = false;
            for (const Position2& filler : kFillers) {
                const INKINFO filled = WithPosition2(ink, filler);
                const PathOutcome out = RunPath(filled, port, postInstallCheck, withLog);
                ASSERT_TRUE(SameOutcome(out, reference));
                ASSERT_TRUE(SameLines(out.lines, reference.lines));
                ASSERT_EQ(out.ink.bCartChanged2, filler.changed);
                ASSERT_EQ(out.ink.LogCartID2, filler.logical);
                ASSERT_EQ(out.ink.PhyCartID2, filler.physical);

                INKINFO asDual = filled;
                asDual.dwCarrierType = QOR_CARRIER_DUAL;
                differsAsDual =
                    differsAsDual ||
                    !SameOutcome(RunPath(asDual, port, postInstallCheck, false), dualReference);
            }
            decisive += differsAsDual;
        }
    }
    ASSERT_GT(singles, 1000);
    // The same fillers change the outcome of a two-position carrier in most records.
    EXPECT_GT(decisive, singles / 2);
}
