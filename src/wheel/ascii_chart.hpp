// The main chart of a single wheel as a character picture for the data
// window: a square wheel of asterisks on 25 lines of 79 characters, the
// cusps around its edge and each point from the Sun to the Part of
// Fortune written inside its house, such as "SU05Sco".
#pragma once

#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "reports/report_buffer.hpp"
#include "wheel/wheel_state.hpp"

namespace solvaris {

inline constexpr int kAsciiRows = 25;
inline constexpr int kAsciiColumns = 79;

// The seven lines of the first heading, each after 5 blanks, then the 25
// rows. A point alone in its house sits where the wheel put it (the second
// half of the house when its slot in the last main-ring placement is 4 or
// more).
std::vector<std::string> AsciiChartLines(const WheelState& state);

// The lines appended to the report buffer.
void AppendAsciiChart(const WheelState& state, ReportBuffer& buffer, Platform& platform);

}  // namespace solvaris
