// `solvaris report NAME`: what the data window shows for a Data-menu
// command, after the chart computation of the birth options.
#pragma once

#include <string>

#include "cli/command_run.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

inline constexpr const char* kReportUsage =
    "solvaris report NAME [birth options] [--orbs FILE] [--crlf] [--days N] [--noon] "
    "[--pages N] [--wheel KIND] [--codes] [--harmonic N]";

// The options, and the command run with them. What the windows would ask
// for (midnight or noon) is given by the options.
CommandRun DeclareReportCommand(CLI::App& app);

// The report names, for the help text.
std::string ReportNames();

}  // namespace solvaris
