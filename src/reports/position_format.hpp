// How every report writes a longitude and a declination: "05 ARI 23",
// "05 ARI 23m 07s", "23 N 27". The degrees in the sign come from the whole
// degrees only and rounded minutes never carry into them.
#pragma once

#include <string>

namespace solvaris {

struct SplitLongitude {
    int sign;     // 1 Aries to 12 Pisces
    int degrees;  // in the sign
    int minutes;  // rounded, 60 kept at 59
    int truncatedMinutes;
    int seconds;  // truncated
};

SplitLongitude Split(double longitude);

std::string LongitudeDM(double longitude);
std::string LongitudeDMS(double longitude);
std::string DeclinationDM(double declination);
// The same with truncated minutes (the true node's line).
std::string DeclinationDMTruncated(double declination);

// Degrees and minutes rounded to the minute, the minutes carried into the
// degrees (x is not negative): "  1d 30m" with `degreeWidth` 3.
std::string DegreesMinutesText(double x, std::size_t degreeWidth);

// Two digits with a leading zero: the "00" pattern of a whole number.
std::string TwoDigits(int value);

// `text` padded with blanks (or cut) to `width` characters.
std::string Field(const std::string& text, std::size_t width);

}  // namespace solvaris
