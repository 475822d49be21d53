// What the command line adds to the entry check's messages, which speak of
// the windows' sections: one line per refused value naming the option, as
// typed, and the range it must keep.
#pragma once

#include <string>
#include <vector>

#include "cli/birth_options.hpp"

namespace solvaris {

std::vector<std::string> EntryOptionHints(const BirthOptions& options);

}  // namespace solvaris
