// The timeline as the data window shows it: one fixed-width line per event,
// its moment in UT and on the chart's clock, and the window of its orb.
#pragma once

#include <string>
#include <vector>

#include "aspects/timeline.hpp"
#include "reports/chart_clock.hpp"

namespace solvaris {

// "14 MAR 2026 05:23": a Julian day (UT or local) to the nearest minute.
std::string TimelineMomentText(double jd);

// "Tr.", "Pr.", "SA." and the bodies and aspect of an event: "Tr. SATURN
// Square SUN" in report-name fields, "Tr. MERCURY turns retrograde", "Tr.
// MARS enters LEO", "Tr. SATURN stations on SUN", "Tr. SATURN stations
// Square SUN".
std::string TimelineEventText(const TimelineEvent& event);

// "1.0  20 FEB 2026 - 02 APR 2026" for a hit ("..." where the window
// reaches past the span searched), empty for a station or ingress.
std::string TimelineWindowText(const TimelineEvent& event);

// The notes a timeline carries, each a report line "  NOTE: ...": the Pluto
// of its events outside its theory's years (natal, progressed, transiting,
// as the reports say it), the Ascendant left out of a polar birth, and the
// Julian calendar of the dates before 1582 October 15.
std::vector<std::string> TimelineNotes(const std::vector<TimelineEvent>& events,
                                       const TimelineRequest& request);

// Heading, the notes and one line per event, each at its moment in UT and
// on the chart's clock.
std::vector<std::string> TimelineLines(const std::vector<TimelineEvent>& events,
                                       const std::string& name, double fromJd, double toJd,
                                       const ChartClock& clock,
                                       const std::vector<std::string>& notes);

}  // namespace solvaris
