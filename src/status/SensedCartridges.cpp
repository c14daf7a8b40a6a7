#include "SensedCartridges.h"

#include "CartridgeKinds.h"

bool BelongsInOtherPosition(DWORD id, int position, OtherPositionRule rule) {
    CartridgeKind kind = KindOfCartridge(id);
    bool left = position == 1;
    switch (rule) {
    case OtherPositionRule::PageBuilt:
        return left ? BelongsRight(id) : BelongsLeft(id);
    case OtherPositionRule::StatusUpdate:
        return kind == (left ? CartridgeKind::Black : CartridgeKind::Cmy);
    case OtherPositionRule::Refit:
        return left ? BelongsRight(id) : kind == CartridgeKind::Cmy;
    }
    return false;
}

void AcceptSensedCartridges(INKINFO& ink, OtherPositionRule rule, bool knownHeadFormat) {
    bool dual = ink.dwCarrierType == QOR_CARRIER_DUAL;
    bool single = ink.dwCarrierType == QOR_CARRIER_SINGLE;
    int positions = 0;
    if (rule == OtherPositionRule::PageBuilt)
        positions = dual ? 2 : single ? 1 : 0;
    else if (rule == OtherPositionRule::StatusUpdate)
        positions = dual ? 2 : 0;
    bool refuses = dual && (rule == OtherPositionRule::PageBuilt || knownHeadFormat);
    for (int position = 1; position <= positions; ++position) {
        DWORD changed = position == 1 ? ink.bCartChanged1 : ink.bCartChanged2;
        DWORD& logical = position == 1 ? ink.LogCartID1 : ink.LogCartID2;
        DWORD sensed = position == 1 ? ink.PhyCartID1 : ink.PhyCartID2;
        if (!changed)
            continue;
        bool refused = refuses && BelongsInOtherPosition(sensed, position, rule);
        logical = refused ? DWORD{QOR_CART_INVALID} : sensed;
    }
}
