// Black Moon Lilith: the apogee of the Moon's mean orbit.
#pragma once

namespace solvaris {

struct EclipticPlace {
    double longitude;  // degrees 0 <= lon < 360
    double latitude;   // degrees
};

// The mean lunar apogee at T (Julian centuries from J2000) as a point of
// the mean lunar orbit, seen on the ecliptic of date with the nutation in
// longitude: the mean perigee and node of Chapront's lunar theory
// (ELP 2000-85), the apogee 180 degrees from the perigee along the orbit.
EclipticPlace MeanLunarApogee(double t2000);

}  // namespace solvaris
