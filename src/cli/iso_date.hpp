// Dates typed on the command line as YYYY-MM-DD.
#pragma once

#include <optional>
#include <string>

#include "engine/calendar.hpp"

namespace solvaris {

// The calendar every date of the command line is read and printed in, as
// the reports print them; calendar files alone are Gregorian throughout.
inline constexpr const char* kIsoDateCalendar =
    "Julian calendar before 1582-10-15, Gregorian from then";

// The date, or nothing when malformed or not a day of the calendar (the
// days 5 to 14 October 1582 never were).
std::optional<CivilDate> ParseIsoDate(const std::string& text);

}  // namespace solvaris
