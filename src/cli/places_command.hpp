// solvaris places TEXT: the places of the world atlas that match, for
// --place and --diurnal-place.
#pragma once

#include "cli/command_run.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

inline constexpr const char* kPlacesUsage =
    "solvaris places \"NAME[, REGION][, COUNTRY]\" [--format text|json] [--limit N]";

CommandRun DeclarePlacesCommand(CLI::App& app);

}  // namespace solvaris
