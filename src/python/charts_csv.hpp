// charts_csv(): the natal charts of many births as the text of `solvaris
// batch --format csv`, cast by the batch's own rows, for the bulk that
// goes straight to a file.
#pragma once

#include <pybind11/pybind11.h>

#include <string>

namespace solvaris {

// The records as charts() takes them. A tuple of the CSV's bytes (the
// header, then a line a record cast, as the batch writes them) and the
// messages of the records skipped, as the batch words them; with
// refused="raise" a ValueError names the first.
pybind11::tuple ChartsCsvOf(const pybind11::object& records, const std::string& refused,
                            const pybind11::kwargs& options);

}  // namespace solvaris
