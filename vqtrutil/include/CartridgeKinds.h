// The kind of a cartridge, decided from its id alone: the table behind the ink display's
// questions, for decisions that have no display (the carrier state, the change path, the
// acceptance of a sensed cartridge).
//
// Black 48, 53, 63, 64; three-colour (CMY) 80, 85, 95, 96; photo (KCM) 112, 127, 175, 191;
// alternative three-colour (ALTCMY) 128, 133, 143, 144; missing 32; every other id is invalid.
#pragma once

#include "UtilApi.h"

#include <windows.h>

enum class CartridgeKind { Black, Cmy, Kcm, AltCmy, Missing, Invalid };

VQTRUTIL_API CartridgeKind KindOfCartridge(DWORD id);

// The position a kind is made for: both colour kinds the left (position 1), black and photo the
// right (position 2). Missing and invalid ids belong nowhere.
VQTRUTIL_API bool BelongsLeft(DWORD id);
VQTRUTIL_API bool BelongsRight(DWORD id);
