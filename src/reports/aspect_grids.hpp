// The aspect grids: 5-character cells, one row per point. The natal grid
// is triangular (aspects above the diagonal, parallels below) and comes
// with its list; the cross-chart grids are full 15 by 15 matrices followed
// by their parallels grid.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "aspects/aspect_finder.hpp"
#include "engine/extra_points.hpp"
#include "reports/report_context.hpp"

namespace solvaris {

// "120  ", " 60  ", "  0  ".
std::string AngleCell(int code);
// "  SUN  ", "  N.N  ".
std::string GridRowLabel(int point);

// The aspect the natal aspect report finds for two points `s` degrees
// apart: option 208 chooses the per-aspect orbs of options 1 to 15 or the
// planet-class orbs, option 16 the minor aspects.
FoundAspect NatalReportAspect(const OptionTable& options, double s, int p1, int p2);

// The natal aspect report body on the working set: title, grid, legend and
// the list as one entry; the list ends with the aspects of the chart's
// extra points when the options show them.
void NatalAspectReport(ReportContext& ctx, const std::vector<ExtraPlace>& extraPoints);

// One line of the natal aspect list for points p1 and p2, separation s and
// deviation d: "  SUN       MOON       118d 30m          1d 30m" and CR LF.
std::string NatalListLine(int p1, int p2, double s, double d);
// The same with the points' 10-character report names.
std::string NatalListLine(std::string_view name1, std::string_view name2, double s, double d);

// The progression data report's grid of the working set (progressed).
void ProgressedAspectGrid(ReportContext& ctx);

// Progressed (rows) against natal (columns), one-degree orbs, with its
// parallels grid.
void ProgressedToNatalGrid(ReportContext& ctx);

// Natal (rows) against the second person (columns) with the orbs of
// options 55 to 58, with its parallels grid.
void NatalToSecondPersonGrid(ReportContext& ctx);

}  // namespace solvaris
