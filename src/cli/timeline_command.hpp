// `solvaris timeline`: the exact moments of the transits, stations,
// ingresses, progressed and directed aspects of a natal chart over a range.
#pragma once

#include "cli/command_run.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

inline constexpr const char* kTimelineUsage =
    "solvaris timeline --person NAME | [birth options] --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "       [--transits] [--progressions] [--directions] [--moon] [--minor]\n"
    "       [--format text|csv|json|ics]";

CommandRun DeclareTimelineCommand(CLI::App& app);

}  // namespace solvaris
