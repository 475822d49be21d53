// The workstation and the commands that draw pictures run in a second
// program installed with this one, so that a command that only computes
// and prints loads no GUI library.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace solvaris {

inline constexpr const char* kWorkstationProgramName = "solvaris-workstation";

// The workstation (`solvaris`, `solvaris --home DIR`) and `wheel`, unless
// only its help is asked for.
bool NeedsWorkstationProgram(const std::vector<std::string>& args);

// Beside this program (a build tree) or in the program's own folder of
// the installed library programs.
std::filesystem::path WorkstationProgramPath(const std::filesystem::path& thisProgram);

struct WorkstationStartFailure {
    std::string problem;
    bool refused = false;  // a program that others could have planted, not run
};

// Replaces this process with the workstation program, given the same
// arguments; returns only when that cannot be done, with the reason.
WorkstationStartFailure RunWorkstationProgram(char** argv);

}  // namespace solvaris
