// The number and date patterns of the program's files and reports: "00",
// "#0.00", "##.#0", "#00#.#0" and "dd mmm yyyy". A "0" is a digit always
// shown, a "#" one shown only when it is significant; every decimal place
// up to the last "0" after the point is shown.
#pragma once

#include <string>
#include <string_view>

namespace solvaris {

// The value rounded to the pattern's decimal places and written by it
// ("-074.00" for -74 with "#00#.#0").
std::string FormatNumber(double value, std::string_view pattern);

// "Tuesday" for weekday 3 (1 Sunday to 7 Saturday): the "dddd" pattern.
std::string_view FullWeekdayName(int weekday);

// "05 Dec 1950".
std::string FormatDate(int year, int month, int day);

}  // namespace solvaris
