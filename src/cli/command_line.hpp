// The headless front end: `solvaris <command> ...`.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace solvaris {

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace solvaris
