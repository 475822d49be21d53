// A Wheels-menu command on the session: the return searched when the kind
// needs one, the wheel prepared, and the centre set, the second ring, the
// chart kind and the orb file put in place for the wheel and the aspect
// grid.
#pragma once

#include "app/session.hpp"
#include "chart/chart_kinds.hpp"
#include "people/entry_fields.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// False when refused or when the return search failed (its message shown);
// the previous wheel then stands.
bool RunWheelCommand(Session& session, WheelKind kind, const DiurnalEntryWindow& diurnalWindow,
                     Platform& platform);

// A prepared wheel becomes the session's: its centre set the working set,
// its second ring the outer ring, its orb file the one in force.
void PutWheelInPlace(Session& session, WheelSetup setup);

}  // namespace solvaris
