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

// 1582 October 15, the first day of the Gregorian calendar.
inline constexpr double kFirstGregorianDayNumber = 2299161;

// Fliegel and Van Flandern: always the (proleptic) Gregorian calendar, as
// calendar files read dates.
CivilDate CivilDateOfJulianDay(double jd);

// The date of the civil day holding `jd` in the calendar dates are entered
// and printed in (Julian up to 1582 October 4, Gregorian from October 15),
// so that a date read back gives the same day number.
CivilDate CalendarDateOfDayNumber(double jd);

// True for a moment whose civil day lies before 1582 October 15.
bool BeforeGregorianCalendar(double jd);

// "mm/dd/yyyy" and friends in the calendar dates are entered in, two-digit
// day and month, leading blanks removed.
std::string JulianDayToDateText(double jd, DateOrder order);

inline constexpr double kJulianCentury = 36525;
// The Julian day of 1970-01-01 0h UT, where system clock seconds count from.
inline constexpr double kUnixEpochJd = 2440587.5;
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
