#include "TankStates.h"

#include "LowInkWarning.h"
#include "resource.h"

#include <algorithm>

TankState ClassifyTank(LONG level, LONG lowWarning) {
    if (level < 0)
        return TankState::Missing;
    if (level == 0)
        return TankState::Empty;
    if (level <= 100 && level <= lowWarning)
        return TankState::Low;
    return TankState::Ready;
}

std::array<LONG, kTankCount> TankLevels(const INKINFO& ink) {
    return {ink.nBlackLevel, ink.nColorLevel1, ink.nColorLevel2, ink.nColorLevel3};
}

bool AnyTankToReplace(const INKINFO& ink) {
    const std::array<LONG, kTankCount> levels = TankLevels(ink);
    return std::any_of(levels.begin(), levels.end(), [](LONG level) {
        TankState state = ClassifyTank(level, LowInkThresholds::kNoThreshold);
        return state == TankState::Empty || state == TankState::Missing;
    });
}

UINT TankStateTextId(TankState state) {
    switch (state) {
    case TankState::Ready:
        return IDS_TANK_STATE_READY;
    case TankState::Low:
        return IDS_TANK_STATE_LOW;
    case TankState::Empty:
        return IDS_TANK_STATE_EMPTY;
    case TankState::Missing:
        return IDS_TANK_STATE_MISSING;
    }
    return IDS_TANK_STATE_READY;
}

UINT TankInkNameId(TankInk ink) {
    static constexpr UINT kNames[kTankCount] = {IDS_TANK_INK_BLACK, IDS_TANK_INK_CYAN,
                                                IDS_TANK_INK_MAGENTA, IDS_TANK_INK_YELLOW};
    return ink >= 0 && ink < kTankCount ? kNames[ink] : IDS_TANK_INK_BLACK;
}
