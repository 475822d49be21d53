// Birth records for tests and benchmarks, New York by default.
#pragma once

#include <cstdint>

#include "chart/birth_data.hpp"

namespace solvaris {

inline BirthData Person(int day, int month, int year, float time, const char* meridiem,
                        double zone = 5, float longitude = 74.00f, float latitude = 40.43f) {
    BirthData b;
    b.day = static_cast<std::int16_t>(day);
    b.month = static_cast<std::int16_t>(month);
    b.year = static_cast<std::int16_t>(year);
    b.time = time;
    b.meridiem = meridiem;
    b.timeZone = zone;
    b.longitude = longitude;
    b.latitude = latitude;
    b.longitudeText = LongitudeText(longitude);
    b.latitudeText = LatitudeText(latitude);
    return b;
}

}  // namespace solvaris
