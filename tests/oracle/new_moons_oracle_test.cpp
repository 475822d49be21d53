// The new moons of the lunations report against Swiss Ephemeris (analytic
// Moshier mode, apparent positions, universal time): the true conjunction
// is found by bisection on the Moon's distance from the Sun. The bound is
// about 1.5 times the worst gap measured; the gaps come from our lunar
// theory and from our search running on UT where Swiss Ephemeris uses TT.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "reports/new_moons.hpp"

namespace solvaris {
namespace {

constexpr double kMinutesPerDay = 1440;
constexpr double kWorstMinutes = 1.83;

double SwissLongitude(double jd, int body) {
    double xx[6] = {};
    char error[256] = "";
    swe_calc_ut(jd, body, SEFLG_MOSEPH, xx, error);
    return xx[0];
}

// The Moon's longitude less the Sun's, -180 ... 180.
double MoonFromSun(double jd) {
    return std::remainder(SwissLongitude(jd, SE_MOON) - SwissLongitude(jd, SE_SUN), 360.0);
}

// The conjunction within half a day of `jd`, to a hundredth of a second.
double SwissConjunction(double jd) {
    double before = jd - 0.5;
    double after = jd + 0.5;
    EXPECT_LT(MoonFromSun(before), 0);
    EXPECT_GT(MoonFromSun(after), 0);
    while (after - before > 1e-7) {
        const double middle = (before + after) / 2;
        (MoonFromSun(middle) < 0 ? before : after) = middle;
    }
    return (before + after) / 2;
}

TEST(NewMoonOracle, ConjunctionsAgreeWithSwissEphemeris) {
    double worst = 0;
    double worstAt = 0;
    double sum = 0;
    int count = 0;
    // Starts spread over 1900-2099, a little over eight years apart.
    for (double start = 2415020.5 + 17; start < 2488069.5; start += 3043.7) {
        const std::vector<NewMoon> moons = FindNewMoons((start - 2415020) / 36525);
        ASSERT_EQ(moons.size(), static_cast<std::size_t>(kLunationCount));
        for (const NewMoon& m : moons) {
            const double gap = std::fabs(m.julianDay - SwissConjunction(m.julianDay));
            const double minutes = gap * kMinutesPerDay;
            sum += minutes;
            ++count;
            if (minutes > worst) {
                worst = minutes;
                worstAt = m.julianDay;
            }
        }
    }
    std::printf("new moons: %d compared, mean gap %.2f minutes, worst %.2f minutes at JD %.4f\n",
                count, sum / count, worst, worstAt);
    EXPECT_LT(worst, 1.5 * kWorstMinutes);
}

}  // namespace
}  // namespace solvaris
