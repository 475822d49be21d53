// The hemisphere buttons of either entry window.
#pragma once

#include "people/entry_fields.hpp"

namespace solvaris {

// A click on a hemisphere button: the button checked and the zone's sign
// made to match (negative East).
void SelectHemisphere(EntryFields& place, bool east);

}  // namespace solvaris
