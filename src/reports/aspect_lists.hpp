// The aspect lists between two charts: one line per aspect found by the
// fixed one-degree test, pairs in the order first point then second point.
#pragma once

#include <string_view>

#include "aspects/aspect_finder.hpp"
#include "reports/report_context.hpp"

namespace solvaris {

// The fixed test with the list's sign rule: the deviation is negated when
// the first point lies 0 to 180 degrees ahead of the second or 180 or more
// behind it, so that a positive value means the aspect is still forming for
// a first point faster than the second.
FoundAspect SignedFixedTest(double longitude1, double longitude2);

// The list line of the pair when the fixed test finds an aspect:
// "  MARS          Trine           SUN            0.3 degrees", the deviation
// with the sign of SignedFixedTest.
void AspectListLine(ReportContext& ctx, std::string_view name1, std::string_view name2,
                    double longitude1, double longitude2);

// "  SUN                 Parallel      MOON          0.4 degrees".
void ParallelListLine(ReportContext& ctx, int p1, int p2, bool contra, double d);

enum class ListReport {
    ProgressedToNatal,
    ProgressedToProgressed,
    SolarArcToNatal,
    TransitsToNatal,
    TransitsToProgressed,
    TransitsToSolarArc,
    TransitsToTransits,
};

// A blank line, the report's title, a blank line and its lines (no
// heading; the command writes it). With the extra points shown each chart's
// follow its fifteen points, in the same order of pairs.
void AspectList(ReportContext& ctx, ListReport report);

// Every pair of progressed points parallel within option 6.
void ProgressedParallels(ReportContext& ctx);

}  // namespace solvaris
