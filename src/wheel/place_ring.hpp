// The rings of the wheel laid out and drawn.
#pragma once

#include <vector>

#include "wheel/ring_clearance.hpp"
#include "wheel/wheel_data.hpp"
#include "wheel/wheel_state.hpp"
#include "wheel/wheel_target.hpp"

namespace solvaris {

// Lays out the ring's points, spread so that their labels stay apart and in
// their houses (a crowded house may leave out its South Node and Part of
// Fortune); a label that the labels of the `outer` rings (laid out before)
// reach moves in toward the centre within its band. The main ring's slots
// and glyph angles are kept in the state for the aspect lines and the ASCII
// chart.
PlacedRing LayOutRing(WheelTarget& target, WheelState& state, RingRole role, const WheelData& data,
                      const std::vector<PlacedRing>& outer = {});

// A tick on the ring's outer circle at each point's true place, and a
// leader line to its tick from a glyph moved off its place or standing
// nearer another point's tick than its own, bent once where no straight
// line is free; a line that would strike through a label of any ring is
// left out.
void DrawRingLeaders(WheelTarget& target, const WheelState& state, const PlacedRing& ring,
                     const std::vector<PlacedRing>& rings);

// Each point of the ring with its label and mark.
void DrawRingPoints(WheelTarget& target, const WheelState& state, const PlacedRing& ring);

}  // namespace solvaris
