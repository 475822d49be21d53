#include <iostream>

#include "cli/command_line.hpp"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return solvaris::RunCommandLine(args, std::cout, std::cerr);
}
