// `solvaris names`, `solvaris cities` and `solvaris batch`: the names and
// cities files as the names and cities windows read them, and the natal
// chart of every person of a names file.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/session.hpp"
#include "platform/headless/scripted_platform.hpp"

namespace solvaris {

inline constexpr const char* kNamesUsage = "solvaris names list|show NAME [--names FILE]";
inline constexpr const char* kCitiesUsage = "solvaris cities list|show CITY [--cities FILE]";
inline constexpr const char* kBatchUsage =
    "solvaris batch --names FILE [--format csv|json] [--house SYSTEM] [--jobs N]";

int RunNamesCommand(std::vector<std::string> args, Session& session, ScriptedPlatform& platform,
                    std::ostream& out, std::ostream& err);
int RunCitiesCommand(std::vector<std::string> args, Session& session, ScriptedPlatform& platform,
                     std::ostream& out, std::ostream& err);
// Exit status 1 when any record was skipped.
int RunBatchCommand(std::vector<std::string> args, Session& session, std::ostream& out,
                    std::ostream& err);

}  // namespace solvaris
