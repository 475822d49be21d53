// Birth records for tests and benchmarks, New York by default; the sample entry.
#pragma once

#include <cstdint>

#include "chart/birth_data.hpp"
#include "people/entry_fields.hpp"

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

// "Sample Natal": 5 Dec 1950, 7.45 P.M., zone 5, 74.00 West, 40.43 North.
inline NatalEntryWindow SampleNatalWindow() {
    return {"Sample Natal",
            {"12", "5", "1950", "7", "45", true, "5", "74", "0", false, "40", "43", false}};
}

}  // namespace solvaris
