// The harmonic chart report: the positions of the nth harmonic (option 224)
// with their houses, its cusps and the aspects the natal aspect report would
// find between the harmonic longitudes.
#pragma once

#include <string>

#include "aspects/aspect_finder.hpp"
#include "reports/report_context.hpp"

namespace solvaris {

// "  SUN       MOON      Trine       118d 30m         1d 30m".
std::string HarmonicAspectLine(int p1, int p2, double s, const FoundAspect& found);

// The report body; the working set holds the harmonic chart afterwards.
void HarmonicReport(ReportContext& ctx);

}  // namespace solvaris
