// charts(): the natal charts of many births, cast as `solvaris batch` casts
// the persons of a names file, as a pandas DataFrame of its CSV's columns.
#pragma once

#include <pybind11/pybind11.h>

namespace solvaris {

// `records`: a DataFrame or a mapping with the names file's seven fields as
// columns (name, date, time, meridiem, zone, longitude, latitude), each
// value read as its str(). `refused` is "raise" (a ValueError naming the
// first record refused) or "skip" (the rows left out, their messages in the
// frame's attrs["skipped"]).
pybind11::object ChartsOf(const pybind11::object& records, const std::string& refused,
                          const pybind11::kwargs& options);

}  // namespace solvaris
