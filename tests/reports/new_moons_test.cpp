#include "reports/new_moons.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/angles.hpp"
#include "engine/moon.hpp"
#include "engine/sun.hpp"

namespace solvaris {
namespace {

// T of a Julian day.
double CenturiesOf(double jd) { return (jd - 2415020) / kJulianCentury; }

// How far apart the Moon and the Sun stand at T, 0 ... 180.
double Elongation(double t) {
    const double d = Normalize360(MoonPosition(t).longitude - SunPosition(t));
    return std::min(d, 360 - d);
}

// Thirteen conjunctions in a row: each within the tolerance, one lunation
// after the other, the first within a lunation of the start.
void ExpectConsecutive(const std::vector<NewMoon>& moons, double start) {
    ASSERT_EQ(moons.size(), static_cast<std::size_t>(kLunationCount)) << start;
    EXPECT_GE(moons[0].t, start);
    EXPECT_LT((moons[0].t - start) * kJulianCentury, 29.9) << start;
    for (std::size_t i = 0; i < moons.size(); ++i) {
        EXPECT_LT(Elongation(moons[i].t), kConjunctionTolerance) << start;
        if (i > 0) {
            const double gap = moons[i].julianDay - moons[i - 1].julianDay;
            EXPECT_GT(gap, 29.2) << start << " #" << i;
            EXPECT_LT(gap, 29.9) << start << " #" << i;
        }
    }
}

TEST(NewMoon, ThirteenFromJanuary2000) {
    const std::vector<NewMoon> moons = FindNewMoons(CenturiesOf(2451544.5));
    const char* const expected[] = {
        "  06 Jan 2000 - 15 CPR 44", "  05 Feb 2000 - 16 AQU 02", "  06 Mar 2000 - 15 PIS 57",
        "  04 Apr 2000 - 15 ARI 16", "  04 May 2000 - 14 TAU 00", "  02 Jun 2000 - 12 GEM 15",
        "  01 Jul 2000 - 10 CAN 14", "  31 Jul 2000 - 08 LEO 12", "  29 Aug 2000 - 06 VIR 23",
        "  27 Sep 2000 - 05 LIB 00", "  27 Oct 2000 - 04 SCO 12", "  25 Nov 2000 - 03 SAG 59",
        "  25 Dec 2000 - 04 CPR 14"};
    ASSERT_EQ(moons.size(), std::size(expected));
    for (std::size_t i = 0; i < moons.size(); ++i) {
        EXPECT_EQ(NewMoonLine(moons[i]), expected[i]);
    }
    // 2000 January 6 at 18:14 UT; the theories run on UT.
    EXPECT_NEAR(moons[0].utHours, 18 + 14 / 60.0, 3 / 60.0);
    EXPECT_NEAR(moons[0].julianDay, moons[0].t * kJulianCentury + 2415020, 1e-9);
    EXPECT_NEAR(moons[0].longitude, MoonPosition(moons[0].t).longitude, 1e-12);
    ExpectConsecutive(moons, CenturiesOf(2451544.5));
}

TEST(NewMoon, NoneSkippedWhateverTheSeason) {
    // A start every 11 days over two years: the Sun in every sign, the Moon
    // at every phase.
    for (double jd = 2460000.5; jd < 2460000.5 + 730; jd += 11) {
        ExpectConsecutive(FindNewMoons(CenturiesOf(jd)), CenturiesOf(jd));
    }
}

TEST(NewMoon, StartAtAndJustAfterANewMoon) {
    const NewMoon first = FindNewMoons(CenturiesOf(2451544.5))[0];
    const std::vector<NewMoon> at = FindNewMoons(first.t);
    ASSERT_FALSE(at.empty());
    EXPECT_EQ(at[0].t, first.t);

    // Half a day later the Moon is six degrees past: the next one is first.
    const std::vector<NewMoon> after = FindNewMoons(first.t + 0.5 / kJulianCentury);
    ASSERT_FALSE(after.empty());
    EXPECT_NEAR(after[0].julianDay - first.julianDay, 29.5, 0.4);
}

TEST(NewMoon, DatesAndTimesOfTheInstant) {
    for (const NewMoon& m : FindNewMoons(CenturiesOf(2433000.5))) {
        const CivilDate date = CivilDateOfJulianDay(m.julianDay);
        EXPECT_EQ(m.date.year, date.year);
        EXPECT_EQ(m.date.month, date.month);
        EXPECT_EQ(m.date.day, date.day);
        EXPECT_GE(m.utHours, 0);
        EXPECT_LT(m.utHours, 24);
        const double midnight = JulianDayNumber(date.year, date.month, date.day) - 0.5;
        EXPECT_NEAR(midnight + m.utHours / 24, m.julianDay, 1e-9);
        EXPECT_GE(m.longitude, 0);
        EXPECT_LT(m.longitude, 360);
    }
}

TEST(NewMoon, FarAndUnusableStarts) {
    ExpectConsecutive(FindNewMoons(99), 99);
    ExpectConsecutive(FindNewMoons(-99), -99);
    for (double start : {101.0, -101.0, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity()}) {
        EXPECT_TRUE(FindNewMoons(start).empty()) << start;
    }
}

TEST(NewMoon, LineFieldByField) {
    NewMoon m;
    m.date = {1950, 12, 9};
    m.longitude = 359.99;
    EXPECT_EQ(NewMoonLine(m), "  09 Dec 1950 - 29 PIS 59");
    m.date = {2000, 1, 6};
    m.longitude = 0;
    EXPECT_EQ(NewMoonLine(m), "  06 Jan 2000 - 00 ARI 00");
}

}  // namespace
}  // namespace solvaris
