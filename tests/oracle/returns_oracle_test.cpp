// Return moments against Swiss Ephemeris's crossing finders. The bounds are
// 1.5 times the worst gap measured; the gaps come from our solar and lunar
// theories and from our searches running on UT where Swiss Ephemeris uses TT.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "chart/angles.hpp"
#include "chart/returns.hpp"
#include "engine/moon.hpp"
#include "engine/sun.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

constexpr double kMinutesPerDay = 1440;
constexpr double kSolarWorstMinutes = 2.86;
constexpr double kLunarWorstMinutes = 1.82;

struct Sample {
    BirthData natal;
    double natalT;
    int year;
    int month;
    int day;
};

// Births and return dates spread over 1900-2099.
std::vector<Sample> Samples(int count) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> years(1900, 2099);
    std::uniform_int_distribution<int> months(1, 12);
    std::uniform_int_distribution<int> days(1, 28);
    std::uniform_int_distribution<int> hours(1, 12);
    std::uniform_int_distribution<int> minutes(0, 59);
    std::vector<Sample> out;
    for (int i = 0; i < count; ++i) {
        Sample s;
        s.natal.year = static_cast<std::int16_t>(years(random));
        s.natal.month = static_cast<std::int16_t>(months(random));
        s.natal.day = static_cast<std::int16_t>(days(random));
        s.natal.time = static_cast<float>(hours(random) + minutes(random) / 100.0);
        s.natal.meridiem = i % 2 == 0 ? "A.M." : "P.M.";
        const double n = JulianDayNumber(s.natal.year, s.natal.month, s.natal.day);
        const double f = DayFraction(s.natal.time, i % 2 != 0, 0);
        s.natalT = (n - 2415020 + f - 0.5) / 36525;
        s.year = years(random);
        s.month = months(random);
        s.day = days(random);
        out.push_back(s);
    }
    return out;
}

// Each sample's solar return in its year and lunar return from its date.
TEST(ReturnsOracle, SolarAndLunarReturnsAgreeWithSwissEphemeris) {
    ScriptedPlatform platform;
    double worstSolar = 0, worstLunar = 0;
    char error[256] = "";
    for (const Sample& s : Samples(300)) {
        ReturnSearch search;
        search.solarYear = s.year;
        search.lunarDay = s.day;
        search.lunarMonth = s.month;
        search.lunarYear = s.year;
        const double sun = SunPosition(s.natalT);
        const double moon = MoonPosition(s.natalT).longitude;
        const auto solar = SolarReturnSearch(sun, s.natal, search, platform);
        const auto lunar = LunarReturnSearch(moon, s.natal, search, platform);
        ASSERT_TRUE(solar.has_value() && lunar.has_value());
        const double swissSolar = swe_solcross_ut(sun, solar->jd - 10, SEFLG_MOSEPH, error);
        ASSERT_GT(swissSolar, solar->jd - 10) << error;
        const double swissLunar = swe_mooncross_ut(moon, lunar->jd - 1, SEFLG_MOSEPH, error);
        ASSERT_GT(swissLunar, lunar->jd - 1) << error;
        worstSolar = std::max(worstSolar, std::fabs(solar->jd - swissSolar) * kMinutesPerDay);
        worstLunar = std::max(worstLunar, std::fabs(lunar->jd - swissLunar) * kMinutesPerDay);
    }
    std::printf("worst gap: solar returns %.2f minutes, lunar returns %.2f\n", worstSolar,
                worstLunar);
    EXPECT_LT(worstSolar, 1.5 * kSolarWorstMinutes);
    EXPECT_LT(worstLunar, 1.5 * kLunarWorstMinutes);
}

}  // namespace
}  // namespace solvaris
