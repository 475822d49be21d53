// Birth records for tests and benchmarks, New York by default, and the
// natal entry window as a user types the sample birth.
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
    NatalEntryWindow w;
    w.txtName = "Sample Natal";
    w.fields.month = "12";
    w.fields.day = "5";
    w.fields.year = "1950";
    w.fields.hour = "7";
    w.fields.minute = "45";
    w.fields.pm = true;
    w.fields.zone = "5";
    w.fields.longDeg = "74";
    w.fields.longMin = "0";
    w.fields.latDeg = "40";
    w.fields.latMin = "43";
    return w;
}

}  // namespace solvaris
