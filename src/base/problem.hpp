// What could not be done, and why: the one shape in which the core answers
// a failure to its caller. Empty when done; else words fit for a message
// ("The file RADIUS.DAT cannot be read (a folder)."), which the caller
// shows as it shows anything (a window's message box, a line on stderr with
// an exit status). A routine that also makes something takes it by
// reference, or returns a record with a `Problem` beside it.
//
// A routine that takes the `Platform` and whose message is one of the
// program's own boxes shows that box itself and returns only whether it was
// done (`bool`, or what it made as an `std::optional`, nothing when not):
// the reason has been said, in the same words for the windows and the
// command line. A computation whose one way to fail is a floating-point
// fault answers `bool`: there is no more to say. Elsewhere an
// `std::optional` means "absent", not "failed"; no failure is thrown.
#pragma once

#include <string>

namespace solvaris {

using Problem = std::string;

}  // namespace solvaris
