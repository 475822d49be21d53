// Whether the extra points are shown, as the options text holds it: option
// 225, after the harmonic (224). The Options window's check box reads and
// writes it as the harmonic's control does its line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvaris {

// Option 225 reads 1; not when the text ends before it.
bool ExtraPointsInText(std::string_view text);

// The text with option 225 set to 1 (`shown`) or 0: its value field
// rewritten and its description kept, or the line added with the lines
// before it that are missing. Nothing when the text already reads as
// `shown` or ends before option 217.
std::optional<std::string> TextWithExtraPoints(std::string_view text, bool shown);

}  // namespace solvaris
