// The zodiac as the options text holds it: options 219 to 222, after line
// 218 that names the folder of Swiss Ephemeris's files. The Options window's
// zodiac control reads and writes these lines of its text, as the engine's
// controls do theirs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/ayanamsa.hpp"

namespace solvaris {

// The zodiac the text chooses; tropical when its options end before 219.
Zodiac ZodiacChoiceInText(std::string_view text);

// Whether the options of the text reach option 217, after which the zodiac's
// lines can be written (line 218 added as "no folder" when it is missing).
bool ZodiacLinesWritable(std::string_view text);

// The text with lines 219 to 222 stating the zodiac: each value field
// rewritten and its description kept, or the lines added where the options
// end. Nothing when the text already says so or ends before option 217.
std::optional<std::string> TextWithZodiac(std::string_view text, const Zodiac& zodiac);

// The 7-character value fields of options 221 and 222: the degrees with
// four decimals (three from 100 on), the year with as many as the field has
// room for, trailing zeros dropped down to one ("2000.0", "1950.25").
std::string UserAyanamsaDegField(double deg);
std::string UserEpochYearField(double year);

}  // namespace solvaris
