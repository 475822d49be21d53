// The forgiving number reading of the settings and options files.
#pragma once

#include <optional>
#include <string_view>

namespace solvaris {

// Leading blanks skipped, then the longest prefix that reads as a decimal
// number (sign, digits, point, exponent); 0 when there is none.
double LenientNumber(std::string_view text);

// A typed date field's whole number when it lies within [low, high];
// nothing for an empty field.
std::optional<int> WholeFieldIn(std::string_view text, int low, int high);

}  // namespace solvaris
