// What `solvaris help` says: the list of commands with the exit statuses,
// and one command's usage, description and worked example.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace solvaris {

inline constexpr const char* kProgramVersion = SOLVARIS_VERSION;

// The exit statuses, one per kind of failure.
inline constexpr int kExitRefusedData = 1;     // data the entry checks refuse
inline constexpr int kExitBadCommandLine = 2;  // a malformed command line
inline constexpr int kExitFileProblem = 3;     // a file that cannot be read or written

void WriteCommandList(std::ostream& out);

// False (and nothing written) for a name that is no command.
bool WriteCommandHelp(std::string_view command, std::ostream& out);

// Whether the arguments after a command ask for its help.
bool AsksForHelp(const std::vector<std::string>& args);

}  // namespace solvaris
