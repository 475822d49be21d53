// One body's geocentric longitude at any instant, without the rest of the
// chart: the searches for exact aspects evaluate a single body many times.
#pragma once

#include "engine/ephemeris.hpp"

namespace solvaris {

// Longitude 0 <= lon < 360 of chart point Sun to Moon or the mean north node
// (points 1 to 11) at the Julian day `jd` (UT), by the same theories as the
// position driver. Pluto's precession from 1950 runs with the instant, not
// with the whole day number, so the longitude has no step at midnight (the
// two differ by at most 0.00004 degree). With Swiss Ephemeris its own
// longitude of the body, the mean node for point 11.
double BodyLongitude(const Ephemeris& ephemeris, int point, double jd);

}  // namespace solvaris
