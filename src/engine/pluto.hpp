// Pluto's heliocentric position from a series in the mean longitudes of
// Jupiter, Saturn and Pluto, referred to the equinox of 1950.
#pragma once

#include <span>

#include "engine/orbit.hpp"

namespace solvaris {

// Argument j*J + s*S + p*P; coefficients in 1e-6 degree (longitude,
// latitude) and 1e-6 astronomical unit (radius).
struct PlutoTerm {
    int j, s, p;
    double lonSin, lonCos, latSin, latCos, radSin, radCos;
};

// The series' rows, in the order they are summed.
std::span<const PlutoTerm> PlutoTerms();

// Longitude and latitude in degrees, radius in astronomical units. The
// multiples of the three mean longitudes come by angle addition from one
// sine and cosine of each, not one sine and cosine per row.
Heliocentric PlutoSeries(double t);

// The linear precession from 1950 to the chart's date, in degrees; the day
// number alone, so it adds nothing to the daily motion.
double PlutoPrecession(double dayNumber);

// The series is fitted to the years 1885 to 2099; outside them Pluto drifts
// off (0.6 degrees by 1800, 6.7 by 1000). True for a day number inside.
bool PlutoSeriesHolds(double dayNumber);

}  // namespace solvaris
