// The harmonic as the options text holds it: option 224, after the zodiac's
// lines and option 223 (the midpoint orb). The Options window's harmonic
// control reads and writes it as the zodiac's control does its lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvaris {

// 1 to 180; 1 when the text ends before option 224 or sets no harmonic.
int HarmonicInText(std::string_view text);

// The text with option 224 set to `n`: its value field rewritten and its
// description kept, or the line added with the lines before it that are
// missing (the zodiac's as the text chooses, the midpoint orb's default).
// Nothing when the text already reads as `n` or ends before option 217.
std::optional<std::string> TextWithHarmonic(std::string_view text, int n);

}  // namespace solvaris
