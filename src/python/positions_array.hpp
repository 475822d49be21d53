// positions(): the rows of `solvaris positions` for an array of instants as
// a NumPy structured array.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

namespace solvaris {

// Fields jd, body, longitude, latitude, declination, right_ascension,
// next_day_longitude and speed (degrees a day, from longitude to
// next_day_longitude), a row per body and instant in the command's order.
// The command's notes (Pluto beyond its series, the Swiss Ephemeris used)
// come as warnings.
pybind11::object PositionsOf(const pybind11::object& jd, const pybind11::kwargs& options);

}  // namespace solvaris
