// The main window's caption clock: the title text, the date "dd mmm yyyy",
// five blanks and the time as the user's clock shows it, on the home clock.
#pragma once

#include <string>

#include "platform/platform.hpp"

namespace solvaris {

// The home time zone of the options file: hours west of Greenwich.

// "SOLVARIS (Tropical zodiac) - 05 Dec 2026     12:03:15" (24-hour clock),
// "... 12:03:15 PM" and "... 2:03:15 PM" (12-hour clock).
std::string MainWindowCaption(const LocalDateTime& present, bool twelveHourClock);

// The time as the user's clock shows it: "14:03:15" or "2:03:15 PM".
std::string ClockTimeText(const LocalDateTime& present, bool twelveHourClock);

// A universal instant on the clock of a zone `zoneHoursWest` hours west of
// Greenwich (5 for New York, -1 for Berlin), across midnight and month ends.
LocalDateTime ZoneClockTime(const LocalDateTime& universal, double zoneHoursWest);

}  // namespace solvaris
