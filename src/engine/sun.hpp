// Newcomb's theory of the Sun with its principal periodic terms.
#pragma once

namespace solvaris {

// Apparent geocentric longitude of the Sun (aberration and nutation
// included), degrees 0 <= lon < 360; T in centuries from JD 2415020.0.
double SunPosition(double t);

struct SunAngleDistances {
    double fromAscendant;   // degrees, 0 ... 180
    double fromDescendant;  // degrees, 0 ... 180
};

// How far the Sun stands from the Ascendant and the Descendant; the sunrise
// and planetary-hour searches drive these to zero.
SunAngleDistances SunDistancesFromAngles(double sunLongitude, double ascendant);

}  // namespace solvaris
