// The chart-wheel window's rules that need no display: which of its menu
// items the loaded wheel offers, a return stepped to the next or previous
// one, and the natal-transit dual wheel turned inside out.
#pragma once

#include "app/session.hpp"
#include "chart/chart_kinds.hpp"
#include "chart/returns.hpp"
#include "people/entry_fields.hpp"
#include "platform/platform.hpp"
#include "wheel/wheel_state.hpp"

namespace solvaris {

struct WheelMenus {
    bool returns = false;     // mnuReturns visible
    bool switchItem = false;  // mnuSwitch visible
    bool asciiChart = false;  // mnuAsciiChart visible
    bool chartType = false;   // mnuChartType visible
    bool european = false;    // mnuCTEuropean checked, else mnuCTAmerican
    bool operator==(const WheelMenus&) const = default;
};

// At window load: Returns for a solar or lunar return chart; Switch for a
// dual wheel that compares two persons, unless it is a 90-degree wheel;
// ASCII and Type for the single wheels, checked by the state's type.
WheelMenus WheelMenusOnLoad(const WheelState& state, bool secondPersonChecked);

// Returns > Next or Previous on the prepared wheel: a solar return moves a
// year, a lunar return's search start 22 days on or 35 days back, and the
// return is searched and the wheel prepared again. False for any other
// wheel (nothing changes) and when the search failed (its message shown;
// the search start is put back, the previous wheel stands).
bool StepReturnWheel(Session& session, ReturnStep step, const DiurnalEntryWindow& diurnalWindow,
                     Platform& platform);

// Switch on the shown wheel: the natal-transit dual wheel turned inside out,
// or back again. False for any other wheel, which stays as it is.
bool SwitchWheel(Session& session, WheelKind shown, const DiurnalEntryWindow& diurnalWindow);

}  // namespace solvaris
