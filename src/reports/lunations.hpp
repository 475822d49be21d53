// The lunations report: the thirteen new moons from a month before the
// diurnal date, each with the aspects of the new-moon point to the natal
// chart within option 25.
#pragma once

#include "reports/report_context.hpp"

namespace solvaris {

// The body (title, new moons, aspects); the command writes the natal
// heading before it.
void LunationsReport(ReportContext& ctx);

}  // namespace solvaris
