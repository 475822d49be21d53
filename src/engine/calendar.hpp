// Civil dates, Julian day numbers and the time arguments of the theories.
#pragma once

#include <string>

namespace solvaris {

// Order in which the user writes dates: 0 month/day/year, 1 day/month/year,
// 2 year/month/day.
enum class DateOrder { MonthDayYear = 0, DayMonthYear = 1, YearMonthDay = 2 };

// Day number of a civil date (Julian calendar up to 1582 October 4,
// Gregorian from October 15); 2000 January 1 is 2451545.
double JulianDayNumber(int year, int month, int day);

// Length of a month of the calendar in force: Julian leap years up to 1582,
// Gregorian ones after it.
int DaysInMonth(int year, int month);

// 1 Sunday to 7 Saturday; day number 2451545 (2000 January 1) is a
// Saturday.
int WeekdayOfDayNumber(double dayNumber);

struct CivilDate {
    int year;
    int month;
    int day;
};

// Fliegel and Van Flandern: always the (proleptic) Gregorian calendar.
CivilDate CivilDateOfJulianDay(double jd);

// "mm/dd/yyyy" and friends, two-digit day and month, leading blanks removed.
std::string JulianDayToDateText(double jd, DateOrder order);

inline constexpr double kJulianCentury = 36525;
inline constexpr double kOneDayInCenturies = 1 / kJulianCentury;

struct TimeArgs {
    double jd;
    double t;      // centuries from JD 2415020.0
    double t2000;  // centuries from JD 2451545.0
    double tNextDay;
    double t2000NextDay;
};

// JD = dayNumber - 0.5 + utFraction and the time arguments of that instant.
TimeArgs TimeArguments(double dayNumber, double utFraction);

}  // namespace solvaris
