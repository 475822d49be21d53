// `solvaris report NAME`: what the data window shows for a Data-menu
// command, after the chart computation of the birth options.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/session.hpp"
#include "platform/platform.hpp"

namespace solvaris {

inline constexpr const char* kReportUsage =
    "solvaris report NAME [birth options] [--orbs FILE] [--crlf]";

int RunReportCommand(const std::vector<std::string>& args, Session& session, Platform& platform,
                     std::ostream& out, std::ostream& err);

// The report names, for the help text.
std::string ReportNames();

}  // namespace solvaris
