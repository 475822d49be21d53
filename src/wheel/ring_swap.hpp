// Option 216 turns a dual wheel inside out: the second chart is drawn in
// the outer ring and the main chart inside it.
#pragma once

#include "wheel/wheel_state.hpp"

namespace solvaris {

// Exchanges the main and second sets and their marks, once per window load
// (SwapDone), for a dual wheel that does not compare two persons. The main
// ring's houses are those of the set now outside, in the main cusps.
void SwapRingsForOption216(WheelState& state, bool secondPersonChecked);

}  // namespace solvaris
