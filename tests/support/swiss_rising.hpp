// The Sun's rising and setting as Swiss Ephemeris finds them, for the tests
// that hold the program's sunrise and sunset against it.
#pragma once

#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>

#include "chart/angles.hpp"
#include "chart/birth_data.hpp"

namespace solvaris::testing {

// A d.mm value of whole minutes from signed decimal degrees.
inline float Packed(double degrees) {
    const double minutes = std::round(std::fabs(degrees) * 60);
    const double packed = std::floor(minutes / 60) + std::fmod(minutes, 60) / 100;
    return static_cast<float>(degrees < 0 ? -packed : packed);
}

// Days from our local clock hours on the day of `anchor` to the library's
// event (SE_CALC_RISE or SE_CALC_SET, with `flags`) nearest them, at `place`.
inline double SwissRiseGapDays(double anchor, double localHours, const BirthData& place, int event,
                               int flags) {
    const double ours = anchor + (localHours + place.timeZone) / 24;
    // Swiss Ephemeris counts longitude east positive.
    double geo[3] = {-SignedFromPacked(place.longitude), SignedFromPacked(place.latitude), 0};
    double swiss = 0;
    char error[AS_MAXCH] = "";
    EXPECT_EQ(swe_rise_trans(ours - 0.5, SE_SUN, nullptr, SEFLG_MOSEPH, event | flags, geo, 1013.25,
                             15, &swiss, error),
              0)
        << error;
    return std::fabs(ours - swiss);
}

}  // namespace solvaris::testing
