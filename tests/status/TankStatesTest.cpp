// What the ink-tank wizards say about each tank, by table.
#include "status/LowInkWarning.h"
#include "status/TankStates.h"

#include <gtest/gtest.h>

TEST(TankStates, ATankIsClassifiedByItsLevelAndTheModelsWarning) {
    struct Case {
        LONG level;
        LONG warning;
        TankState state;
    };
    const Case cases[] = {
        {-1, 10, TankState::Missing},
        {LONG(0x80000000), 10, TankState::Missing},
        {0, 10, TankState::Empty},
        {0, LowInkThresholds::kNoThreshold, TankState::Empty},
        {1, 10, TankState::Low},
        {10, 10, TankState::Low},
        {11, 10, TankState::Ready},
        {100, 100, TankState::Low},
        // Without the model's threshold no tank is called low; the new-tank marker is full.
        {1, LowInkThresholds::kNoThreshold, TankState::Ready},
        {QOR_NEW_CARTRIDGE_MARKER, 10, TankState::Ready},
        {101, 200, TankState::Ready},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyTank(c.level, c.warning), c.state) << c.level << " " << c.warning;
}

TEST(TankStates, OnlyAnEmptyOrMissingTankAsksForAReplacement) {
    struct Case {
        LONG black, cyan, magenta, yellow;
        bool replace;
    };
    const Case cases[] = {
        {88, 47, 63, 35, false}, {1, 1, 1, 1, false},   {0, 47, 63, 35, true},
        {88, 47, 63, -5, true},  {88, 0, 63, 35, true}, {QOR_NEW_CARTRIDGE_MARKER, 5, 5, 5, false},
    };
    for (const Case& c : cases) {
        INKINFO ink{};
        ink.dwCarrierType = QOR_CARRIER_INK_TANKS;
        ink.nBlackLevel = c.black;
        ink.nColorLevel1 = c.cyan;
        ink.nColorLevel2 = c.magenta;
        ink.nColorLevel3 = c.yellow;
        // The photo levels of a cartridge printer are no tanks.
        ink.nPhotoLevel1 = ink.nPhotoLevel2 = ink.nPhotoLevel3 = 0;
        EXPECT_EQ(AnyTankToReplace(ink), c.replace)
            << c.black << " " << c.cyan << " " << c.magenta << " " << c.yellow;
    }
}
