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
        // The printed date and hour are those of the instant, in the years
        // the entry accepts (far starts test the search alone).
        if (std::fabs(start) < 2) {
            const CivilDate date = CivilDateOfJulianDay(moons[i].julianDay);
            EXPECT_EQ(moons[i].date.year * 10000 + moons[i].date.month * 100 + moons[i].date.day,
                      date.year * 10000 + date.month * 100 + date.day);
            EXPECT_NEAR(
                JulianDayNumber(date.year, date.month, date.day) - 0.5 + moons[i].utHours / 24,
                moons[i].julianDay, 1e-9);
        }
    }
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
