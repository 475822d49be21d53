// The degree, sign and minute of each house cusp of the main chart, written
// around the outside of the wheel.
#pragma once

#include <utility>

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

// The top-left corner of a text of that width and height wholly outside the
// outer circle, as near the direction of `angle` as it goes (its centre so
// far out along that line that the box's side nearest the centre clears
// the circle), held within the surface, and beside the circle where the
// surface leaves no room beyond it.
std::pair<double, double> OutsideCircleCorner(const WheelTarget& target, double angle, double width,
                                              double height);

inline constexpr double kOuterCircleRadius = 217;

}  // namespace solvaris
