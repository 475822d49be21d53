// `solvaris names`, `solvaris cities` and `solvaris batch`: the names and
// cities files as the names and cities windows read them, and the natal
// chart of every person of a names file.
#pragma once

#include "cli/command_run.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

inline constexpr const char* kNamesUsage = "solvaris names list|show NAME [--names FILE]";
inline constexpr const char* kCitiesUsage = "solvaris cities list|show CITY [--cities FILE]";
inline constexpr const char* kBatchUsage =
    "solvaris batch --names FILE [--format csv|json] [--house SYSTEM] [--jobs N]";

CommandRun DeclareNamesCommand(CLI::App& app);
CommandRun DeclareCitiesCommand(CLI::App& app);
// kExitRefusedData when any record was skipped.
CommandRun DeclareBatchCommand(CLI::App& app);

}  // namespace solvaris
