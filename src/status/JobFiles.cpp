#include "JobFiles.h"

#include "CString.h"
#include "InkDisplay.h"

#include <array>
#include <iterator>
#include <optional>

namespace {
constexpr const char* kFamilyPrefix = "vqtr";

struct StemRow {
    JobFile role;
    const char* stem;
};
constexpr StemRow kStems[] = {
    {JobFile::AlignmentInkTanks, "albu.out"},
    {JobFile::AlignmentInstall, "albi.out"},
    {JobFile::CleaningKOnly, "cln.out"},
    {JobFile::CleaningCmyOnly, "cln.out"},
    {JobFile::CleaningPhoto, "phcl.out"},
    {JobFile::CleaningCmyAndK, "cln.out"},
    {JobFile::CleaningSingleK, "kcln.out"},
    {JobFile::CleaningSingleCmy, "ccln.out"},
    {JobFile::AlignmentSingleBlack, "kaln.out"},
    {JobFile::AlignmentSingleColour, "caln.out"},
    {JobFile::AlignmentMissingBlack, "kaln.out"},
    {JobFile::AlignmentMissingColour, "caln.out"},
    {JobFile::AlignmentPhoto, "phal.out"},
    {JobFile::AlignmentColourAndBlack, "algn.out"},
    {JobFile::AutoColourAndBlack, "aual.out"},
    {JobFile::AutoColourAndPhoto, "phau.out"},
    {JobFile::AutoBlack, "kau.out"},
    {JobFile::AutoColour, "cau.out"},
    {JobFile::TestPage, "mcal.out"},
};
constexpr size_t kRoleCount = static_cast<size_t>(JobFile::Count);
static_assert(std::size(kStems) == kRoleCount, "every role has its stem");

using NameTable = std::array<CString, kRoleCount>;

NameTable BuildNames() {
    NameTable names;
    for (const StemRow& row : kStems)
        names[static_cast<size_t>(row.role)] = CString(kFamilyPrefix) + row.stem;
    return names;
}

const NameTable g_JobFileNames = BuildNames();

struct AutomaticRow {
    const char* logName;
    JobFile role;
};
// Indexed by AutoAlignmentStep.
constexpr AutomaticRow kAutomatic[] = {
    {"QOR_AUTOALIGNMENT_DUALHEAD_CMYCART", JobFile::AutoColourAndBlack},
    {"QOR_AUTOALIGNMENT_DUALHEAD_KCMCART", JobFile::AutoColourAndPhoto},
    {"QOR_AUTOALIGNMENT_SINGLEHEAD_KCART", JobFile::AutoBlack},
    {"QOR_AUTOALIGNMENT_SINGLEHEAD_CMYCART", JobFile::AutoColour},
};

// The ink display's questions on the cartridges the system has accepted, asked of a copy: the
// display takes a record it could write to, and the caller's record stays as it is.
class AcceptedCartridges {
public:
    explicit AcceptedCartridges(const INKINFO& ink) : m_ink(ink), m_display(&m_ink) {}
    bool Black(CartPosition position) const { return m_display.IsItBlack(LOGICAL, position); }
    bool Cmy(CartPosition position) const { return m_display.IsItCMY(LOGICAL, position); }
    bool Kcm(CartPosition position) const { return m_display.IsItKCM(LOGICAL, position); }
    bool AnyMissing() const { return m_display.AreAnyMissing(LOGICAL); }
    bool AnyKcm() const { return m_display.AreAnyKCM(LOGICAL); }

private:
    INKINFO m_ink;
    CGUIInkDisplay m_display;
};

// Two positions: with a cartridge missing the page of one cartridge, on the side of the one left.
JobFile DualAlignment(const AcceptedCartridges& carts, bool missingRowsApply) {
    if (missingRowsApply && carts.AnyMissing())
        return carts.Black(RIGHT) ? JobFile::AlignmentMissingBlack
                                  : JobFile::AlignmentMissingColour;
    return carts.AnyKcm() ? JobFile::AlignmentPhoto : JobFile::AlignmentColourAndBlack;
}

AutoAlignmentStep AutomaticStep(const AcceptedCartridges& carts) {
    if (carts.Cmy(LEFT) && carts.Black(RIGHT))
        return QOR_AUTOALIGNMENT_DUALHEAD_CMYCART;
    if (carts.Cmy(LEFT) && carts.Kcm(RIGHT))
        return QOR_AUTOALIGNMENT_DUALHEAD_KCMCART;
    return carts.Black(RIGHT) ? QOR_AUTOALIGNMENT_SINGLEHEAD_KCART
                              : QOR_AUTOALIGNMENT_SINGLEHEAD_CMYCART;
}
} // namespace

const char* JobFileName(JobFile role) {
    return g_JobFileNames[static_cast<size_t>(role)].c_str();
}

const char* CleaningJobFile(CarrierState state) {
    switch (state) {
    case DUALHEAD_CMY_AND_K:
    case DUALHEAD_K_AND_CMY:
        return JobFileName(JobFile::CleaningCmyAndK);
    case DUALHEAD_CMY_AND_KCM:
        return JobFileName(JobFile::CleaningPhoto);
    case DUALHEAD_K_ONLY:
        return JobFileName(JobFile::CleaningKOnly);
    case DUALHEAD_CMY_ONLY:
        return JobFileName(JobFile::CleaningCmyOnly);
    case SINGLEHEAD_K:
        return JobFileName(JobFile::CleaningSingleK);
    case SINGLEHEAD_CMY:
        return JobFileName(JobFile::CleaningSingleCmy);
    default:
        return nullptr;
    }
}

std::optional<JobFile> ManualAlignmentRole(const INKINFO& ink, bool missingRowsApply) {
    AcceptedCartridges carts(ink);
    switch (ink.dwCarrierType) {
    case QOR_CARRIER_INK_TANKS:
        return JobFile::AlignmentInkTanks;
    case QOR_CARRIER_DUAL:
        return DualAlignment(carts, missingRowsApply);
    case QOR_CARRIER_SINGLE:
        if (carts.Black(LEFT))
            return JobFile::AlignmentSingleBlack;
        if (carts.Cmy(LEFT))
            return JobFile::AlignmentSingleColour;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

const char* ManualAlignmentJobFile(const INKINFO& ink, bool missingRowsApply) {
    const std::optional<JobFile> role = ManualAlignmentRole(ink, missingRowsApply);
    return role ? JobFileName(*role) : nullptr;
}

const char* AutoAlignmentStepName(AutoAlignmentStep step) {
    return kAutomatic[step].logName;
}

AutomaticAlignment AutomaticAlignmentJob(const INKINFO& ink) {
    AutoAlignmentStep step = AutomaticStep(AcceptedCartridges(ink));
    return {step, JobFileName(kAutomatic[step].role)};
}

bool BlockedByCartridgeChange(const INKINFO& ink) {
    switch (ink.dwCarrierType) {
    case QOR_CARRIER_DUAL:
        return ink.bCartChanged1 > 0 || ink.bCartChanged2 > 0;
    case QOR_CARRIER_SINGLE:
        return ink.bCartChanged1 != 0;
    default:
        return false;
    }
}
