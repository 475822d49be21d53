// `solvaris chart`: the whole chart store of one computation as JSON.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/session.hpp"
#include "platform/platform.hpp"

namespace solvaris {

inline constexpr const char* kChartUsage = "solvaris chart [birth options] [--format json]";

// Exit status 0, 1 when the data are refused, 2 for bad arguments.
int RunChartCommand(const std::vector<std::string>& args, Session& session, Platform& platform,
                    std::ostream& out, std::ostream& err);

// The store and the chart-wide values as one JSON object.
void WriteChartJson(const Session& session, std::ostream& out);

}  // namespace solvaris
