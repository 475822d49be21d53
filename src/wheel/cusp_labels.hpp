// The degree, sign and minute of each house cusp of the main chart, written
// around the outside of the wheel.
#pragma once

#include "wheel/wheel_data.hpp"
#include "wheel/wheel_state.hpp"
#include "wheel/wheel_target.hpp"

namespace solvaris {

// American placement: the five parts of each label (degree tens and units,
// sign, minute tens and units) at the anchors HCDATA.DAT holds for its cusp
// slot. European placement: each label outside the outer circle in its
// cusp's direction, its box clear of the circle (the glyphs inside the
// wheel and the circle itself stay free of it).
void DrawCuspLabels(WheelTarget& target, const WheelState& state, const WheelData& data);

// The radius of the outer labels: just outside the wheel's outer circle.
inline constexpr double kOuterLabelRadius = 236 * 0.91984662;
inline constexpr double kOuterCircleRadius = 217;

}  // namespace solvaris
