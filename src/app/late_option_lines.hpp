// The options after the zodiac's lines (223 on) as the options text holds
// them: the Options window's harmonic and extra-points controls each write
// one of them, adding the lines before it that the text lacks.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/options.hpp"

namespace solvaris {

// The options of the text up to option `last`; those it does not reach 0.
OptionTable OptionsInText(std::string_view text, std::size_t last);

// The text with option `number` (224 or 225) set to the whole number
// `value`: its value field rewritten and its description kept, or the line
// added with the missing lines before it at their defaults (the zodiac's as
// the text chooses). Nothing when the text is unchanged by it or ends before
// option 217.
std::optional<std::string> TextWithLateOption(std::string_view text, std::size_t number, int value);

}  // namespace solvaris
