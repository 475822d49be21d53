// The degree, sign and minute of each house cusp of the main chart, written
// around the outside of the wheel.
#pragma once

#include "wheel/wheel_data.hpp"
#include "wheel/wheel_state.hpp"
#include "wheel/wheel_target.hpp"

namespace solvaris {

// American placement: the five parts of each label (degree tens and units,
// sign, minute tens and units) at the anchors HCDATA.DAT holds for its cusp
// slot. European placement: each label beside its cusp, left of it on the
// left half of the wheel.
void DrawCuspLabels(WheelTarget& target, const WheelState& state, const WheelData& data);

// The radius of the outer labels: just outside the wheel's outer circle.
inline constexpr double kOuterLabelRadius = 236 * 0.91984662;

}  // namespace solvaris
