// `solvaris return solar|lunar`: the return after the last birthday (solar)
// or nearest the diurnal date (lunar), or N returns on or back.
#pragma once

#include "cli/command_run.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

inline constexpr const char* kReturnUsage =
    "solvaris return solar|lunar [--next N | --previous N] [birth options] [--format json|text]";

// The options, and the command run with them.
CommandRun DeclareReturnCommand(CLI::App& app);

}  // namespace solvaris
