// The New Transit Date window's rules: the three date fields shown for a
// day number, and the day number read back from them for the transit
// interpretations to start at.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.hpp"

namespace solvaris {

// NewDate, "New Transit Date": one member per text field.
struct NewDateWindow {
    std::string txtMonth;
    std::string txtDay;
    std::string txtYear;
};

// The date of the day number as "m", "d" and "yyyy", in the calendar the
// entry fields are read in.
NewDateWindow NewDateFieldsOf(double dayNumber);

// The day number of the typed date; days past the month's end carry into
// the next (31 February is 3 March, or 2 March in a leap year). An empty
// or out-of-range field (month 1-12, day 1-31, year 1-2099) shows why and
// gives nothing.
std::optional<double> NewDateDayNumber(const NewDateWindow& window, Platform& platform);

inline constexpr const char* kNewDateError =
    "Error in transit date. Please enter a month from 1 to 12, a day from 1 to 31 and a year "
    "from 1 to 2099.";

}  // namespace solvaris
