// `solvaris positions`: the ephemeris of the bodies and the mean node as CSV.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace solvaris {

// Exit status 0, 1 when a position could not be computed, 2 for bad
// arguments.
int RunPositionsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

inline constexpr const char* kPositionsUsage =
    "solvaris positions (--jd JD)... | --from YYYY-MM-DD --days N [--step DAYS] [--ut HOURS] "
    "[--jobs N]";

}  // namespace solvaris
