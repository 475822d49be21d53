// The new moons of the lunations report: the next thirteen conjunctions of
// the Moon with the Sun from the chart store's lunation start.
#pragma once

#include <string>
#include <vector>

#include "engine/calendar.hpp"
#include "engine/ephemeris.hpp"

namespace solvaris {

inline constexpr int kLunationCount = 13;

// Half a second of arc: closer than this the Moon and the Sun are conjunct.
inline constexpr double kConjunctionTolerance = 1.0 / 7200;

struct NewMoon {
    double t = 0;          // centuries from JD 2415020.0
    double julianDay = 0;  // the instant, UT
    CivilDate date{};      // of the instant, UT
    double utHours = 0;    // time of day, 0 <= hours < 24
    double longitude = 0;  // the Moon's, 0 <= lon < 360
};

// The first thirteen new moons at or after `start` (T, as the chart store's
// lunationStart), in order; none when `start` is not a number or lies more
// than 100 centuries from 1900 (fewer where the engine stops computing).
std::vector<NewMoon> FindNewMoons(const Ephemeris& ephemeris, double start);

// "  06 Jan 2000 - 15 CPR 43": the date and the longitude of one new moon.
std::string NewMoonLine(const NewMoon& newMoon);

}  // namespace solvaris
