// charts_csv_file(): the CSV of `solvaris batch` for a byte range of a names
// file, read where it lies, so that each worker of a cluster casts its own
// part of one file and no record travels to it.
#pragma once

#include <pybind11/pybind11.h>

#include <filesystem>
#include <optional>
#include <string>

namespace solvaris {

// The lines of `names` that begin at a byte offset within [start, stop)
// (stop: the file's end when None), read and cast as `solvaris batch
// --names NAMES` reads and casts all of them. A tuple of the CSV's bytes
// (the header, then a line a person cast) and the messages of the lines
// skipped, each naming its line in the whole file; with refused="raise" a
// ValueError names the first. A file the batch cannot read raises
// ValueError with its message.
pybind11::tuple ChartsCsvFileOf(const std::filesystem::path& names, long long start,
                                std::optional<long long> stop, const std::string& refused,
                                const pybind11::kwargs& options);

}  // namespace solvaris
