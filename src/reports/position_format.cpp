#include "reports/position_format.hpp"

#include <cmath>
#include <cstdio>

#include "base/text_lines.hpp"
#include "engine/chart_point.hpp"

namespace solvaris {

SplitLongitude Split(double longitude) {
    const double whole = std::floor(longitude);
    const int wholeDegrees = static_cast<int>(whole);
    const double x = (longitude - whole) * 60;
    int minutes = static_cast<int>(std::floor(x + 0.5));
    if (minutes == 60) {
        minutes = 59;
    }
    return {wholeDegrees / 30 + 1, wholeDegrees % 30, minutes, static_cast<int>(std::floor(x)),
            static_cast<int>(std::floor((x - std::floor(x)) * 60))};
}

std::string DegreesMinutesText(double x, std::size_t degreeWidth) {
    const long long minutes = std::llround(x * 60);
    std::string degrees = std::to_string(minutes / 60);
    if (degrees.size() < degreeWidth) {
        degrees.insert(0, degreeWidth - degrees.size(), ' ');
    }
    return degrees + "d " + TwoDigits(static_cast<int>(minutes % 60)) + "m";
}

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string Field(const std::string& text, std::size_t width) {
    std::string out = text;
    const std::size_t count = CharacterCount(out);
    if (count < width) {
        out.append(width - count, ' ');
    } else if (out.size() > width && count == out.size()) {
        out.resize(width);
    }
    return out;
}

std::string LongitudeDM(double longitude) {
    const SplitLongitude s = Split(longitude);
    return TwoDigits(s.degrees) + " " + std::string(SignAbbreviation(s.sign)) + " " +
           TwoDigits(s.minutes);
}

std::string LongitudeDMS(double longitude) {
    const SplitLongitude s = Split(longitude);
    return TwoDigits(s.degrees) + " " + std::string(SignAbbreviation(s.sign)) + " " +
           TwoDigits(s.truncatedMinutes) + "m " + TwoDigits(s.seconds) + "s";
}

namespace {

std::string Declination(double declination, bool truncated) {
    const SplitLongitude s = Split(std::fabs(declination));
    return TwoDigits(s.degrees) + (declination < 0 ? " S " : " N ") +
           TwoDigits(truncated ? s.truncatedMinutes : s.minutes);
}

}  // namespace

std::string DeclinationDM(double declination) { return Declination(declination, false); }

std::string DeclinationDMTruncated(double declination) { return Declination(declination, true); }

}  // namespace solvaris
