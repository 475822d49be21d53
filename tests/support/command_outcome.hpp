// A command line run in the test's process: its status and what it wrote.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.hpp"

namespace solvaris::testing {

struct Outcome {
    int status;
    std::string out, err;
};

inline Outcome RunArgs(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace solvaris::testing
