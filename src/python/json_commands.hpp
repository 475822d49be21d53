// chart() and timeline(): the commands that write JSON, run in this process
// as `solvaris chart ...` and `solvaris timeline ... --format json` would
// run them, their output read by Python's json module.
#pragma once

#include <pybind11/pybind11.h>

namespace solvaris {

// The chart JSON as a dict.
pybind11::object ChartOf(const pybind11::kwargs& options);

// The timeline's events as a list of dicts.
pybind11::object TimelineOf(const pybind11::kwargs& options);

}  // namespace solvaris
