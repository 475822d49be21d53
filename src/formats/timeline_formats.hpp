// The timeline for other programs: CSV, JSON and an iCalendar file
// (RFC 5545) with one event per exact moment.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "aspects/timeline.hpp"
#include "reports/chart_clock.hpp"

namespace solvaris {

// Each event at its moment in UT and on the chart's clock.
void WriteTimelineCsv(const std::vector<TimelineEvent>& events, const ChartClock& clock,
                      std::ostream& out);
void WriteTimelineJson(const std::vector<TimelineEvent>& events, const ChartClock& clock,
                       std::ostream& out);
// `stampJd`: the moment the file is written (DTSTAMP), UT.
void WriteTimelineIcs(const std::vector<TimelineEvent>& events, const std::string& name,
                      const ChartClock& clock, double stampJd, std::ostream& out);

// An iCalendar text value: backslash, semicolon, comma and line ends escaped.
std::string IcsEscaped(const std::string& text);

// A content line folded after 75 octets (never inside a UTF-8 character),
// each line ended by CR LF.
std::string IcsFolded(const std::string& line);

}  // namespace solvaris
