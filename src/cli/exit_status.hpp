// The command line's exit statuses, one per kind of failure.
#pragma once

namespace solvaris {

inline constexpr int kExitDone = 0;
inline constexpr int kExitRefusedData = 1;     // data the entry checks refuse
inline constexpr int kExitBadCommandLine = 2;  // a malformed command line
inline constexpr int kExitFileProblem = 3;     // a file that cannot be read or written

}  // namespace solvaris
