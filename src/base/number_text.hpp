// Strict reading and fixed-decimal writing of numbers typed or read from files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvaris {

// The whole text must be one finite decimal number.
std::optional<double> ParseNumber(std::string_view text);

// The whole text must be a decimal integer.
std::optional<long long> ParseInteger(std::string_view text);

// "%.Nf" of a value: 280.4603000 for (280.4603, 7), the exact binary value
// rounded to the nearest, ties to even, as printf does.
std::string FixedDecimals(double value, int decimals);

// The same text appended to `text`, for columns written by the thousand.
void AppendFixedDecimals(std::string& text, double value, int decimals);

// A number as a user types it: "5", "-5.5".
std::string NumberAsTyped(double value);

// With the sign's place kept: " 5", "-5.5".
std::string SignedNumberText(double value);

}  // namespace solvaris
