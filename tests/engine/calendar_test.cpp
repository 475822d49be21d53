#include "engine/calendar.hpp"

#include <gtest/gtest.h>

namespace solvaris {
namespace {

TEST(Calendar, JulianDayNumber) {
    struct Case {
        int y, m, d;
        double jdn;
    };
    // Gregorian rows agree with an ordinal-date count; the Julian rows with
    // the Julian-calendar formula.
    for (const Case& c :
         {Case{2000, 1, 1, 2451545}, Case{1582, 10, 4, 2299160}, Case{1582, 10, 15, 2299161},
          Case{1582, 10, 16, 2299162}, Case{1900, 1, 1, 2415021}, Case{1600, 3, 1, 2305508},
          Case{2099, 12, 31, 2488069}, Case{1999, 12, 31, 2451544}, Case{1583, 1, 1, 2299239},
          Case{1000, 1, 1, 2086308}}) {
        EXPECT_EQ(JulianDayNumber(c.y, c.m, c.d), c.jdn) << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(Calendar, DateTextIsGregorianInTheUsersOrder) {
    struct Case {
        double jd;
        DateOrder order;
        const char* text;
    };
    for (const Case& c : {Case{2451545.0, DateOrder::DayMonthYear, "01/01/2000"},
                          Case{2451545.0, DateOrder::MonthDayYear, "01/01/2000"},
                          Case{2451545.0, DateOrder::YearMonthDay, "2000/01/01"},
                          Case{2299160.0, DateOrder::MonthDayYear, "10/14/1582"},
                          Case{2488069.4, DateOrder::DayMonthYear, "31/12/2099"},
                          Case{2415020.5, DateOrder::MonthDayYear, "01/01/1900"},
                          Case{2086308.0, DateOrder::YearMonthDay, "1000/01/06"},
                          Case{2013420.0, DateOrder::YearMonthDay, "800/06/15"},
                          Case{2013420.0, DateOrder::DayMonthYear, "15/06/ 800"}}) {
        EXPECT_EQ(JulianDayToDateText(c.jd, c.order), c.text) << c.jd;
    }
}

TEST(Calendar, DaysInMonth) {
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(1500, 2), 29);  // Julian leap year
    EXPECT_EQ(DaysInMonth(2023, 4), 30);
}

}  // namespace
}  // namespace solvaris
