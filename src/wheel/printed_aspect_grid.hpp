// The aspect grid printed below a full-page wheel: point glyphs head the
// rows and columns, each cell with an aspect holds the aspect's glyph in the
// colour of its group.
#pragma once

#include "aspects/orb_table.hpp"
#include "wheel/wheel_state.hpp"
#include "wheel/wheel_target.hpp"

namespace solvaris {

// The glyph code of the cell of rows r and column k (the grid's own point
// order: Sun 1, Moon 2, Mercury 3 ... nodes 11 and 12), or 0 for none.
int PrintedGridCell(double rowLongitude, double columnLongitude, int r, int k, const OrbTable& orbs,
                    bool planetClassOrbs);

// A single wheel compares the main chart with itself (each pair once), a
// dual wheel the outer ring (rows) with the inner ring. Options 179, 188
// and 189 place it; 181 to 187 colour it.
void PrintAspectGrid(WheelTarget& target, const WheelState& state, const OrbTable& orbs,
                     bool planetClassOrbs);

}  // namespace solvaris
