// What a command wrote on stderr, said in Python: a refusal as a ValueError
// with the command line's text, the notes of a run that succeeded as
// warnings.
#pragma once

#include <string>

namespace solvaris {

// Throws ValueError with `err`'s lines, the last line end dropped.
[[noreturn]] void ThrowCommandError(const std::string& err);

// A UserWarning for each line of `err`.
void WarnCommandNotes(const std::string& err);

}  // namespace solvaris
