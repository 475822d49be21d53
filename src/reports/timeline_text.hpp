// The timeline as the data window shows it: one fixed-width line per event,
// its moment in UT and on the chart's clock, and the window of its orb.
#pragma once

#include <string>
#include <vector>

#include "aspects/timeline.hpp"

namespace solvaris {

// "14 MAR 2026 05:23": a Julian day (UT or local) to the nearest minute.
std::string TimelineMomentText(double jd);

// "Tr.", "Pr.", "SA." and the bodies and aspect of an event: "Tr. SATURN
// Square SUN" in report-name fields, "Tr. MERCURY turns retrograde", "Tr.
// MARS enters LEO".
std::string TimelineEventText(const TimelineEvent& event);

// "1.0  20 FEB 2026 - 02 APR 2026" for a hit ("..." where the window
// reaches past the span searched), empty for a station or ingress.
std::string TimelineWindowText(const TimelineEvent& event);

// Heading and one line per event. `zoneHours` is the natal zone (hours west
// positive) that gives the chart's clock.
std::vector<std::string> TimelineLines(const std::vector<TimelineEvent>& events,
                                       const std::string& name, double fromJd, double toJd,
                                       double zoneHours);

}  // namespace solvaris
