#include <iostream>

#include "cli/command_line.hpp"
#include "cli/exit_status.hpp"
#include "cli/workstation_program.hpp"
#include "cli/workstation_start.hpp"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (solvaris::NeedsWorkstationProgram(args)) {
        std::string home;
        const bool workstation = solvaris::IsWorkstationCommand(args, home);
        if (workstation && !solvaris::DisplayAvailable(solvaris::DisplayEnvironmentOfProcess())) {
            std::cerr << solvaris::kNoDisplayMessage << '\n';
            return solvaris::kExitBadCommandLine;
        }
        const solvaris::WorkstationStartFailure failure = solvaris::RunWorkstationProgram(argv);
        if (workstation || failure.refused) {
            std::cerr << "solvaris: " << failure.problem << '\n';
            return solvaris::kExitFileProblem;
        }
        // A wheel without the drawing program still has its options checked
        // here; the drawing then says what is missing.
    }
    return solvaris::RunCommandLine(args, std::cout, std::cerr);
}
