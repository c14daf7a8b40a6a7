// What the ink-tank wizards say about each of the four tanks, decided from the ink record alone.
#pragma once

#include "qor.h"

#include <windows.h>

#include <array>

// The tanks in the order the page and the wizards show them.
enum TankInk { kBlackTank, kCyanTank, kMagentaTank, kYellowTank, kTankCount };

enum class TankState {
    Ready,
    Low,     // at most the model's warning threshold
    Empty,   // no ink left: to be replaced before the printer prints again
    Missing, // the printer senses no tank there (a negative level)
};

// A tank's state by its level; the new-tank marker and any level above 100 count as full. A
// warning threshold of LowInkThresholds::kNoThreshold makes no tank low.
TankState ClassifyTank(LONG level, LONG lowWarning);

// The levels of black, cyan, magenta and yellow.
std::array<LONG, kTankCount> TankLevels(const INKINFO& ink);

// Whether a tank is empty or missing: the user is shown how a tank is replaced.
bool AnyTankToReplace(const INKINFO& ink);

// The strings of the resource module: a tank's state (a format with the ink's name) and the
// ink's name.
UINT TankStateTextId(TankState state);
UINT TankInkNameId(TankInk ink);
