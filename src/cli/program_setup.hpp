// What every command but `positions` does first: the program folder chosen
// (--home, $SOLVARIS_HOME or the per-user folder), its options and settings
// read.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/session.hpp"

namespace solvaris {

// Takes --home DIR out of `args`. 0, or 2 with a message when the folder
// cannot be used.
int OpenSession(std::vector<std::string>& args, Session& session, std::ostream& err);

}  // namespace solvaris
