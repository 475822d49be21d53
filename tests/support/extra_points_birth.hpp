// The birth the command-line tests of the extra points cast: Helsinki,
// 10 Mar 1975 16:20 at zone -2, seen on a fixed diurnal date (the transit
// chart would otherwise be cast for the present moment, which moves between
// two runs).
#pragma once

#include <string>
#include <vector>

namespace solvaris::testing {

inline const std::vector<std::string> kExtraPointsBirth = {
    "--date", "1975-03-10", "--time", "4:20pm", "--zone",         "-2",
    "--lon",  "24e56",      "--lat",  "60n10",  "--diurnal-date", "2026-12-09"};

}  // namespace solvaris::testing
