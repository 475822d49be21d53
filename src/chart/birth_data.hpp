// A moment and a place as the user typed them: the natal record and the
// second ("diurnal") record for transits, progressions and returns.
#pragma once

#include <cstdint>
#include <string>

namespace solvaris {

struct BirthData {
    std::string name;  // natal record only
    std::int16_t day = 0;
    std::int16_t month = 0;
    std::int16_t year = 0;
    std::string dateText;
    float time = 0;  // 12-hour clock, hour + minutes / 100
    std::string meridiem = "A.M.";
    // Hours to add to the local clock to obtain Greenwich time, west positive.
    // The natal record keeps a double; the diurnal record holds single
    // precision and is rounded to it when read.
    double timeZone = 0;
    float longitude = 0;  // d.mm, west positive
    std::string longitudeText = "WEST";
    float latitude = 0;  // d.mm, north positive
    std::string latitudeText = "NORTH";
};

// "EAST" for a negative longitude, else "WEST"; "SOUTH" for a negative
// latitude, else "NORTH" (so -0 stays "NORTH").
inline std::string LongitudeText(float longitude) { return longitude < 0 ? "EAST" : "WEST"; }
inline std::string LatitudeText(float latitude) { return latitude < 0 ? "SOUTH" : "NORTH"; }

// Completed years of life at the diurnal date; the birthday itself counts.
std::int16_t AgeYears(const BirthData& natal, const BirthData& diurnal);

// The year of the last birthday on or before the diurnal date.
std::int16_t LastBirthdayYear(const BirthData& natal, const BirthData& diurnal);

}  // namespace solvaris
