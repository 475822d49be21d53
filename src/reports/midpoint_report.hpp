// The midpoint report: every pair's nearer midpoint in zodiac order and on
// the 90-degree dial, and the planetary pictures within the orb of option
// 223.
#pragma once

#include <string>

#include "aspects/midpoints.hpp"
#include "reports/report_context.hpp"

namespace solvaris {

// "SUN/MOO": the two short names.
std::string MidpointLabel(const Midpoint& midpoint);

// A dial position as degrees and minutes, the minutes rounded and kept at
// 59 as a longitude's are: "07d 23m".
std::string DialText(double longitude);

// The report body on the natal longitudes.
void MidpointReport(ReportContext& ctx);

}  // namespace solvaris
