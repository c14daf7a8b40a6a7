#include "CartVerification.h"

#include "CSpy.h"
#include "CartridgeKinds.h"
#include "InkDisplay.h"
#include "resource.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr LONG kLowLevel = 13;

// The names of the cartridge lists: a position's string id per cartridge, 0 where the position
// has no name for it. The order decides which id a name shared by two rows stands for.
struct NameRow {
    DWORD id;
    UINT position1;
    UINT position2;
};
constexpr NameRow kNames[] = {
    {QOR_CART_BLACK, IDS_CARTNAME1_BLACK, IDS_CARTNAME2_BLACK},
    {QOR_CART_BLACK_64, IDS_CARTNAME1_BLACK_64, IDS_CARTNAME2_BLACK_64},
    {QOR_CART_COLOR_96, IDS_CARTNAME1_COLOR_96, IDS_CARTNAME2_COLOR_96},
    {QOR_CART_COLOR, IDS_CARTNAME1_COLOR, IDS_CARTNAME2_COLOR},
    {QOR_CART_MISSING, IDS_CARTNAME1_NONE, IDS_CARTNAME2_NONE},
    {QOR_CART_BLACK_53, IDS_CARTNAME1_BLACK_53, IDS_CARTNAME2_BLACK_53},
    {QOR_CART_COLOR_85, IDS_CARTNAME1_COLOR_85, 0},
    {QOR_CART_PHOTO, IDS_CARTNAME1_PHOTO, IDS_CARTNAME2_PHOTO},
    {QOR_CART_ALT_COLOR, IDS_CARTNAME1_ALT_COLOR, 0},
    {133, IDS_CARTNAME1_ALT_COLOR_133, IDS_CARTNAME2_ALT_COLOR_133},
    {144, IDS_CARTNAME1_ALT_COLOR_144, IDS_CARTNAME2_ALT_COLOR_144},
    {175, IDS_CARTNAME1_PHOTO_175, IDS_CARTNAME2_PHOTO_175},
    {191, IDS_CARTNAME1_PHOTO_191, IDS_CARTNAME2_PHOTO_191},
    {QOR_CART_ALT_COLOR_143, IDS_CARTNAME1_ALT_COLOR_143, IDS_CARTNAME2_ALT_COLOR_143},
    {QOR_CART_PHOTO_127, IDS_CARTNAME1_PHOTO_127, IDS_CARTNAME2_PHOTO_127},
    {QOR_CART_BLACK_63, IDS_CARTNAME1_BLACK_63, IDS_CARTNAME2_BLACK_63},
    {QOR_CART_COLOR_95, IDS_CARTNAME1_COLOR_95, IDS_CARTNAME2_COLOR_95},
};

// The pages for a single cartridge offer the first position's names of the black and three-colour
// cartridges they can take.
constexpr CartridgeName kOneCartridgeNames[] = {
    {QOR_CART_BLACK, IDS_CARTNAME1_BLACK},       {QOR_CART_BLACK_64, IDS_CARTNAME1_BLACK_64},
    {QOR_CART_BLACK_53, IDS_CARTNAME1_BLACK_53}, {QOR_CART_COLOR, IDS_CARTNAME1_COLOR},
    {QOR_CART_COLOR_96, IDS_CARTNAME1_COLOR_96}, {QOR_CART_COLOR_85, IDS_CARTNAME1_COLOR_85},
    {QOR_CART_MISSING, IDS_CARTNAME1_NONE},
};

void LogIds(const char* when, const INKINFO& ink) {
    CString line;
    line.Format("####g_pQORTabDlg->m_InfoStruct.lpInk (%s) log1, log2, phy1, phy2", when);
    CSpy().OutputEach(line, ink.LogCartID1, ink.LogCartID2, ink.PhyCartID1, ink.PhyCartID2);
}

// One position of the side set-up; the generic ids are tested in the position's order.
void ProposePosition(DWORD changed, DWORD& logical, DWORD& physical, DWORD firstGeneric,
                     DWORD firstDefault, DWORD secondGeneric, DWORD secondDefault) {
    if (changed || logical == QOR_CART_INVALID) {
        if (physical == firstGeneric)
            physical = firstDefault;
        if (physical == secondGeneric)
            physical = secondDefault;
    } else if (physical != QOR_CART_MISSING) {
        physical = logical;
    } else {
        logical = QOR_CART_MISSING;
    }
}

LONG Lowest(LONG a, LONG b, LONG c) {
    return std::min({a, b, c});
}

// The carrier states' marks; a changed mark counts only where the position's change flag is set.
enum Mark : unsigned { kNone = 0, kChanged = 1, kReplace = 2, kInstall = 4, kIfChanged = 8 };
struct StateMarks {
    unsigned position1;
    unsigned position2;
};

StateMarks MarksOfState(CarrierState state, bool knownHeadFormat) {
    switch (state) {
    case DUALHEAD_MISSING_AND_MISSING:
        return {kInstall, kInstall};
    case DUALHEAD_INVALID_AND_INVALID:
    case DUALHEAD_K_AND_CMY:
        return {kReplace, kReplace};
    case DUALHEAD_INVALID_AND_K:
    case DUALHEAD_INVALID_AND_COLOR:
        return {kReplace, kNone};
    case DUALHEAD_INVALID_AND_MISSING:
        return {kReplace, kInstall};
    case DUALHEAD_K_AND_INVALID:
    case DUALHEAD_COLOR_AND_INVALID:
        return {kNone, kReplace};
    case DUALHEAD_MISSING_AND_INVALID:
        return {kInstall, kReplace};
    case DUALHEAD_CMY_AND_K:
    case DUALHEAD_CMY_AND_KCM:
        return {kChanged, kChanged};
    case DUALHEAD_K_ONLY:
    case DUALHEAD_CMY_ONLY:
        return knownHeadFormat ? StateMarks{kChanged, kChanged} : StateMarks{kNone, kNone};
    case DUALHEAD_INVALID_ONLY:
        return {kReplace | kIfChanged, kReplace | kIfChanged};
    case DUALHEAD_MISSING_AND_K:
    case DUALHEAD_MISSING_AND_CMY:
        return {kInstall, kChanged};
    case DUALHEAD_K_AND_MISSING:
    case DUALHEAD_CMY_AND_MISSING:
        return {kChanged, kInstall};
    default:
        return {kNone, kNone};
    }
}

void ApplyMarks(PositionAttention& attention, unsigned marks, bool changedFlag) {
    if ((marks & kIfChanged) && !changedFlag)
        return;
    attention.changed = attention.changed || ((marks & kChanged) && changedFlag);
    attention.replace = attention.replace || (marks & kReplace);
    attention.install = attention.install || (marks & kInstall);
}
} // namespace

CartWizardPlan PlanCartWizard(int mode) {
    using enum CartWizardPage;
    switch (mode) {
    case 1:
        return {2, {First, Second}, TRUE, false, true};
    case 2:
        return {1, {Second, Second}, TRUE, false, true};
    case 3:
        return {1, {Second, Second}, FALSE, true, false};
    case 4:
        return {1, {ColourSort, ColourSort}, FALSE, true, false};
    case 5:
        return {2, {First, ColourSort}, FALSE, true, false};
    default:
        return {1, {Second, Second}, FALSE, false, true};
    }
}

FirstPageKind ChooseFirstPage(const NvoProduct& product) {
    bool allInOne = product.CompareSetting("IDO_CARTRIDGE_INSTALLATION_AIO", 1) ||
                    product.CompareSetting("IDO_CARTRIDGE_INSTALLATION_6STEPS", 1);
    return allInOne ? FirstPageKind::AllInOne : FirstPageKind::Plain;
}

SecondPageKind ChooseSecondPage(DWORD carrierType, const NvoProduct& product) {
    if (carrierType == QOR_CARRIER_SINGLE)
        return SecondPageKind::SingleCartridge;
    if (product.CompareSetting("IDO_SPECIFY_CARTRIDGE_INFO", 1))
        return SecondPageKind::Information;
    return SecondPageKind::Verification;
}

DefaultCartridges ReadDefaultCartridges(const NvoProduct& product) {
    // A model without its own defaults proposes the family's first cartridges.
    DefaultCartridges defaults{QOR_CART_COLOR, QOR_CART_BLACK};
    unsigned long value = 0;
    if (product.GetSetting("IDO_DEFAULT_COLORCART", value))
        defaults.colour = value;
    if (product.GetSetting("IDO_DEFAULT_BLACKCART", value))
        defaults.black = value;
    return defaults;
}

void ProposeSensedCartridges(INKINFO& ink, const DefaultCartridges& defaults) {
    LogIds("before", ink);
    ProposePosition(ink.bCartChanged1, ink.LogCartID1, ink.PhyCartID1, QOR_CART_COLOR,
                    defaults.colour, QOR_CART_BLACK, defaults.black);
    ProposePosition(ink.bCartChanged2, ink.LogCartID2, ink.PhyCartID2, QOR_CART_BLACK,
                    defaults.black, QOR_CART_COLOR, defaults.colour);
    LogIds("after", ink);
}

AttentionText TextOfAttention(const PositionAttention& attention, bool printStyle2) {
    if (attention.unidentified)
        return AttentionText::Unidentified;
    if (attention.changed)
        return AttentionText::Changed;
    if (attention.replace)
        return AttentionText::Replace;
    if (attention.install)
        return printStyle2 ? AttentionText::Changed : AttentionText::Install;
    return AttentionText::None;
}

Attention DecideAttention(const INKINFO& ink, CarrierState state, bool knownHeadFormat) {
    Attention result;
    PositionAttention& left = result.position[0];
    PositionAttention& right = result.position[1];
    const bool changed1 = ink.bCartChanged1 != 0;
    const bool changed2 = ink.bCartChanged2 != 0;
    const bool unidentified1 = ink.PhyCartID1 == QOR_CART_UNIDENTIFIED;
    const bool unidentified2 = ink.PhyCartID2 == QOR_CART_UNIDENTIFIED;
    CSpy spy;
    if (changed1 && changed2) {
        spy.OutputData("#1");
        if (unidentified1 && unidentified2) {
            spy.OutputData("#2");
            left.unidentified = right.unidentified = true;
        } else if (unidentified1 && ink.PhyCartID2 == QOR_CART_MISSING) {
            spy.OutputData("#3");
            left.unidentified = true;
            right.changed = true;
        } else if (unidentified2 && ink.PhyCartID1 == QOR_CART_MISSING) {
            spy.OutputData("#4");
            right.unidentified = true;
            left.changed = true;
        }
    } else if (changed1) {
        // Only a cartridge the printer cannot identify is called unidentified: a valid one that
        // was changed gets its mark from the carrier state below.
        spy.OutputData("#5");
        left.unidentified = unidentified1;
    } else if (changed2) {
        spy.OutputData("#6");
        right.unidentified = unidentified2;
    }
    StateMarks marks = MarksOfState(state, knownHeadFormat);
    ApplyMarks(left, marks.position1, changed1);
    ApplyMarks(right, marks.position2, changed2);
    return result;
}

FirstChoice ChooseFirstCartridges(INKINFO& ink, DWORD portType, CarrierState state,
                                  bool printStyle2, const DefaultCartridges& defaults) {
    if (portType == QOR_PORT_NO_STATUS) {
        ink.PhyCartID1 = defaults.colour;
        ink.PhyCartID2 = defaults.black;
        return {{defaults.colour, defaults.black}, true};
    }
    FirstChoice choice{{ink.PhyCartID1, ink.PhyCartID2}, false};
    if (!printStyle2)
        return choice;
    switch (state) {
    case DUALHEAD_INVALID_AND_INVALID:
    case DUALHEAD_K_AND_CMY:
        choice.cartridge[0] = choice.cartridge[1] = QOR_CART_INVALID;
        break;
    case DUALHEAD_INVALID_AND_K:
    case DUALHEAD_INVALID_AND_MISSING:
    case DUALHEAD_INVALID_AND_COLOR:
        choice.cartridge[0] = QOR_CART_INVALID;
        break;
    case DUALHEAD_K_AND_INVALID:
    case DUALHEAD_COLOR_AND_INVALID:
    case DUALHEAD_MISSING_AND_INVALID:
        choice.cartridge[1] = QOR_CART_INVALID;
        break;
    default:
        break;
    }
    return choice;
}

ShownTank TankOfChoice(DWORD chosen, const INKINFO& ink, BOOL promptNew) {
    if (chosen == QOR_CART_UNIDENTIFIED)
        return {TankPicture::Unidentified, NOINK, 0};
    ShownTank tank{TankPicture::Ink, NOINK, 0};
    switch (chosen) {
    case QOR_CART_BLACK:
    case QOR_CART_BLACK_53:
    case QOR_CART_BLACK_64:
        tank = {TankPicture::Ink, BLACK, ink.nBlackLevel};
        break;
    case QOR_CART_COLOR:
    case QOR_CART_COLOR_85:
    case QOR_CART_COLOR_96:
        tank = {TankPicture::Ink, COLOR,
                Lowest(ink.nColorLevel1, ink.nColorLevel2, ink.nColorLevel3)};
        break;
    case QOR_CART_PHOTO:
        tank = {TankPicture::Ink, PHOTO,
                Lowest(ink.nPhotoLevel1, ink.nPhotoLevel2, ink.nPhotoLevel3)};
        break;
    default:
        return {TankPicture::Unknown, NOINK, 0};
    }
    if (promptNew)
        tank.level = 100;
    return tank;
}

bool StartsAsNew(int position, DWORD chosen, const INKINFO& ink, BOOL postInstallCheck,
                 CarrierState state, BOOL& promptNew) {
    CSpy spy;
    bool low = false;
    const bool right = position == 2;
    if (right) {
        if (CGUIInkDisplay::IsItBlack(chosen)) {
            spy.OutputData("--1--");
            if (ink.nBlackLevel < kLowLevel) {
                spy.OutputData("--2--");
                low = true;
            }
        } else if (CGUIInkDisplay::IsItKCM(chosen)) {
            spy.OutputData("--3--");
            if (Lowest(ink.nPhotoLevel1, ink.nPhotoLevel2, ink.nPhotoLevel3) < kLowLevel) {
                spy.OutputData("--4--");
                low = true;
            }
        }
        spy.OutputEach("bIsItLow (rightside)", static_cast<int>(low));
    } else {
        if (CGUIInkDisplay::IsItCMY(chosen) || CGUIInkDisplay::IsItALTCMY(chosen)) {
            spy.OutputData(CGUIInkDisplay::IsItCMY(chosen) ? "--11--" : "--13--");
            if (Lowest(ink.nColorLevel1, ink.nColorLevel2, ink.nColorLevel3) < kLowLevel) {
                spy.OutputData(CGUIInkDisplay::IsItCMY(chosen) ? "--12--" : "--14--");
                low = true;
            }
        }
        spy.OutputEach("bIsItLow (leftside)", static_cast<int>(low));
    }
    const DWORD physical = right ? ink.PhyCartID2 : ink.PhyCartID1;
    const DWORD changed = right ? ink.bCartChanged2 : ink.bCartChanged1;
    const bool unusable = physical == QOR_CART_MISSING || physical == QOR_CART_INVALID ||
                          state == DUALHEAD_INVALID_AND_INVALID;
    // The log numbers of the two reasons: 3 and 4 for position 2, 1 and 2 for position 1.
    const int firstReason = right ? 3 : 1;
    int reason = 0;
    if (low || (postInstallCheck && unusable))
        reason = firstReason;
    else if (postInstallCheck && changed)
        reason = firstReason + 1;
    if (reason) {
        CString line;
        line.Format("*****CCartVerificationPage2::InitalizeOldNewComboDefaults() "
                    "m_bPromptNewCart%d set to TRUE (%d)",
                    position, reason);
        spy.OutputData(line);
        promptNew = TRUE;
    }
    return promptNew != FALSE;
}

DWORD CartridgeOfName(const char* chosenText, CartridgeList list, const StringLoader& loadString) {
    if (!chosenText)
        return QOR_CART_MISSING;
    CartridgeName names[std::size(kNames)];
    int count = CartridgeNamesOf(list, names, static_cast<int>(std::size(names)));
    for (int index = 0; index < count; ++index) {
        CString name = loadString(names[index].stringId);
        // A name the resource module lacks stands for nothing, not for an empty choice.
        if (!name.IsEmpty() && name != "~" && name == chosenText)
            return names[index].id;
    }
    return QOR_CART_MISSING;
}

int CartridgeNamesOf(CartridgeList list, CartridgeName* names, int capacity) {
    int count = 0;
    auto offer = [&](DWORD id, UINT stringId) {
        if (stringId && count < capacity)
            names[count++] = {id, stringId};
    };
    if (list == CartridgeList::OneCartridge) {
        for (const CartridgeName& name : kOneCartridgeNames)
            offer(name.id, name.stringId);
        return count;
    }
    for (const NameRow& row : kNames)
        offer(row.id, list == CartridgeList::Position1 ? row.position1 : row.position2);
    return count;
}

bool MarkNewCartridge(INKINFO& ink, DWORD chosen) {
    switch (CGUIInkDisplay::WhatIsIt(chosen)) {
    case BLACK:
        ink.nBlackLevel = QOR_NEW_CARTRIDGE_MARKER;
        return true;
    case COLOR:
        ink.nColorLevel1 = ink.nColorLevel2 = ink.nColorLevel3 = QOR_NEW_CARTRIDGE_MARKER;
        return true;
    case PHOTO:
        ink.nPhotoLevel1 = ink.nPhotoLevel2 = ink.nPhotoLevel3 = QOR_NEW_CARTRIDGE_MARKER;
        return true;
    default:
        return false;
    }
}

NextRefusal RefuseNext(DWORD chosen1, DWORD chosen2, bool printStyle2, BOOL skipCartAlign) {
    if (printStyle2 && CGUIInkDisplay::IsItKCM(chosen2) && chosen1 == QOR_CART_MISSING)
        return NextRefusal::PhotoWithoutColour;
    if (!skipCartAlign)
        return NextRefusal::None;
    const bool empty1 = CGUIInkDisplay::WhatIsIt(chosen1) == NOINK;
    const bool empty2 = CGUIInkDisplay::WhatIsIt(chosen2) == NOINK;
    const bool refused = printStyle2 ? empty1 && empty2 : empty1 || empty2;
    return refused ? NextRefusal::NoCartridge : NextRefusal::None;
}

HeldJobNeed NeedOfHeldJob(BOOL colourTopic, BOOL blackTopic) {
    if (colourTopic)
        return HeldJobNeed::Colour;
    return blackTopic ? HeldJobNeed::Black : HeldJobNeed::Any;
}

bool MeetsHeldJob(HeldJobNeed need, DWORD logicalId) {
    switch (need) {
    case HeldJobNeed::Black:
        return CGUIInkDisplay::WhatIsIt(logicalId) == BLACK;
    case HeldJobNeed::Colour:
        return CGUIInkDisplay::WhatIsIt(logicalId) == COLOR;
    case HeldJobNeed::Any:
        break;
    }
    return true;
}

bool OneCartridgeStartsNew(DWORD chosen, const INKINFO& ink, BOOL promptNew) {
    if (promptNew)
        return true;
    switch (CGUIInkDisplay::WhatIsIt(chosen)) {
    case BLACK:
        return ink.nBlackLevel < kLowLevel;
    case COLOR:
        return Lowest(ink.nColorLevel1, ink.nColorLevel2, ink.nColorLevel3) < kLowLevel;
    default:
        return false;
    }
}
