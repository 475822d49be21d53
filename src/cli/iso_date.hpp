// Dates typed on the command line as YYYY-MM-DD.
#pragma once

#include <optional>
#include <string>

#include "engine/calendar.hpp"

namespace solvaris {

// The date, or nothing when malformed or not a day of the calendar (the
// days 5 to 14 October 1582 never were).
std::optional<CivilDate> ParseIsoDate(const std::string& text);

}  // namespace solvaris
