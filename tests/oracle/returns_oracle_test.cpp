// Searched moments against Swiss Ephemeris (analytic Moshier mode): returns
// against its crossing finders, sunrise and sunset against swe_rise_trans for
// the geometric rising of the disc centre (our search puts the Sun on the
// Ascendant), new moons against the conjunction found by bisection. Each bound
// is about 1.5 times the worst gap measured; the gaps come from our theories
// and from our searches running on UT where Swiss Ephemeris uses TT.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <random>
#include <vector>

#include "chart/angles.hpp"
#include "chart/planetary_hours.hpp"
#include "chart/returns.hpp"
#include "engine/moon.hpp"
#include "engine/sun.hpp"
#include "reports/new_moons.hpp"
#include "support/scripted_platform.hpp"
#include "support/swiss_rising.hpp"

namespace solvaris {
namespace {

constexpr double kMinutesPerDay = 1440;
constexpr double kSolarWorstMinutes = 2.86;
constexpr double kLunarWorstMinutes = 1.82;

// Births and return dates spread over 1900-2099: each birth's solar return in
// the drawn year and lunar return from the drawn date.
TEST(ReturnsOracle, SolarAndLunarReturnsAgreeWithSwissEphemeris) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> years(1900, 2099), months(1, 12), days(1, 28);
    std::uniform_int_distribution<int> hours(1, 12), minutes(0, 59);
    ScriptedPlatform platform;
    char error[256] = "";
    for (int i = 0; i < 300; ++i) {
        BirthData natal;
        natal.year = static_cast<std::int16_t>(years(random));
        natal.month = static_cast<std::int16_t>(months(random));
        natal.day = static_cast<std::int16_t>(days(random));
        natal.time = static_cast<float>(hours(random) + minutes(random) / 100.0);
        natal.meridiem = i % 2 == 0 ? "A.M." : "P.M.";
        const double n = JulianDayNumber(natal.year, natal.month, natal.day);
        const double natalT = (n - 2415020 + DayFraction(natal.time, i % 2 != 0, 0) - 0.5) / 36525;
        ReturnSearch search;
        search.solarYear = search.lunarYear = years(random);
        search.lunarMonth = months(random);
        search.lunarDay = days(random);
        const double sun = SunPosition(natalT);
        const double moon = MoonPosition(natalT).longitude;
        const auto solar = SolarReturnSearch(Ephemeris{}, Zodiac{}, sun, natal, search, platform);
        const auto lunar = LunarReturnSearch(Ephemeris{}, Zodiac{}, moon, natal, search, platform);
        ASSERT_TRUE(solar.has_value() && lunar.has_value());
        const double swissSolar = swe_solcross_ut(sun, solar->jd - 10, SEFLG_MOSEPH, error);
        ASSERT_GT(swissSolar, solar->jd - 10) << error;
        const double swissLunar = swe_mooncross_ut(moon, lunar->jd - 1, SEFLG_MOSEPH, error);
        ASSERT_GT(swissLunar, lunar->jd - 1) << error;
        EXPECT_LT(std::fabs(solar->jd - swissSolar) * kMinutesPerDay, 1.5 * kSolarWorstMinutes);
        EXPECT_LT(std::fabs(lunar->jd - swissLunar) * kMinutesPerDay, 1.5 * kLunarWorstMinutes);
    }
}

constexpr double kSunriseWorstMinutes = 0.07;
// The geometric rising of the disc centre.
constexpr int kDiscCentre = SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
using testing::Packed;
using testing::SwissRiseGapDays;

TEST(SunriseOracle, RiseAndSetAgreeWithSwissEphemeris) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> years(1900, 2099), months(1, 12), days(1, 28);
    std::uniform_real_distribution<double> longitudes(-180, 180);
    std::uniform_real_distribution<double> latitudes(-60, 60);
    for (int i = 0; i < 300; ++i) {
        const double longitude = longitudes(random);  // west positive
        BirthData place;
        place.longitude = Packed(longitude);
        place.latitude = Packed(latitudes(random));
        place.timeZone = std::round(longitude / 15);
        const double anchor = PlanetaryHoursAnchor(years(random), months(random), days(random));
        ScriptedPlatform platform;
        const SunTimes t = SunriseSunset(Ephemeris{}, anchor, place, platform);
        ASSERT_TRUE(platform.Messages().empty()) << i;
        EXPECT_LT(
            SwissRiseGapDays(anchor, t.sunrise, place, SE_CALC_RISE, kDiscCentre) * kMinutesPerDay,
            1.5 * kSunriseWorstMinutes);
        EXPECT_LT(
            SwissRiseGapDays(anchor, t.sunset, place, SE_CALC_SET, kDiscCentre) * kMinutesPerDay,
            1.5 * kSunriseWorstMinutes);
    }
}

constexpr double kNewMoonWorstMinutes = 1.83;

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
    // Starts spread over 1900-2099, a little over eight years apart.
    for (double start = 2415020.5 + 17; start < 2488069.5; start += 3043.7) {
        const std::vector<NewMoon> moons = FindNewMoons(Ephemeris{}, (start - 2415020) / 36525);
        ASSERT_EQ(moons.size(), static_cast<std::size_t>(kLunationCount));
        for (const NewMoon& m : moons) {
            EXPECT_LT(std::fabs(m.julianDay - SwissConjunction(m.julianDay)) * kMinutesPerDay,
                      1.5 * kNewMoonWorstMinutes)
                << "JD " << m.julianDay;
        }
    }
}

}  // namespace
}  // namespace solvaris
