// The aspect lines of a single wheel: the major aspects between the ten
// planets and the extra points its ring shows (with a planet's orbs; the
// two Liliths, under 30 degrees apart, never make a line's aspect), drawn
// across the inner disc from glyph to glyph, each marked with
// the aspect's glyph at its middle, or where the middles of several lines
// meet (oppositions all cross the centre) at the nearest point of its
// middle half clear of the other glyphs; a line with no such point shows
// its aspect by its colour alone.
#pragma once

#include "base/options.hpp"
#include "wheel/wheel_state.hpp"
#include "wheel/wheel_target.hpp"

namespace solvaris {

// The aspect a line shows for planets i and j (chart points 1 to 10)
// `separation` degrees apart: sextile, square, trine, opposition or
// quincunx, the last that holds; 1 for none. Orbs are options 2, 3, 4, 5
// and 10, or 8 with the Sun or the Moon and 6 otherwise under planet-class
// orbs.
int WheelLineAspect(double separation, int i, int j, const OptionTable& options,
                    bool planetClassOrbs);

// Every pair twice in one place, from the angles at which the main ring's
// glyphs were drawn; an extra point the ring left out has none. Nothing in a 90-degree wheel.
void DrawAspectLines(WheelTarget& target, const WheelState& state, bool planetClassOrbs);

}  // namespace solvaris
