// The size of each house of the main chart, which the glyph placement
// divides into slots.
#pragma once

#include "chart/chart_store.hpp"
#include "wheel/wheel_state.hpp"

namespace solvaris {

// Slot k: from cusp k to cusp k + 1 (slot 12 to slot 1), normalised. Two
// equal cusps would make a house of no size; it is given 7.5 degrees so
// that its slots stay defined (as is a house between unusable cusps).
HouseSizes ComputeHouseSizes(const CuspSet& cusps);

// The size of house 1-12.
inline double HouseSizeOf(const HouseSizes& sizes, int house) { return sizes[SlotOfHouse(house)]; }

}  // namespace solvaris
