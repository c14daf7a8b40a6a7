#include "AlignmentPlan.h"

#include "InkDisplay.h"
#include "resource.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace {
// The values of the fixed value pages, in their order on the page.
constexpr AlignValue kTankValues1[] = {
    {IDC_ALIGN_VALUE_A, IDC_ALIGN_SPIN_A, 0, 30, 7, 15},
    {IDC_ALIGN_VALUE_B, IDC_ALIGN_SPIN_B, 0, 30, 8, 15},
    {IDC_ALIGN_VALUE_C, IDC_ALIGN_SPIN_C, 0, 30, 9, 15},
    {IDC_ALIGN_VALUE_D, IDC_ALIGN_SPIN_D, 0, 30, 10, 15},
    {IDC_ALIGN_VALUE_E, IDC_ALIGN_SPIN_E, 0, 30, 11, 15},
};
// Values 4 to 6 start at 1: a stored 0 counts as out of range.
constexpr AlignValue kTankValues2[] = {
    {IDC_ALIGN_VALUE_C, IDC_ALIGN_SPIN_C, 0, 20, 1, 10},
    {IDC_ALIGN_VALUE_D, IDC_ALIGN_SPIN_D, 0, 20, 2, 10},
    {IDC_ALIGN_VALUE_E, IDC_ALIGN_SPIN_E, 0, 20, 3, 10},
    {IDC_ALIGN_VALUE_F, IDC_ALIGN_SPIN_F, 1, 20, 4, 10},
    {IDC_ALIGN_VALUE_G, IDC_ALIGN_SPIN_G, 1, 20, 5, 10},
    {IDC_ALIGN_VALUE_H, IDC_ALIGN_SPIN_H, 1, 20, 6, 10},
};
constexpr AlignValue kCartValues[] = {
    {IDC_ALIGN_VALUE_A, IDC_ALIGN_SPIN_A, 0, 14, 1, 7},
    {IDC_ALIGN_VALUE_B, IDC_ALIGN_SPIN_B, 0, 14, 2, 7},
    {IDC_ALIGN_VALUE_C, IDC_ALIGN_SPIN_C, 0, 20, 5, 10},
    {IDC_ALIGN_VALUE_D, IDC_ALIGN_SPIN_D, 0, 20, 6, 10},
};
constexpr AlignValue kPhotoValues[] = {
    {IDC_ALIGN_VALUE_A, IDC_ALIGN_SPIN_A, 0, 14, 7, 7},
    {IDC_ALIGN_VALUE_B, IDC_ALIGN_SPIN_B, 0, 14, 8, 7},
    {IDC_ALIGN_VALUE_C, IDC_ALIGN_SPIN_C, 0, 20, 9, 10},
    {IDC_ALIGN_VALUE_D, IDC_ALIGN_SPIN_D, 0, 20, 10, 10},
};
// The installation's alignment page prints a fifth group for two cartridges and wider groups for
// a photo cartridge.
constexpr AlignValue kInstallCartValues[] = {
    {IDC_ALIGN_VALUE_A, IDC_ALIGN_SPIN_A, 0, 14, 1, 7},
    {IDC_ALIGN_VALUE_B, IDC_ALIGN_SPIN_B, 0, 14, 2, 7},
    {IDC_ALIGN_VALUE_C, IDC_ALIGN_SPIN_C, 0, 20, 3, 10},
    {IDC_ALIGN_VALUE_D, IDC_ALIGN_SPIN_D, 0, 20, 4, 10},
    {IDC_ALIGN_VALUE_E, IDC_ALIGN_SPIN_E, 0, 4, 12, 2},
};
constexpr AlignValue kInstallPhotoValues[] = {
    {IDC_ALIGN_VALUE_A, IDC_ALIGN_SPIN_A, 0, 30, 7, 15},
    {IDC_ALIGN_VALUE_B, IDC_ALIGN_SPIN_B, 0, 15, 8, 7},
    {IDC_ALIGN_VALUE_C, IDC_ALIGN_SPIN_C, 0, 30, 9, 15},
    {IDC_ALIGN_VALUE_D, IDC_ALIGN_SPIN_D, 0, 30, 10, 15},
};

// The ink record's questions on logical ids, as the alignment asks them.
struct Cartridges {
    explicit Cartridges(const INKINFO& ink) : copy(ink), display(&copy) {}
    bool Black(int position) const { return display.IsItBlack(LOGICAL, position) != FALSE; }
    bool AnyMissing() const { return display.AreAnyMissing(LOGICAL) != FALSE; }
    INKINFO copy;
    CGUIInkDisplay display;
};

// The position the one-cartridge page is about: on a dual carrier with a cartridge missing the
// right one (with the wider range), in every other case the left one. Its start value, its
// picture and the fields its value goes to all follow this one position.
int SinglePosition(const INKINFO& ink, const Cartridges& cartridges) {
    return ink.dwCarrierType == QOR_CARRIER_DUAL && cartridges.AnyMissing() ? RIGHT : LEFT;
}

void Write(ALIGNINFO& align, int field, int value) {
    align.dwValue[field] = static_cast<DWORD>(value);
}

// The post-install one-cartridge page asks about the left cartridge whatever the carrier.
bool InstallLeftIsBlack(const INKINFO& ink) {
    return Cartridges(ink).Black(LEFT);
}

template <size_t Count> std::vector<AlignValue> Table(const AlignValue (&values)[Count]) {
    return {std::begin(values), std::end(values)};
}
} // namespace

std::vector<AlignPage> PlanAlignSheet(bool autoSupported, const INKINFO& ink) {
    if (autoSupported)
        return {AlignPage::AutoStart, AlignPage::AutoResult, AlignPage::CartValues,
                AlignPage::SingleValues, AlignPage::PhotoValues};
    switch (ink.dwCarrierType) {
    case QOR_CARRIER_INK_TANKS:
        return {AlignPage::Start, AlignPage::TankValues1, AlignPage::TankValues2};
    case QOR_CARRIER_DUAL:
        if (ink.LogCartID1 == QOR_CART_MISSING || ink.LogCartID2 == QOR_CART_MISSING)
            return {AlignPage::Start, AlignPage::SingleValues};
        if (ink.LogCartID1 == QOR_CART_PHOTO || ink.LogCartID2 == QOR_CART_PHOTO)
            return {AlignPage::Start, AlignPage::PhotoValues};
        return {AlignPage::Start, AlignPage::CartValues};
    case QOR_CARRIER_SINGLE:
        return {AlignPage::Start, AlignPage::SingleValues};
    default:
        return {};
    }
}

std::vector<AlignValue> ValuesOf(AlignPage page, const INKINFO& ink) {
    switch (page) {
    case AlignPage::TankValues1:
    case AlignPage::InstallTankValues:
        return Table(kTankValues1);
    case AlignPage::TankValues2:
        return Table(kTankValues2);
    case AlignPage::CartValues:
        return Table(kCartValues);
    case AlignPage::PhotoValues:
        return Table(kPhotoValues);
    case AlignPage::InstallCartValues:
        return Table(kInstallCartValues);
    case AlignPage::InstallPhotoValues:
        return Table(kInstallPhotoValues);
    case AlignPage::InstallSingleValues: {
        const int field = InstallLeftIsBlack(ink) ? 3 : 4;
        return {ink.dwCarrierType == QOR_CARRIER_DUAL
                    ? AlignValue{IDC_ALIGN_VALUE_A, IDC_ALIGN_SPIN_A, 0, 20, field, 10}
                    : AlignValue{IDC_ALIGN_VALUE_A, IDC_ALIGN_SPIN_A, 0, 14, field, 7}};
    }
    case AlignPage::SingleValues: {
        const Cartridges cartridges(ink);
        const bool right = SinglePosition(ink, cartridges) == RIGHT;
        const int field = cartridges.Black(right ? RIGHT : LEFT) ? 3 : 4;
        return {right ? AlignValue{IDC_ALIGN_VALUE_A, IDC_ALIGN_SPIN_A, 0, 20, field, 10}
                      : AlignValue{IDC_ALIGN_VALUE_A, IDC_ALIGN_SPIN_A, 0, 14, field, 7}};
    }
    default:
        return {};
    }
}

int StartValue(const AlignValue& value, const ALIGNINFO& align) {
    if (value.startField < 0 || value.startField >= QOR_ALIGN_VALUES)
        return value.defaultValue;
    const DWORD stored = align.dwValue[value.startField];
    const bool fits =
        stored >= static_cast<DWORD>(value.low) && stored <= static_cast<DWORD>(value.high);
    return fits ? static_cast<int>(stored) : value.defaultValue;
}

void WriteAlignValues(AlignPage page, const std::vector<int>& values, const INKINFO& ink,
                      ALIGNINFO& align) {
    const auto value = [&](size_t index) { return index < values.size() ? values[index] : 0; };
    switch (page) {
    case AlignPage::TankValues1:
        for (size_t index = 0; index < 5; ++index)
            Write(align, static_cast<int>(7 + index), value(index));
        break;
    case AlignPage::TankValues2:
        for (size_t index = 0; index < 6; ++index)
            Write(align, static_cast<int>(1 + index), value(index));
        Write(align, 0, 1);
        break;
    case AlignPage::InstallTankValues:
        std::fill(std::begin(align.dwValue), std::end(align.dwValue), 0u);
        for (size_t index = 0; index < 5; ++index)
            Write(align, static_cast<int>(7 + index), value(index));
        Write(align, 0, 1);
        break;
    case AlignPage::CartValues:
    case AlignPage::InstallCartValues:
        Write(align, 1, value(0));
        Write(align, 2, value(1));
        Write(align, 3, value(2));
        Write(align, 5, value(2));
        Write(align, 4, value(3));
        Write(align, 6, value(3));
        if (page == AlignPage::InstallCartValues)
            Write(align, 12, value(4));
        break;
    case AlignPage::PhotoValues:
    case AlignPage::InstallPhotoValues:
        for (size_t index = 0; index < 4; ++index)
            Write(align, static_cast<int>(7 + index), value(index));
        break;
    case AlignPage::InstallSingleValues: {
        const bool black = InstallLeftIsBlack(ink);
        Write(align, black ? 3 : 4, value(0));
        Write(align, black ? 5 : 6, value(0));
        break;
    }
    case AlignPage::SingleValues: {
        const Cartridges cartridges(ink);
        const bool black = cartridges.Black(SinglePosition(ink, cartridges));
        Write(align, black ? 3 : 4, value(0));
        Write(align, black ? 5 : 6, value(0));
        break;
    }
    default:
        break;
    }
}

UINT AlignPictureOf(AlignPage page, const INKINFO& ink, CarrierState state) {
    switch (page) {
    case AlignPage::CartValues:
    case AlignPage::InstallCartValues:
        if (state == DUALHEAD_K_ONLY)
            return IDB_ALIGN_CARRIER_BLACK;
        return state == DUALHEAD_CMY_ONLY ? IDB_ALIGN_CARRIER_COLOUR : IDB_ALIGN_CARRIER_BOTH;
    case AlignPage::SingleValues: {
        const Cartridges cartridges(ink);
        return cartridges.Black(SinglePosition(ink, cartridges)) ? IDB_ALIGN_CARRIER_BLACK
                                                                 : IDB_ALIGN_CARRIER_COLOUR;
    }
    case AlignPage::InstallPhotoValues:
        return IDB_AUTO_ALIGN_CARRIER_PHOTO;
    case AlignPage::InstallSingleValues:
        return InstallLeftIsBlack(ink) ? IDB_ALIGN_CARRIER_BLACK : IDB_ALIGN_CARRIER_COLOUR;
    default:
        return 0;
    }
}

namespace {
struct ManualRow {
    JobFile role;
    int logStep;
    AlignPage next;
};
constexpr ManualRow kManualRows[] = {
    {JobFile::AlignmentInkTanks, 6, AlignPage::AutoResult},
    {JobFile::AlignmentMissingBlack, 7, AlignPage::SingleValues},
    {JobFile::AlignmentMissingColour, 8, AlignPage::SingleValues},
    {JobFile::AlignmentPhoto, 9, AlignPage::PhotoValues},
    {JobFile::AlignmentColourAndBlack, 10, AlignPage::CartValues},
    {JobFile::AlignmentSingleBlack, 11, AlignPage::SingleValues},
    {JobFile::AlignmentSingleColour, 12, AlignPage::SingleValues},
};
} // namespace

ManualChoice ManualChoiceOf(const INKINFO& ink, bool printStyle2) {
    if (const std::optional<JobFile> role = ManualAlignmentRole(ink, printStyle2)) {
        for (const ManualRow& row : kManualRows)
            if (row.role == *role)
                return {row.logStep, JobFileName(*role), row.next, false};
    }
    if (ink.dwCarrierType == QOR_CARRIER_SINGLE)
        return {0, nullptr, AlignPage::SingleValues, true};
    return {0, nullptr, AlignPage::AutoResult, false};
}

UINT AutoResultPictureOf(const INKINFO& ink) {
    switch (AutomaticAlignmentJob(ink).step) {
    case QOR_AUTOALIGNMENT_DUALHEAD_CMYCART:
        return IDB_AUTO_ALIGN_CARRIER_BOTH;
    case QOR_AUTOALIGNMENT_DUALHEAD_KCMCART:
        return IDB_AUTO_ALIGN_CARRIER_PHOTO;
    case QOR_AUTOALIGNMENT_SINGLEHEAD_KCART:
        return IDB_AUTO_ALIGN_CARRIER_BLACK;
    default:
        return IDB_AUTO_ALIGN_CARRIER_COLOUR;
    }
}
