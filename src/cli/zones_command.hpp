// solvaris zones [TEXT]: the tz database's zone names, for --tz.
#pragma once

#include "cli/command_run.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

inline constexpr const char* kZonesUsage = "solvaris zones [TEXT]";

CommandRun DeclareZonesCommand(CLI::App& app);

}  // namespace solvaris
