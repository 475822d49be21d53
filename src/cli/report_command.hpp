// `solvaris report NAME`: what the data window shows for a Data-menu
// command, after the chart computation of the birth options.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/session.hpp"
#include "platform/headless/scripted_platform.hpp"

namespace solvaris {

inline constexpr const char* kReportUsage =
    "solvaris report NAME [birth options] [--orbs FILE] [--crlf] [--days N] [--noon] "
    "[--pages N] [--wheel KIND] [--codes]";

// The answers the windows would ask for (midnight or noon) are given by the
// options, through `platform`.
int RunReportCommand(const std::vector<std::string>& args, Session& session,
                     ScriptedPlatform& platform, std::ostream& out, std::ostream& err);

// The report names, for the help text.
std::string ReportNames();

}  // namespace solvaris
