// `solvaris positions`: the ephemeris of the bodies and the mean node as CSV.
#pragma once

#include "cli/command_run.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

// The options, and the command run with them (it reads no program folder):
// kExitDone, or kExitRefusedData when a position could not be computed.
CommandRun DeclarePositionsCommand(CLI::App& app);

inline constexpr const char* kPositionsUsage =
    "solvaris positions (--jd JD)... | --from YYYY-MM-DD --days N [--step DAYS] [--ut HOURS] "
    "[--jobs N]";

}  // namespace solvaris
