// The main window's caption clock: the title text, the date "dd mmm yyyy",
// five blanks and the time as the user's clock shows it, on the home clock.
#pragma once

#include <string>

#include "base/options.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// "SOLVARIS (Tropical zodiac) - 05 Dec 2026     12:03:15" (24-hour clock),
// "... 12:03:15 PM" and "... 2:03:15 PM" (12-hour clock).
std::string MainWindowCaption(const LocalDateTime& present, bool twelveHourClock,
                              const OptionTable& options);

// The time as the user's clock shows it: "14:03:15" or "2:03:15 PM".
std::string ClockTimeText(const LocalDateTime& present, bool twelveHourClock);

}  // namespace solvaris
