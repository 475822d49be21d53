// `solvaris planetary-hours`: the natal day's 24 planetary hours as the
// planetary-hours window lists them.
#pragma once

#include "cli/command_run.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

inline constexpr const char* kPlanetaryHoursUsage = "solvaris planetary-hours [birth options]";

CommandRun DeclarePlanetaryHoursCommand(CLI::App& app);

}  // namespace solvaris
