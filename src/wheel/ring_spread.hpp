// Crowded points spread along their ring. Each house's glyphs keep their
// order and go as near their true places as the room allows, but no label
// lies over the label beside it, and every part of a label stays inside
// its own house, clear of both house lines. A house too small for its
// labels at their full size leaves out its South Node, then its Part of
// Fortune, and squeezes what is still too much evenly between its lines;
// the glyphs are never made smaller.
#pragma once

#include <functional>
#include <vector>

#include "platform/printed_box.hpp"
#include "wheel/ring_layout.hpp"
#include "wheel/wheel_data.hpp"
#include "wheel/wheel_state.hpp"

namespace solvaris {

// The boxes of point i's label (of layout.placed) drawn at an angle and
// radius.
using LabelBoxesOf =
    std::function<std::vector<PrintedBox>(std::size_t i, double angleDegrees, double radius)>;

// The true angle of a placed point: where its longitude lies on the wheel
// (American: in proportion to its house; European: to scale).
double TrueAngle(const WheelState& state, const PlacedPoint& placed);

// Whether every box of a label lies inside the house, clear of its lines.
bool LabelInsideHouse(const WheelState& state, int house, const std::vector<PrintedBox>& boxes);

// Moves the glyphs of the laid ring (angle and radius) as said above; the
// points left out, by their index in layout.placed, in increasing order.
std::vector<std::size_t> SpreadRing(RingLayout& layout, const WheelState& state, RingRole role,
                                    const WheelData& data, const LabelBoxesOf& boxesOf);

}  // namespace solvaris
