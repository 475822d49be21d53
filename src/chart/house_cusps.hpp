// House cusps of the nine systems, stored in slot order, and the house each
// point falls in.
#pragma once

#include <string>

#include "chart/chart_store.hpp"
#include "chart/house_formulas.hpp"
#include "chart/house_system.hpp"

namespace solvaris {

// The cusps of `system`, normalised, in slot order (slot 1 the 10th house).
CuspSet ComputeCusps(HouseSystem system, const CuspInputs& in);

// For each point 1-15, the label of the house it falls in and " HOUSE", in
// its 10-character field of `text` (150 characters). A point exactly on a
// cusp belongs to the house that begins there; a point that matches no house
// keeps its field.
void HousePositions(const PointArray& longitude, const CuspSet& cusps, std::string& text);

// The slot (1-12) a longitude falls in, 0 when none.
int HouseSlotOf(double longitude, const CuspSet& cusps);

}  // namespace solvaris
