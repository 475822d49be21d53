// Signs that lie wholly inside a house (no cusp falls in them) are drawn at
// the middle of that house just outside the wheel, so that the reader sees
// every sign of the zodiac.
#pragma once

#include "chart/chart_store.hpp"
#include "wheel/wheel_state.hpp"
#include "wheel/wheel_target.hpp"

namespace solvaris {

// The sign (1-12) intercepted in house 1-12: the one between the signs of
// its cusp and of the next house's cusp, when they are two signs apart; 0
// when there is none.
int InterceptedSign(const CuspSet& cusps, int house);

void DrawInterceptedSigns(WheelTarget& target, const WheelState& state);

}  // namespace solvaris
