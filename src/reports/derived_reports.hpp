// The position reports of the derived charts: progressed positions, the
// solar-arc directions, the one-page positions summary and the transit
// data. Each sets the chart kind it shows and copies that chart into the
// working set, which the shared blocks read.
#pragma once

#include "reports/report_context.hpp"

namespace solvaris {

void ProgressedPositions(ReportContext& ctx);
void SolarArcDirections(ReportContext& ctx);
void PositionsSummary(ReportContext& ctx);
void TransitData(ReportContext& ctx);

// What follows the text already begun: "Solar arc is 25 degrees, 07
// minutes (01 Jan 2000)".
std::string SolarArcLine(const ChartStore& charts, const BirthData& diurnal);

}  // namespace solvaris
