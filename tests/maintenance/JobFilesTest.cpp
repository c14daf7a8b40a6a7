// The maintenance job files: the table of names, the file each cleaning and alignment page sends,
// the automatic alignment's step and the cartridge-change guard. A decision is checked against
// the entry of its role, not only the text, since several roles send files of equal names.
#include "../carrier/CarrierTestSupport.h"
#include "status/JobFiles.h"

#include <gtest/gtest.h>

#include <set>

using namespace carriertest;

namespace {
// A record whose accepted (logical) ids are these, while the printer senses unidentified
// cartridges in both positions: a decision that read the physical ids would answer as for two
// cartridges of no kind.
INKINFO Carrier(DWORD carrierType, DWORD left, DWORD right) {
    INKINFO ink{};
    ink.dwCarrierType = carrierType;
    ink.LogCartID1 = left;
    ink.LogCartID2 = right;
    ink.PhyCartID1 = ink.PhyCartID2 = kUnidentified;
    return ink;
}
INKINFO Dual(DWORD left, DWORD right) {
    return Carrier(QOR_CARRIER_DUAL, left, right);
}
// One position; the position 2 field holds an id that must not matter.
INKINFO Single(DWORD id, DWORD unread) {
    return Carrier(QOR_CARRIER_SINGLE, id, unread);
}
} // namespace

TEST(JobFiles, EachRoleIsItsOwnEntryNamedByTheFamilyAndItsStem) {
    struct Case {
        JobFile role;
        const char* name;
    };
    const Case cases[] = {
        {JobFile::AlignmentInkTanks, "vqtralbu.out"},
        {JobFile::AlignmentInstall, "vqtralbi.out"},
        {JobFile::CleaningKOnly, "vqtrcln.out"},
        {JobFile::CleaningCmyOnly, "vqtrcln.out"},
        {JobFile::CleaningPhoto, "vqtrphcl.out"},
        {JobFile::CleaningCmyAndK, "vqtrcln.out"},
        {JobFile::CleaningSingleK, "vqtrkcln.out"},
        {JobFile::CleaningSingleCmy, "vqtrccln.out"},
        {JobFile::AlignmentSingleBlack, "vqtrkaln.out"},
        {JobFile::AlignmentSingleColour, "vqtrcaln.out"},
        {JobFile::AlignmentMissingBlack, "vqtrkaln.out"},
        {JobFile::AlignmentMissingColour, "vqtrcaln.out"},
        {JobFile::AlignmentPhoto, "vqtrphal.out"},
        {JobFile::AlignmentColourAndBlack, "vqtralgn.out"},
        {JobFile::AutoColourAndBlack, "vqtraual.out"},
        {JobFile::AutoColourAndPhoto, "vqtrphau.out"},
        {JobFile::AutoBlack, "vqtrkau.out"},
        {JobFile::AutoColour, "vqtrcau.out"},
        {JobFile::TestPage, "vqtrmcal.out"},
    };
    std::set<const char*> entries;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(JobFileName(c.role), c.name);
        // Roles that send equal names may be given different ones without touching the others.
        EXPECT_TRUE(entries.insert(JobFileName(c.role)).second)
            << "shares its entry with another role";
    }
}

TEST(JobFiles, TheCleaningPageSendsTheFileOfItsCarrierStateAndNothingForAnyOther) {
    struct Case {
        CarrierState state;
        const char* file;
    };
    const Case cases[] = {
        {DUALHEAD_CMY_AND_K, JobFileName(JobFile::CleaningCmyAndK)},
        {DUALHEAD_K_AND_CMY, JobFileName(JobFile::CleaningCmyAndK)},
        {DUALHEAD_CMY_AND_KCM, JobFileName(JobFile::CleaningPhoto)},
        {DUALHEAD_K_ONLY, JobFileName(JobFile::CleaningKOnly)},
        {DUALHEAD_CMY_ONLY, JobFileName(JobFile::CleaningCmyOnly)},
        {SINGLEHEAD_K, JobFileName(JobFile::CleaningSingleK)},
        {SINGLEHEAD_CMY, JobFileName(JobFile::CleaningSingleCmy)},
        {DUALHEAD_MISSING_AND_MISSING, nullptr},
        {DUALHEAD_INVALID_ONLY, nullptr},
    };
    std::set<int> listed;
    for (const Case& c : cases) {
        SCOPED_TRACE(CarrierStateName(c.state));
        EXPECT_EQ(CleaningJobFile(c.state), c.file);
        listed.insert(c.state);
    }
    for (int state = DUALHEAD_MISSING_AND_MISSING; state <= UNKNOWN; ++state) {
        if (listed.count(state) == 0) {
            SCOPED_TRACE(CarrierStateName(state));
            EXPECT_EQ(CleaningJobFile(static_cast<CarrierState>(state)), nullptr);
        }
    }
}

TEST(JobFiles, TheManualAlignmentFileFollowsTheCarrierTypeAndTheAcceptedCartridgesInOrder) {
    struct Case {
        const char* what;
        INKINFO ink;
        bool missingRowsApply;
        const char* file;
    };
    const char* const none = nullptr;
    const Case cases[] = {
        {"ink tanks", Carrier(QOR_CARRIER_INK_TANKS, kMissing, kMissing), true,
         JobFileName(JobFile::AlignmentInkTanks)},
        {"ink tanks, missing rows off", Carrier(QOR_CARRIER_INK_TANKS, kMissing, kMissing), false,
         JobFileName(JobFile::AlignmentInkTanks)},
        // Two positions: a missing cartridge comes before the photo test.
        {"black right, left missing", Dual(kMissing, kBlack), true,
         JobFileName(JobFile::AlignmentMissingBlack)},
        {"colour left, right missing", Dual(kColour, kMissing), true,
         JobFileName(JobFile::AlignmentMissingColour)},
        {"photo right, left missing", Dual(kMissing, kPhoto), true,
         JobFileName(JobFile::AlignmentMissingColour)},
        {"black left, right missing", Dual(kBlack, kMissing), true,
         JobFileName(JobFile::AlignmentMissingColour)},
        {"both missing", Dual(kMissing, kMissing), true,
         JobFileName(JobFile::AlignmentMissingColour)},
        {"colour and photo", Dual(kColour, kPhoto), true, JobFileName(JobFile::AlignmentPhoto)},
        {"photo left, black right", Dual(kPhoto, kBlack), true,
         JobFileName(JobFile::AlignmentPhoto)},
        {"colour and black", Dual(kColour, kBlack), true,
         JobFileName(JobFile::AlignmentColourAndBlack)},
        {"swapped", Dual(kBlack, kColour), true, JobFileName(JobFile::AlignmentColourAndBlack)},
        {"invalid and unidentified", Dual(kInvalid, kUnidentified), true,
         JobFileName(JobFile::AlignmentColourAndBlack)},
        // Without the missing rows (print style other than 2): the photo test, then the rest.
        {"black right, left missing, rows off", Dual(kMissing, kBlack), false,
         JobFileName(JobFile::AlignmentColourAndBlack)},
        {"photo right, left missing, rows off", Dual(kMissing, kPhoto), false,
         JobFileName(JobFile::AlignmentPhoto)},
        {"colour left, right missing, rows off", Dual(kColour, kMissing), false,
         JobFileName(JobFile::AlignmentColourAndBlack)},
        // One position: only the left id counts, and the missing rows are not its.
        {"one black", Single(kBlack, kColour), true, JobFileName(JobFile::AlignmentSingleBlack)},
        {"one black, rows off", Single(kBlack, kColour), false,
         JobFileName(JobFile::AlignmentSingleBlack)},
        {"one colour", Single(kColour, kBlack), true, JobFileName(JobFile::AlignmentSingleColour)},
        {"one missing", Single(kMissing, kBlack), true, none},
        {"one photo", Single(kPhoto, kBlack), true, none},
        {"one alternative colour", Single(kAltColour, kBlack), true, none},
        {"one unidentified", Single(kUnidentified, kColour), true, none},
        {"no carrier type", Carrier(0, kColour, kBlack), true, none},
        {"unknown carrier type", Carrier(4, kColour, kBlack), true, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ManualAlignmentJobFile(c.ink, c.missingRowsApply), c.file);
    }
}

TEST(JobFiles, TheAutomaticAlignmentAsksOnlyAboutTheAcceptedCartridgesInOrder) {
    struct Case {
        const char* what;
        INKINFO ink;
        AutoAlignmentStep step;
        const char* file;
    };
    const Case cases[] = {
        {"colour and black", Dual(kColour, kBlack), QOR_AUTOALIGNMENT_DUALHEAD_CMYCART,
         JobFileName(JobFile::AutoColourAndBlack)},
        {"colour and photo", Dual(kColour, kPhoto), QOR_AUTOALIGNMENT_DUALHEAD_KCMCART,
         JobFileName(JobFile::AutoColourAndPhoto)},
        {"black alone", Dual(kMissing, kBlack), QOR_AUTOALIGNMENT_SINGLEHEAD_KCART,
         JobFileName(JobFile::AutoBlack)},
        {"photo left, black right", Dual(kPhoto, kBlack), QOR_AUTOALIGNMENT_SINGLEHEAD_KCART,
         JobFileName(JobFile::AutoBlack)},
        {"alternative colour and black", Dual(kAltColour, kBlack),
         QOR_AUTOALIGNMENT_SINGLEHEAD_KCART, JobFileName(JobFile::AutoBlack)},
        {"colour alone", Dual(kColour, kMissing), QOR_AUTOALIGNMENT_SINGLEHEAD_CMYCART,
         JobFileName(JobFile::AutoColour)},
        {"swapped", Dual(kBlack, kColour), QOR_AUTOALIGNMENT_SINGLEHEAD_CMYCART,
         JobFileName(JobFile::AutoColour)},
        {"both missing", Dual(kMissing, kMissing), QOR_AUTOALIGNMENT_SINGLEHEAD_CMYCART,
         JobFileName(JobFile::AutoColour)},
        // The carrier type is not asked: an ink-tank printer never gets its manual file here.
        {"ink tanks", Carrier(QOR_CARRIER_INK_TANKS, kColour, kBlack),
         QOR_AUTOALIGNMENT_DUALHEAD_CMYCART, JobFileName(JobFile::AutoColourAndBlack)},
        // One position has no right position to ask about.
        {"one colour", Single(kColour, kBlack), QOR_AUTOALIGNMENT_SINGLEHEAD_CMYCART,
         JobFileName(JobFile::AutoColour)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AutomaticAlignment job = AutomaticAlignmentJob(c.ink);
        EXPECT_EQ(job.step, c.step);
        EXPECT_EQ(job.file, c.file);
    }
}

TEST(JobFiles, EachAutomaticStepLogsItsName) {
    struct Case {
        AutoAlignmentStep step;
        const char* name;
    };
    const Case cases[] = {
        {QOR_AUTOALIGNMENT_DUALHEAD_CMYCART, "QOR_AUTOALIGNMENT_DUALHEAD_CMYCART"},
        {QOR_AUTOALIGNMENT_DUALHEAD_KCMCART, "QOR_AUTOALIGNMENT_DUALHEAD_KCMCART"},
        {QOR_AUTOALIGNMENT_SINGLEHEAD_KCART, "QOR_AUTOALIGNMENT_SINGLEHEAD_KCART"},
        {QOR_AUTOALIGNMENT_SINGLEHEAD_CMYCART, "QOR_AUTOALIGNMENT_SINGLEHEAD_CMYCART"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(AutoAlignmentStepName(c.step), c.name);
    }
}

TEST(JobFiles, AnUnconfirmedCartridgeChangeBlocksTheJobOnlyInAPositionTheCarrierHas) {
    struct Case {
        DWORD carrierType;
        DWORD changed1, changed2;
        bool blocked;
    };
    const Case cases[] = {
        {QOR_CARRIER_DUAL, 0, 0, false},
        {QOR_CARRIER_DUAL, 1, 0, true},
        {QOR_CARRIER_DUAL, 0, 1, true},
        {QOR_CARRIER_DUAL, 0xFFFFFFFF, 0, true},
        {QOR_CARRIER_SINGLE, 0, 0, false},
        {QOR_CARRIER_SINGLE, 1, 0, true},
        {QOR_CARRIER_SINGLE, 0, 1, false},
        {QOR_CARRIER_INK_TANKS, 1, 1, false},
        {0, 1, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "carrier type " << c.carrierType << ", changed "
                                        << c.changed1 << " and " << c.changed2);
        INKINFO ink = Dual(kColour, kBlack);
        ink.dwCarrierType = c.carrierType;
        ink.bCartChanged1 = c.changed1;
        ink.bCartChanged2 = c.changed2;
        EXPECT_EQ(BlockedByCartridgeChange(ink), c.blocked);
    }
}
