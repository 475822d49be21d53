// The user's ayanamsa as the Options window's two fields type it: its
// degrees at its epoch (option 221) and the epoch's year (option 222), in
// the ranges --ayanamsa-value and --ayanamsa-epoch take.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/problem.hpp"

namespace solvaris {

// Degrees 0 <= value < 360 and years 100 <= epoch < 3000.
inline constexpr double kLowestUserAyanamsaDeg = 0;
inline constexpr double kUserAyanamsaDegBound = 360;
inline constexpr double kEarliestUserEpochYear = 100;
inline constexpr double kUserEpochYearBound = 3000;

// The number a whole field holds (blanks at either end aside) within its
// range; nothing for anything else.
std::optional<double> UserAyanamsaDegOfField(std::string_view typed);
std::optional<double> UserEpochYearOfField(std::string_view typed);

// Empty when both fields hold numbers in their ranges, else what is wrong
// with the first that does not.
Problem UserAyanamsaFieldsProblem(std::string_view typedDeg, std::string_view typedEpoch);

// The fields as options 221 and 222 hold their values, blanks trimmed:
// "24.0000", "1950.25".
std::string UserAyanamsaDegText(double deg);
std::string UserEpochYearText(double year);

// The text with options 221 and 222 holding the values (the other zodiac
// lines as the text has them); nothing when it already does or ends before
// option 217.
std::optional<std::string> TextWithUserAyanamsa(std::string_view text, double deg,
                                                double epochYear);

// The user's values in the options text: degrees and the epoch's year.
double UserAyanamsaDegInText(std::string_view text);
double UserEpochYearInText(std::string_view text);

}  // namespace solvaris
