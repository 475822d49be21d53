// One ring of the wheel placed and drawn.
#pragma once

#include "wheel/point_label.hpp"
#include "wheel/ring_layout.hpp"
#include "wheel/wheel_data.hpp"
#include "wheel/wheel_state.hpp"
#include "wheel/wheel_target.hpp"

namespace solvaris {

// Lays out the ring's points and draws each with its label and mark. The
// main ring's slots and glyph angles are kept in the state for the aspect
// lines and the ASCII chart.
RingLayout PlaceRing(WheelTarget& target, WheelState& state, RingRole role, const WheelData& data);

}  // namespace solvaris
