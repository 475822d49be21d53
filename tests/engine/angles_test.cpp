// The engine's angle arithmetic and its calendar of Julian and Gregorian days.
#include "engine/angles.hpp"

#include <gtest/gtest.h>

#include "engine/calendar.hpp"

namespace solvaris {
namespace {

TEST(Angles, Normalize360) {
    struct Case {
        double in, out;
    };
    for (const Case& c : {Case{-30, 330}, Case{720, 0}, Case{359.9999, 359.9999}, Case{0, 0},
                          Case{360, 0}, Case{-720.5, 359.5}, Case{-1e-15, 0}}) {
        const double r = Normalize360(c.in);
        EXPECT_NEAR(r, c.out, 1e-9) << c.in;
        EXPECT_GE(r, 0) << c.in;
        EXPECT_LT(r, 360) << c.in;
    }
    EXPECT_EQ(Normalize360(std::nan("")), 0);
}

TEST(Angles, PackedRoundTripAndArcSinLimits) {
    EXPECT_NEAR(ToPacked(12.5), 12.30, 1e-12);
    EXPECT_NEAR(FromPacked(12.30), 12.5, 1e-12);
    for (double x : {0.0, 0.25, 7.75, 74.5, 179.9833333}) {
        EXPECT_NEAR(FromPacked(ToPacked(x)), x, 1e-12) << x;
    }
    EXPECT_EQ(ArcSin(1), PI / 2);  // the ten-decimal PI, as every angle of the program
    EXPECT_EQ(ArcSin(-1), -PI / 2);
    EXPECT_NEAR(ArcSin(0.5), std::asin(0.5), 1e-15);
}

TEST(Angles, RectToPolarQuadrantsAndAxes) {
    struct Case {
        double x, y, angle;
    };
    for (const Case& c : {Case{1, 0, kAxisAngleRad}, Case{0, 1, PI / 2}, Case{0, -1, 3 * PI / 2},
                          Case{-1, 1, 3 * PI / 4}, Case{-1, -1, 5 * PI / 4},
                          Case{1, -1, 7 * PI / 4}, Case{1, 1, PI / 4}}) {
        // The quadrant steps add the ten-decimal PI, atan is full precision.
        EXPECT_NEAR(RectToPolar(c.x, c.y).angleRad, c.angle, 1e-10) << c.x << "," << c.y;
    }
    EXPECT_EQ(RectToPolar(1, 0).angleRad, 1.74533e-9);
    EXPECT_NEAR(RectToPolar(3, 4).r, 5, 1e-12);
    EXPECT_EQ(PolarToRect(2, 0).y, 2 * std::sin(1.74533e-9));
}

TEST(Angles, RectToSpherical) {
    struct Case {
        double x, y, z, lon, lat;
    };
    for (const Case& c :
         {Case{0, 0, 1, 0, 90}, Case{0, 0, -1, 0, -90}, Case{0, 0, 0, 0, 0}, Case{-1, 0, 0, 180, 0},
          Case{0, -1, 0, 270, 0}, Case{0, 1, 0, 90, 0}, Case{1, 1, 0, 45, 0},
          Case{1, -1, 0, 315, 0}, Case{1, 0, 1, 0, 45}, Case{1, -1e-300, 0, 0, 0}}) {
        const Spherical s = RectToSpherical(c.x, c.y, c.z);
        EXPECT_NEAR(s.longitude, c.lon, 1e-8) << c.x << "," << c.y << "," << c.z;
        EXPECT_NEAR(s.latitude, c.lat, 1e-8) << c.x << "," << c.y << "," << c.z;
        EXPECT_LT(s.longitude, 360);
    }
}

TEST(Calendar, JulianDayNumber) {
    struct Case {
        int y, m, d;
        double jdn;
    };
    // Gregorian rows by an ordinal-date count, Julian rows by the Julian calendar's formula.
    for (const Case& c :
         {Case{2000, 1, 1, 2451545}, Case{1582, 10, 4, 2299160}, Case{1582, 10, 15, 2299161},
          Case{1900, 1, 1, 2415021}, Case{1600, 3, 1, 2305508}, Case{2099, 12, 31, 2488069},
          Case{1000, 1, 1, 2086308}}) {
        EXPECT_EQ(JulianDayNumber(c.y, c.m, c.d), c.jdn) << c.y << "-" << c.m << "-" << c.d;
    }
}

// The date text is in the calendar dates are entered in, Julian before the
// reform, so that 2299160 reads 1582 October 4 and the next day October 15.
TEST(Calendar, DateTextIsInTheEntryCalendarInTheUsersOrder) {
    struct Case {
        double jd;
        DateOrder order;
        const char* text;
    };
    for (const Case& c : {Case{2451545.0, DateOrder::DayMonthYear, "01/01/2000"},
                          Case{2451545.0, DateOrder::YearMonthDay, "2000/01/01"},
                          Case{2299160.0, DateOrder::MonthDayYear, "10/04/1582"},
                          Case{2299161.0, DateOrder::MonthDayYear, "10/15/1582"},
                          Case{2488069.4, DateOrder::DayMonthYear, "31/12/2099"},
                          Case{2086308.0, DateOrder::YearMonthDay, "1000/01/01"},
                          Case{2013420.0, DateOrder::YearMonthDay, "800/06/11"},
                          Case{2013420.0, DateOrder::DayMonthYear, "11/06/ 800"}}) {
        EXPECT_EQ(JulianDayToDateText(c.jd, c.order), c.text) << c.jd;
    }
}

// Every day from 1 January 100 to 31 December 2099 reads back as its own
// day number, and agrees with the textbook Julian-calendar count before the
// reform and with the proleptic Gregorian date after it.
TEST(Calendar, EveryDayReadsBackAsItsDayNumber) {
    const auto julianCount = [](long long y, long long m, long long d) {
        return 367 * y - 7 * (y + 5001 + (m - 9) / 7) / 4 + 275 * m / 9 + d + 1729777;
    };
    const double first = JulianDayNumber(100, 1, 1);
    const double last = JulianDayNumber(2099, 12, 31);
    EXPECT_EQ(first, julianCount(100, 1, 1));
    for (double n = first; n <= last; ++n) {
        const CivilDate date = CalendarDateOfDayNumber(n);
        ASSERT_EQ(JulianDayNumber(date.year, date.month, date.day), n);
        ASSERT_EQ(BeforeGregorianCalendar(n), n < kFirstGregorianDayNumber);
        if (n < kFirstGregorianDayNumber) {
            ASSERT_EQ(julianCount(date.year, date.month, date.day), n);
        } else {
            const CivilDate gregorian = CivilDateOfJulianDay(n);
            ASSERT_EQ(date.year * 10000 + date.month * 100 + date.day,
                      gregorian.year * 10000 + gregorian.month * 100 + gregorian.day);
        }
        // Any moment of the civil day, which begins half a day earlier.
        const CivilDate late = CalendarDateOfDayNumber(n + 0.4999);
        const CivilDate early = CalendarDateOfDayNumber(n - 0.5);
        ASSERT_EQ(late.day, date.day);
        ASSERT_EQ(early.day, date.day);
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
