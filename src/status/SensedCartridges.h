// A cartridge the printer senses in a position is taken into the window's record, or refused
// because it is made for the other position. Three moments ask, each with its own rule of what
// counts as the other position's cartridge; they are named here so that the difference shows.
#pragma once

#include "qor.h"

#include <windows.h>

enum class OtherPositionRule {
    // A page that is built: any kind made for the other position (black or photo on the left,
    // either colour kind on the right).
    PageBuilt,
    // A status update: only a black cartridge on the left and a three-colour one on the right.
    StatusUpdate,
    // The change path's refit: black or photo on the left, a three-colour one on the right.
    Refit,
};

// Whether `id` in `position` (1 left, 2 right) is a cartridge for the other position.
bool BelongsInOtherPosition(DWORD id, int position, OtherPositionRule rule);

// A reported change (bCartChanged1/2) puts the sensed id (PhyCartID) in the logical place
// (LogCartID); under the rule, one made for the other position becomes QOR_CART_INVALID.
// - PageBuilt: both positions of a two-cartridge carrier, and position 1 of a one-cartridge one
//   (which has no other position).
// - StatusUpdate: only a two-cartridge carrier, and cartridges are refused only on a model with a
//   known print-head format (`knownHeadFormat`).
// Other carriers and the Refit rule change nothing.
void AcceptSensedCartridges(INKINFO& ink, OtherPositionRule rule, bool knownHeadFormat);
