#include "CartChangePath.h"

#include "CSpy.h"
#include "InkDisplay.h"
#include "SensedCartridges.h"

#include <span>

namespace {

constexpr char kPrefix[] = "*****CartChangePathDetermination() ";
// Ink at or above this percentage is not low: the cartridge is taken to be the old one.
constexpr LONG kLowInk = 13;

void Log(const char* text) {
    CSpy().OutputData(CString(kPrefix) + text);
}

// "<prefix><flag> set to TRUE (<number>)" and the like.
void LogFlag(const char* flag, bool value, int number) {
    CString line;
    line.Format("%s%s set to %s (%d)", kPrefix, flag, value ? "TRUE" : "FALSE", number);
    CSpy().OutputData(line);
}

void LogValue(BOOL value) {
    CString line;
    line.Format("%s%d", kPrefix, value);
    CSpy().OutputData(line);
}

// One carrier position: its fields in the ink record and the decisions made for it.
struct Position {
    const char* alignFlagName;
    const char* newFlagName;
    const DWORD& changed;
    DWORD& logical;
    DWORD& physical;
    // The id accepted when the printer senses an invalid cartridge that differs from the
    // accepted one, and the one forced when the printer reports no status.
    DWORD genericId;
    // 1 left, 2 right: which cartridges belong in the other position.
    int number;
    BOOL& promptNew;
    BOOL align = FALSE;
    BOOL install = FALSE;
};

bool BelongsElsewhere(const Position& position) {
    return BelongsInOtherPosition(position.physical, position.number, OtherPositionRule::Refit);
}

enum class Sensed { Valid, Missing, Invalid };
enum class Against { Any, Same, DiffersAtInstall, DiffersFromInvalid, Differs };
enum class Align { Untouched, Wanted, NotWanted };
enum class Rewrite { None, AcceptPhysical, Generic };

// One row of the per-position decision; the first row that matches decides.
struct Row {
    bool changed;
    Sensed sensed;
    Against against;
    Align align;
    int number;    // log number of the alignment decision
    int newNumber; // nonzero: ask whether the cartridge is new, with this log number
    bool install;
    Rewrite rewrite;
};

constexpr Row kRows[] = {
    {true, Sensed::Valid, Against::Same, Align::NotWanted, 1, 0, false, Rewrite::None},
    {true, Sensed::Valid, Against::DiffersAtInstall, Align::Wanted, 2, 1, false,
     Rewrite::AcceptPhysical},
    {true, Sensed::Valid, Against::Differs, Align::Untouched, 0, 0, false, Rewrite::None},
    {true, Sensed::Missing, Against::Any, Align::Wanted, 3, 0, true, Rewrite::AcceptPhysical},
    {true, Sensed::Invalid, Against::Same, Align::Wanted, 4, 2, true, Rewrite::None},
    {true, Sensed::Invalid, Against::Differs, Align::Untouched, 0, 0, false, Rewrite::Generic},
    {false, Sensed::Valid, Against::Same, Align::NotWanted, 5, 0, false, Rewrite::None},
    {false, Sensed::Valid, Against::DiffersFromInvalid, Align::Wanted, 6, 3, false,
     Rewrite::AcceptPhysical},
    {false, Sensed::Valid, Against::Differs, Align::Untouched, 0, 0, false, Rewrite::None},
    {false, Sensed::Missing, Against::Any, Align::Wanted, 7, 0, true, Rewrite::AcceptPhysical},
    {false, Sensed::Invalid, Against::Same, Align::Wanted, 8, 4, true, Rewrite::None},
    {false, Sensed::Invalid, Against::Differs, Align::Wanted, 9, 0, true, Rewrite::None},
};

Sensed SensedAt(const Position& position) {
    if (CGUIInkDisplay::IsItValid(position.physical))
        return Sensed::Valid;
    return CGUIInkDisplay::IsItMissing(position.physical) ? Sensed::Missing : Sensed::Invalid;
}

bool Matches(Against against, const Position& position, BOOL postInstallCheck) {
    const bool same = position.physical == position.logical;
    switch (against) {
    case Against::Same:
        return same;
    case Against::DiffersAtInstall:
        return !same && postInstallCheck;
    case Against::DiffersFromInvalid:
        return !same && !CGUIInkDisplay::IsItValid(position.logical);
    case Against::Differs:
        return !same;
    case Against::Any:
        break;
    }
    return true;
}

void DecidePosition(Position& position, BOOL postInstallCheck) {
    const bool changed = position.changed != 0;
    const Sensed sensed = SensedAt(position);
    for (const Row& row : kRows) {
        if (row.changed != changed || row.sensed != sensed ||
            !Matches(row.against, position, postInstallCheck))
            continue;
        if (row.align != Align::Untouched) {
            position.align = row.align == Align::Wanted;
            LogFlag(position.alignFlagName, position.align, row.number);
        }
        if (row.newNumber) {
            LogFlag(position.newFlagName, true, row.newNumber);
            position.promptNew = TRUE;
        }
        if (row.install)
            position.install = TRUE;
        if (row.rewrite == Rewrite::AcceptPhysical)
            position.logical = position.physical;
        else if (row.rewrite == Rewrite::Generic)
            position.physical = position.logical = position.genericId;
        return;
    }
}

void DecideNewByLevel(CartChangeFlags& flags, const INKINFO& ink, bool format1) {
    const int low = format1 ? 5 : 7;
    const int notLow = format1 ? 6 : 8;
    const bool blackLow = ink.nBlackLevel < kLowInk;
    LogFlag("m_bPromptNewCart2", blackLow, blackLow ? low : notLow);
    flags.m_bPromptNewCart2 = blackLow;
    const bool colourLow =
        ink.nColorLevel1 < kLowInk || ink.nColorLevel2 < kLowInk || ink.nColorLevel3 < kLowInk;
    LogFlag("m_bPromptNewCart1", colourLow, colourLow ? low : notLow);
    flags.m_bPromptNewCart1 = colourLow;
}

} // namespace

void DetermineCartChangePath(CartChangeFlags& flags, INKINFO& ink, DWORD portType,
                             const NvoProduct& product) {
    const bool format1 = product.CompareSetting("IDO_PRINTHEADFORMAT", 1);
    const bool format2 = product.CompareSetting("IDO_PRINTHEADFORMAT", 2);
    const bool style1 = product.CompareSetting("IDO_PRINTSTYLE", 1);
    const bool style2 = product.CompareSetting("IDO_PRINTSTYLE", 2);

    flags.m_bPromptCartVerify = FALSE;
    flags.m_bPromptAlignment = FALSE;
    Log("default m_bPromptInstallAlignment to FALSE");
    flags.m_bPromptInstallAlignment = FALSE;
    Log("default m_bPromptNewCart2 to FALSE");
    flags.m_bPromptNewCart2 = FALSE;
    Log("default m_bPromptNewCart1 to FALSE");
    flags.m_bPromptNewCart1 = FALSE;

    // A one-position carrier has no position 2: its fields are neither read nor written.
    Position both[] = {
        {"m_bPromptAlignmentCart1", "m_bPromptNewCart1", ink.bCartChanged1, ink.LogCartID1,
         ink.PhyCartID1, QOR_CART_COLOR, 1, flags.m_bPromptNewCart1},
        {"m_bPromptAlignmentCart2", "m_bPromptNewCart2", ink.bCartChanged2, ink.LogCartID2,
         ink.PhyCartID2, QOR_CART_BLACK, 2, flags.m_bPromptNewCart2},
    };
    const bool twoPositions = ink.dwCarrierType != QOR_CARRIER_SINGLE;
    const std::span<Position> positions(both, twoPositions ? 2 : 1);
    Position& left = both[0];

    // No id reported: nothing is in the position.
    for (Position& position : positions) {
        if (position.physical == QOR_CART_NONE_REPORTED)
            position.physical = QOR_CART_MISSING;
    }
    for (Position& position : positions)
        DecidePosition(position, flags.m_bPostInstallCheck);

    // Under the printing styles other than 1 and 2, a cartridge in the wrong position must be
    // refitted and aligned.
    if (!style1 && !style2 && (format1 || format2)) {
        for (Position& position : positions) {
            if (BelongsElsewhere(position)) {
                LogFlag(position.alignFlagName, true, format1 ? 10 : 11);
                position.align = TRUE;
                position.install = TRUE;
            }
        }
    }

    // A printer that reports no status: the generic cartridges are taken and confirmed by the
    // user (under print style 1 only the colour one).
    if (portType == QOR_PORT_NO_STATUS) {
        for (Position& position : positions.first(style1 ? 1 : positions.size())) {
            position.physical = position.logical = position.genericId;
            position.install = TRUE;
        }
    }

    if (!style2) {
        BOOL verify = FALSE;
        BOOL align = FALSE;
        for (const Position& position : positions) {
            verify = verify || position.install;
            align = align || position.align;
        }
        flags.m_bPromptCartVerify = verify;
        Log("m_bPromptAlignment set to (below)");
        flags.m_bPromptAlignment = align;
        LogValue(flags.m_bPromptAlignment);
    } else {
        // A printer that can print with one cartridge asks only when every position needs it (on
        // a one-position carrier, that one position).
        BOOL verify = TRUE;
        BOOL align = TRUE;
        for (const Position& position : positions) {
            verify = verify && position.install;
            align = align && position.align;
        }
        flags.m_bPromptCartVerify = verify;
        flags.m_bPromptAlignment = align;
        if (!verify || !align) {
            for (Position& position : positions) {
                if (CGUIInkDisplay::IsItInvalid(position.physical))
                    position.physical = position.logical = QOR_CART_MISSING;
            }
        }
        if (format1 || format2) {
            for (const Position& position : positions) {
                if (BelongsElsewhere(position))
                    flags.m_bPromptCartVerify = flags.m_bPromptAlignment = TRUE;
            }
        }
        // A photo cartridge alone is not a way to print: the user is asked to fit the colour one.
        if (twoPositions && CGUIInkDisplay::IsItKCM(both[1].physical) &&
            CGUIInkDisplay::IsItMissing(left.physical))
            flags.m_bPromptCartVerify = TRUE;
    }

    // The ink levels decide the new-cartridge questions over everything before.
    if (format1 || format2)
        DecideNewByLevel(flags, ink, format1);
}
