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

TEST(ReturnsOracle, SolarReturnsAgreeWithSwissEphemeris) {
    ScriptedPlatform platform;
    double worst = 0;
    for (const Sample& s : Samples(300)) {
        const double target = SunPosition(s.natalT);
        ReturnSearch search;
        search.solarYear = s.year;
        const auto found = SolarReturnSearch(target, s.natal, search, platform);
        ASSERT_TRUE(found.has_value());
        char error[256] = "";
        const double swiss = swe_solcross_ut(target, found->jd - 10, SEFLG_MOSEPH, error);
        ASSERT_GT(swiss, found->jd - 10) << error;
        worst = std::max(worst, std::fabs(found->jd - swiss) * kMinutesPerDay);
    }
    std::printf("solar returns: worst gap %.2f minutes\n", worst);
    EXPECT_LT(worst, 1.5 * kSolarWorstMinutes);
}

TEST(ReturnsOracle, LunarReturnsAgreeWithSwissEphemeris) {
    ScriptedPlatform platform;
    double worst = 0;
    for (const Sample& s : Samples(300)) {
        const double target = MoonPosition(s.natalT).longitude;
        ReturnSearch search;
        search.lunarDay = s.day;
        search.lunarMonth = s.month;
        search.lunarYear = s.year;
        const auto found = LunarReturnSearch(target, s.natal, search, platform);
        ASSERT_TRUE(found.has_value());
        char error[256] = "";
        const double swiss = swe_mooncross_ut(target, found->jd - 1, SEFLG_MOSEPH, error);
        ASSERT_GT(swiss, found->jd - 1) << error;
        worst = std::max(worst, std::fabs(found->jd - swiss) * kMinutesPerDay);
    }
    std::printf("lunar returns: worst gap %.2f minutes\n", worst);
    EXPECT_LT(worst, 1.5 * kLunarWorstMinutes);
}

}  // namespace
}  // namespace solvaris
