// The world atlas, read from the shipped data the first time a window
// searches it and kept by the session for the rest of the run.
#pragma once

#include "app/session.hpp"
#include "people/atlas.hpp"

namespace solvaris {

// The atlas, read now if not yet; null with the problem when it cannot be
// (asked again, it is read again).
const Atlas* SessionAtlas(Session& session, Problem& problem);

}  // namespace solvaris
