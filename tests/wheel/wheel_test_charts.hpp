// Small charts for the wheel tests: equal houses and one point per house.
#pragma once

#include <gtest/gtest.h>

#include "chart/house_cusps.hpp"
#include "engine/angles.hpp"
#include "wheel/wheel_data.hpp"
#include "wheel/wheel_state.hpp"

namespace solvaris::testing {

inline CuspSet EqualCusps(double first) {
    CuspSet cusps{};
    for (int house = 1; house <= 12; ++house) {
        cusps[SlotOfHouse(house)] = Normalize360(first + 30.0 * (house - 1));
    }
    return cusps;
}

// With the 1st cusp at 0 Aries: the Sun in house 2, Mercury in 3 and so on
// at the middle of each house; Ascendant and Midheaven on their cusps.
inline PointArray SpreadPoints() {
    return {0, 45, 75, 105, 135, 165, 195, 225, 255, 285, 315, 345, 165.5, 200, 0, 270};
}

// A single American wheel of these points in equal houses from 0 Aries.
inline WheelState SingleWheel(const PointArray& lon, const CuspSet& cusps = EqualCusps(0)) {
    WheelState state;
    state.mainSet = lon;
    state.mainCusps = cusps;
    HousePositions(lon, cusps, state.mainHouses);
    return state;
}

inline WheelData ShippedWheelData() {
    WheelData data;
    EXPECT_EQ(LoadWheelData(SOLVARIS_DATA_DIR, data), "");
    return data;
}

}  // namespace solvaris::testing
