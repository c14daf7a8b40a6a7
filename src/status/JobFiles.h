// The maintenance job files: the module-wide table of their names and the choice of the file that
// a cleaning or alignment page asks the host to send (CBSendFile), apart from any window. The
// cartridge questions are those of the ink display on the accepted (logical) ids; position 0 is
// the left position, 1 the right.
#pragma once

#include "qor.h"
#include "status/InkCarrier.h"

#include <optional>

// The roles of the table. Each role is its own entry, even where two roles send the same file
// (the three cleaning pages named vqtrcln.out, the two pairs vqtrkaln.out and vqtrcaln.out).
enum class JobFile : int {
    AlignmentInkTanks,       // vqtralbu.out: ink-tank printer, manual and automatic wizard
    AlignmentInstall,        // vqtralbi.out: the post-install wizard's alignment page
    CleaningKOnly,           // vqtrcln.out: DUALHEAD_K_ONLY
    CleaningCmyOnly,         // vqtrcln.out: DUALHEAD_CMY_ONLY
    CleaningPhoto,           // vqtrphcl.out: DUALHEAD_CMY_AND_KCM
    CleaningCmyAndK,         // vqtrcln.out: DUALHEAD_CMY_AND_K, DUALHEAD_K_AND_CMY
    CleaningSingleK,         // vqtrkcln.out: SINGLEHEAD_K
    CleaningSingleCmy,       // vqtrccln.out: SINGLEHEAD_CMY
    AlignmentSingleBlack,    // vqtrkaln.out: one cartridge, black
    AlignmentSingleColour,   // vqtrcaln.out: one cartridge, colour
    AlignmentMissingBlack,   // vqtrkaln.out: two positions, one missing, black on the right
    AlignmentMissingColour,  // vqtrcaln.out: two positions, one missing, otherwise
    AlignmentPhoto,          // vqtrphal.out: two positions with a photo cartridge
    AlignmentColourAndBlack, // vqtralgn.out: two positions, colour and black
    AutoColourAndBlack,      // vqtraual.out
    AutoColourAndPhoto,      // vqtrphau.out
    AutoBlack,               // vqtrkau.out
    AutoColour,              // vqtrcau.out
    TestPage,                // vqtrmcal.out: the job of the test page dialog
    Count
};

// The bare file name of a role (no folder: the host finds the file), the family prefix "vqtr"
// and the role's stem, built once at module load. Each role's text lives in its own entry.
const char* JobFileName(JobFile role);

// The cleaning page's file for the carrier state of the ink record; null for any other state:
// nothing is sent and the wizard still moves on.
const char* CleaningJobFile(CarrierState state);

// The manual alignment page's file by dwCarrierType; null where nothing is sent (one cartridge
// neither black nor colour, an unknown carrier type). missingRowsApply: whether a two-position
// carrier with a cartridge missing gets the one-cartridge files; always in the manual wizard, only
// under IDO_PRINTSTYLE 2 in the manual branch of the automatic wizard.
const char* ManualAlignmentJobFile(const INKINFO& ink, bool missingRowsApply);
// The role behind ManualAlignmentJobFile; none where nothing is sent.
std::optional<JobFile> ManualAlignmentRole(const INKINFO& ink, bool missingRowsApply);

// The steps of the automatic alignment, by the names the debug log writes.
enum AutoAlignmentStep {
    QOR_AUTOALIGNMENT_DUALHEAD_CMYCART, // colour left, black right
    QOR_AUTOALIGNMENT_DUALHEAD_KCMCART, // colour left, photo right
    QOR_AUTOALIGNMENT_SINGLEHEAD_KCART,
    QOR_AUTOALIGNMENT_SINGLEHEAD_CMYCART,
};

// "QOR_AUTOALIGNMENT_DUALHEAD_CMYCART" and so on.
const char* AutoAlignmentStepName(AutoAlignmentStep step);

struct AutomaticAlignment {
    AutoAlignmentStep step;
    const char* file;
};

// The automatic alignment's step and file. It asks only about the cartridges, never the carrier
// type, and always has a file.
AutomaticAlignment AutomaticAlignmentJob(const INKINFO& ink);

// The cartridge-change guard before a maintenance job is sent: a change the user has not yet
// confirmed, in either position of a two-position carrier or in the one position of a
// one-position carrier (whose position 2 fields mean nothing). The page then shows the message
// box and sends nothing further.
bool BlockedByCartridgeChange(const INKINFO& ink);
