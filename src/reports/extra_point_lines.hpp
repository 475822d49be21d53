// The extra points (Lilith, Chiron, the asteroids) as a block of the natal
// report, when the options show them.
#pragma once

#include "reports/report_context.hpp"

namespace solvaris {

// A blank line, then a line per natal extra point as the position list
// writes the chart's points: place, name, "R" when it moves backward, house
// and declination. Nothing when option ExtraPoints is off.
void ExtraPointLines(ReportContext& ctx);

}  // namespace solvaris
