// An orb file that cannot be read: the orb table's own message has been
// shown; the command line adds why, and the exit status of a file problem.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace solvaris {

int OrbFileStatus(const std::string& file, std::string_view command, std::ostream& err);

}  // namespace solvaris
