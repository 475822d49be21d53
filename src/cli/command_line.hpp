// The headless front end: `solvaris <command> ...`.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/session.hpp"
#include "cli/command_table.hpp"

namespace solvaris {

// What `solvaris COMMAND args` does before the command runs, for `app` with
// the command's own options declared: the options every command of its kind
// shares declared (--home, --ephemeris, --zodiac, --points), `args` parsed,
// the program folder opened and the shared options applied to `session`.
// kExitDone, or the command line's status with its message on `err`.
int OpenCommandSession(CLI::App& app, const CommandText& command,
                       const std::vector<std::string>& args, Session& session, std::ostream& err);

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace solvaris
