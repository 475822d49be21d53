// The house numbers of dual and triple wheels, in the ring just outside the
// centre disc, printed in the current font.
#pragma once

#include "platform/canvas.hpp"

namespace solvaris {

// Each number's top-left corner; two-digit numbers are printed a digit at a
// time so that they sit evenly in the narrow ring.
void DrawHouseNumbers(Canvas& canvas);

}  // namespace solvaris
