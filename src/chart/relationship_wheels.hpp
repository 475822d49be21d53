// The single wheels of the composite and the Davison chart of the natal
// person and the second person, cast from the two birth records.
#pragma once

#include <optional>

#include "chart/chart_kinds.hpp"

namespace solvaris {

// Nothing, the message shown, when the chart cannot be cast.
std::optional<WheelSetup> PrepareRelationshipWheel(WheelKind kind, const WheelInputs& in,
                                                   const OptionTable& options, Platform& platform);

}  // namespace solvaris
