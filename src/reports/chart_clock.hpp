// The natal chart's clock at any moment of a timeline: the rule its tz
// database zone kept then (daylight saving in summer, not the birth's),
// else the birth's own offset.
#pragma once

#include <functional>

#include "reports/report_session.hpp"

namespace solvaris {

// Hours west of Greenwich the chart's clock keeps at a moment (a Julian
// day, UT).
using ChartClock = std::function<double(double jd)>;

// The clock of the session's natal chart: its zone's rule at each moment
// when the zone was filled from the database (local mean time that of the
// birth's longitude), else the birth's zone at every moment.
ChartClock NatalChartClock(const ReportSession& session);

}  // namespace solvaris
