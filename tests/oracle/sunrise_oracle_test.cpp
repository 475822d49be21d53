// Sunrise and sunset against Swiss Ephemeris's swe_rise_trans for the
// geometric rising of the disc centre, the event our search times when it
// puts the Sun on the Ascendant. The bound is 1.5 times the worst gap
// measured.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "chart/angles.hpp"
#include "chart/planetary_hours.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

constexpr double kWorstMinutes = 0.07;

// A d.mm value of whole minutes from signed decimal degrees.
float Packed(double degrees) {
    const double minutes = std::round(std::fabs(degrees) * 60);
    const double packed = std::floor(minutes / 60) + std::fmod(minutes, 60) / 100;
    return static_cast<float>(degrees < 0 ? -packed : packed);
}

// Minutes from our local clock hours to the Swiss event nearest them.
double GapMinutes(double anchor, double localHours, const BirthData& place, int event) {
    const double ours = anchor + (localHours + place.timeZone) / 24;
    // Swiss Ephemeris counts longitude east positive.
    double geo[3] = {-SignedFromPacked(place.longitude), SignedFromPacked(place.latitude), 0};
    double swiss = 0;
    char error[256] = "";
    const int flags = event | SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
    EXPECT_EQ(swe_rise_trans(ours - 0.5, SE_SUN, nullptr, SEFLG_MOSEPH, flags, geo, 1013.25, 15,
                             &swiss, error),
              0)
        << error;
    return std::fabs(ours - swiss) * 1440;
}

TEST(SunriseOracle, RiseAndSetAgreeWithSwissEphemeris) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> years(1900, 2099);
    std::uniform_int_distribution<int> months(1, 12);
    std::uniform_int_distribution<int> days(1, 28);
    std::uniform_real_distribution<double> longitudes(-180, 180);
    std::uniform_real_distribution<double> latitudes(-60, 60);
    double worstRise = 0;
    double worstSet = 0;
    for (int i = 0; i < 300; ++i) {
        const double longitude = longitudes(random);  // west positive
        BirthData place;
        place.longitude = Packed(longitude);
        place.latitude = Packed(latitudes(random));
        place.timeZone = std::round(longitude / 15);
        const double anchor = PlanetaryHoursAnchor(years(random), months(random), days(random));
        ScriptedPlatform platform;
        const SunTimes t = SunriseSunset(anchor, place, platform);
        ASSERT_TRUE(platform.Messages().empty()) << i;
        worstRise = std::max(worstRise, GapMinutes(anchor, t.sunrise, place, SE_CALC_RISE));
        worstSet = std::max(worstSet, GapMinutes(anchor, t.sunset, place, SE_CALC_SET));
    }
    std::printf("sunrise: worst gap %.2f minutes, sunset: worst gap %.2f minutes\n", worstRise,
                worstSet);
    EXPECT_LT(worstRise, 1.5 * kWorstMinutes);
    EXPECT_LT(worstSet, 1.5 * kWorstMinutes);
}

}  // namespace
}  // namespace solvaris
