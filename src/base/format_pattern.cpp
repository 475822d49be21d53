#include "base/format_pattern.hpp"

#include <cmath>
#include <cstdio>

namespace solvaris {

namespace {

constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
    const auto point = pattern.find('.');
    const std::string_view whole = pattern.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    const auto firstZero = whole.find('0');
    const std::size_t minWholeDigits =
        firstZero == std::string_view::npos ? 0 : whole.size() - firstZero;
    const auto lastZero = fraction.rfind('0');
    const std::size_t minDecimals = lastZero == std::string_view::npos ? 0 : lastZero + 1;
    const int decimals = static_cast<int>(fraction.size());

    // Halves round away from zero, as the patterns always have.
    const double scaled = std::round(std::fabs(value) * std::pow(10.0, decimals));
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", scaled);
    std::string text = digits;
    if (text.size() < static_cast<std::size_t>(decimals) + 1) {
        text.insert(0, decimals + 1 - text.size(), '0');
    }
    std::string wholeDigits = text.substr(0, text.size() - decimals);
    std::string fractionDigits = text.substr(text.size() - decimals);
    const bool negative = value < 0 && scaled != 0;

    if (wholeDigits == "0") {
        wholeDigits.clear();
    }
    if (wholeDigits.size() < minWholeDigits) {
        wholeDigits.insert(0, minWholeDigits - wholeDigits.size(), '0');
    }
    while (fractionDigits.size() > minDecimals && fractionDigits.back() == '0') {
        fractionDigits.pop_back();
    }
    std::string out = negative ? "-" : "";
    out += wholeDigits;
    if (point != std::string_view::npos) {
        out += '.';
        out += fractionDigits;
    }
    return out;
}

std::string_view FullWeekdayName(int weekday) {
    static constexpr std::string_view kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
    return weekday >= 1 && weekday <= 7 ? kNames[weekday - 1] : "";
}

std::string FormatDate(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d %s %04d", day,
                  month >= 1 && month <= 12 ? kMonths[month - 1] : "???", year);
    return text;
}

}  // namespace solvaris
