// What every command but `positions` does first: the program folder chosen
// (--home, $SOLVARIS_HOME or the per-user folder), its options and settings
// read.
#pragma once

#include <ostream>
#include <string>

#include "app/session.hpp"

namespace solvaris {

// The folder of --home DIR (empty when not given), else $SOLVARIS_HOME,
// else the per-user one. kExitDone, or kExitFileProblem with a message when
// the folder cannot be used.
int OpenSession(const std::string& home, Session& session, std::ostream& err);

}  // namespace solvaris
