// "ACS Atlas" of an entry window: the outside atlas program started and
// waited for, its place offered with the accept question and, on Yes, put
// into that window. The atlas's own window is the only one shown.
#pragma once

#include "people/place_fields.hpp"

class QWidget;

namespace solvaris {

class Workstation;

// `link` is the label clicked: greyed while the atlas runs, so that a
// second click cannot start it again inside the wait.
void RunAtlasFor(Workstation& workstation, EntryFields& place, QWidget& link);

}  // namespace solvaris
