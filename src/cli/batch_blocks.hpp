// The lines of a names file cast as `solvaris batch` casts them: a block of
// lines at a time over the worker threads, each person handed on in the
// order of the lines, so that only one block's text is held at once.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "app/session.hpp"
#include "cli/batch_casting.hpp"

namespace solvaris {

// Each line of `text` that is not blank, cast on `workers` threads and
// handed to `take`, which answers false to stop there. `firstLineNumber` is
// the number of the text's first line in its file, for the messages.
void CastNamesText(std::string_view text, std::size_t firstLineNumber, const BatchRequest& request,
                   const Session& session, int workers,
                   const std::function<bool(const PersonText&)>& take);

}  // namespace solvaris
