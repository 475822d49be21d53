// Pluto's heliocentric position from a series in the mean longitudes of
// Jupiter, Saturn and Pluto, referred to the equinox of 1950.
#pragma once

#include "engine/orbit.hpp"

namespace solvaris {

// Longitude and latitude in degrees, radius in astronomical units.
Heliocentric PlutoSeries(double t);

// The linear precession from 1950 to the chart's date, in degrees; the day
// number alone, so it adds nothing to the daily motion.
double PlutoPrecession(double dayNumber);

// The series is fitted to the years 1885 to 2099; outside them Pluto drifts
// off (0.6 degrees by 1800, 6.7 by 1000). True for a day number inside.
bool PlutoSeriesHolds(double dayNumber);

}  // namespace solvaris
