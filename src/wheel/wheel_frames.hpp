// The frame of each layout: house division lines and the ring circles. The
// window and the page differ in their colours.
#pragma once

#include "wheel/wheel_state.hpp"
#include "wheel/wheel_target.hpp"

namespace solvaris {

// The background of the surface: the window's colour (option 100), white
// for a half-page print and on paper.
int BackgroundColour(const WheelTarget& target);

// House lines from radius 120 to 217 (twelve equal houses, or the cusps to
// scale for the European type), then the circles of radius 217 and 120.
void DrawSingleFrame(WheelTarget& target, const WheelState& state);
// Twelve equal houses, circles of radius 217, 138, 62 and 40, the centre
// disc filled with the background.
void DrawDualFrame(WheelTarget& target);
// As the dual frame with circles of radius 217, 164, 109, 62 and 40; on
// paper option 199 leaves out the house-number ring (radius 62).
void DrawTripleFrame(WheelTarget& target);

// The frame of the state's layout.
void DrawFrame(WheelTarget& target, const WheelState& state);

}  // namespace solvaris
