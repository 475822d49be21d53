// The forgiving number reading of the settings and options files.
#pragma once

#include <string_view>

namespace solvaris {

// Leading blanks skipped, then the longest prefix that reads as a decimal
// number (sign, digits, point, exponent); 0 when there is none.
double LenientNumber(std::string_view text);

}  // namespace solvaris
