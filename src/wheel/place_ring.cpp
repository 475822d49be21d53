#include "wheel/place_ring.hpp"

#include "wheel/ring_parameters.hpp"

namespace solvaris {

RingLayout PlaceRing(WheelTarget& target, WheelState& state, RingRole role, const WheelData& data) {
    state.ringInProgress = role;
    RingLayout layout = LayRing(state, role, data);
    if (role == RingRole::Main) {
        state.slotOf = layout.slotOf;
        state.angleOf = layout.angleOf;
    }
    const std::string& marks = RingMarks(state, role);
    for (const PlacedPoint& placed : layout.placed) {
        DrawPlacedPoint(target, state, placed, marks);
    }
    return layout;
}

}  // namespace solvaris
