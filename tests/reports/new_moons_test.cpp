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

// Thirteen conjunctions in a row, the first within a lunation of the start.
void ExpectConsecutive(const std::vector<NewMoon>& moons, double start) {
    ASSERT_EQ(moons.size(), static_cast<std::size_t>(kLunationCount)) << start;
    EXPECT_GE(moons[0].t, start);
    EXPECT_LT((moons[0].t - start) * kJulianCentury, 29.9) << start;
    for (std::size_t i = 0; i < moons.size(); ++i) {
        EXPECT_LT(Elongation(moons[i].t), kConjunctionTolerance) << start;
        if (i > 0) {
            EXPECT_NEAR(moons[i].julianDay - moons[i - 1].julianDay, 29.55, 0.35)
                << start << " #" << i;
        }
        // The printed date and hour are the instant's (far starts: the search alone).
        if (std::fabs(start) < 2) {
            const CivilDate& d = moons[i].date;
            EXPECT_EQ(CivilDateOfJulianDay(moons[i].julianDay).day, d.day);
            EXPECT_NEAR(JulianDayNumber(d.year, d.month, d.day) - 0.5 + moons[i].utHours / 24,
                        moons[i].julianDay, 1e-9);
        }
    }
}

TEST(NewMoon, NoneSkippedWhateverTheSeason) {
    // A start every 11 days over two years: the Sun in every sign, the Moon
    // at every phase.
    for (double jd = 2460000.5; jd < 2460000.5 + 730; jd += 11) {
        ExpectConsecutive(FindNewMoons(Ephemeris{}, CenturiesOf(jd)), CenturiesOf(jd));
    }
}

TEST(NewMoon, StartAtAndJustAfterANewMoon) {
    const NewMoon first = FindNewMoons(Ephemeris{}, CenturiesOf(2451544.5))[0];
    EXPECT_EQ(FindNewMoons(Ephemeris{}, first.t).at(0).t, first.t);

    // Half a day later the Moon is six degrees past: the next one is first.
    const NewMoon next = FindNewMoons(Ephemeris{}, first.t + 0.5 / kJulianCentury).at(0);
    EXPECT_NEAR(next.julianDay - first.julianDay, 29.5, 0.4);
}

TEST(NewMoon, FarAndUnusableStarts) {
    ExpectConsecutive(FindNewMoons(Ephemeris{}, 99), 99);
    ExpectConsecutive(FindNewMoons(Ephemeris{}, -99), -99);
    for (double start : {101.0, -101.0, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity()}) {
        EXPECT_TRUE(FindNewMoons(Ephemeris{}, start).empty()) << start;
    }
}

}  // namespace
}  // namespace solvaris
