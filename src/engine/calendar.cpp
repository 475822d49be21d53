#include "engine/calendar.hpp"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace solvaris {

double JulianDayNumber(int year, int month, int day) {
    // Months counted from March of year -4800.
    const double c = (year + 4800.0) * 12 + month - 3;
    double n = std::floor((2 * (c - 12 * std::floor(c / 12)) + 7 + 365 * c) / 12) + day +
               std::floor(c / 48) - 32083;
    // 2299171 is 1582 October 15 counted in the Julian calendar.
    if (n >= 2299171) {
        n = n + std::floor(c / 4800) - std::floor(c / 1200) + 38;
    }
    return n;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) {
        const bool leap = year % 4 == 0 && (year <= 1582 || year % 100 != 0 || year % 400 == 0);
        return leap ? 29 : 28;
    }
    return kDays[month - 1];
}

CivilDate CivilDateOfJulianDay(double jd) {
    double l = std::floor(jd + 0.5) + 68569;
    const double n = std::floor(4 * l / 146097);
    l = l - std::floor((146097 * n + 3) / 4);
    const double i = std::floor(4000 * (l + 1) / 1461001);
    l = l - std::floor(1461 * i / 4) + 31;
    const double j = std::floor(80 * l / 2447);
    const double day = l - std::floor(2447 * j / 80);
    l = std::floor(j / 11);
    const double month = j + 2 - 12 * l;
    const double year = 100 * (n - 49) + i + l;
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

namespace {

// Meeus's inversion of the Julian calendar.
CivilDate JulianCalendarDate(double dayNumber) {
    const double b = dayNumber + 1524;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    const int day = static_cast<int>(b - d - std::floor(30.6001 * e));
    const int month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    const int year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
    return {year, month, day};
}

}  // namespace

bool BeforeGregorianCalendar(double jd) { return std::floor(jd + 0.5) < kFirstGregorianDayNumber; }

CivilDate CalendarDateOfDayNumber(double jd) {
    return BeforeGregorianCalendar(jd) ? JulianCalendarDate(std::floor(jd + 0.5))
                                       : CivilDateOfJulianDay(jd);
}

namespace {

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

// The last four characters of the year's text, whose leading blank stands
// for the sign of a non-negative number.
std::string YearField(int year) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, year < 0 ? "%d" : " %d", year);
    const std::string_view text(buffer);
    return std::string(text.size() > 4 ? text.substr(text.size() - 4) : text);
}

}  // namespace

std::string JulianDayToDateText(double jd, DateOrder order) {
    const CivilDate d = CalendarDateOfDayNumber(jd);
    const std::string dd = TwoDigits(d.day);
    const std::string mm = TwoDigits(d.month);
    const std::string yyyy = YearField(d.year);
    std::string text;
    switch (order) {
        case DateOrder::DayMonthYear: text = dd + "/" + mm + "/" + yyyy; break;
        case DateOrder::YearMonthDay: text = yyyy + "/" + mm + "/" + dd; break;
        case DateOrder::MonthDayYear: text = mm + "/" + dd + "/" + yyyy; break;
    }
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

TimeArgs TimeArguments(double dayNumber, double utFraction) {
    const double jd = dayNumber - 0.5 + utFraction;
    const double t = (dayNumber - 2415020 + utFraction - 0.5) / kJulianCentury;
    const double t2000 = (dayNumber - 2451545 + utFraction - 0.5) / kJulianCentury;
    return {jd, t, t2000, t + kOneDayInCenturies, t2000 + kOneDayInCenturies};
}

int WeekdayOfDayNumber(double dayNumber) {
    return static_cast<int>(dayNumber + 1 - 7 * std::floor((dayNumber + 1) / 7)) + 1;
}

}  // namespace solvaris
