#include "wheel/place_ring.hpp"

#include <string>
#include <vector>

#include "wheel/ring_parameters.hpp"
#include "wheel/ring_spread.hpp"

namespace solvaris {

RingLayout PlaceRing(WheelTarget& target, WheelState& state, RingRole role, const WheelData& data) {
    state.ringInProgress = role;
    RingLayout layout = LayRing(state, role, data);
    const std::string& marks = RingMarks(state, role);
    std::vector<std::vector<PointLabelPart>> labels;
    for (const PlacedPoint& placed : layout.placed) {
        labels.push_back(MeasureLabel(target, state, placed, marks));
    }
    const std::vector<std::size_t> leftOut =
        SpreadRing(layout, state, role, data, [&](std::size_t i, double angle, double radius) {
            return LabelBoxesAt(target, labels[i], angle, radius);
        });
    for (auto i = leftOut.rbegin(); i != leftOut.rend(); ++i) {
        layout.slotOf[layout.placed[*i].point] = -1;
        layout.angleOf[layout.placed[*i].point] = 0;
        layout.placed.erase(layout.placed.begin() + static_cast<std::ptrdiff_t>(*i));
    }
    for (const PlacedPoint& placed : layout.placed) {
        layout.angleOf[placed.point] = placed.angleDegrees;
    }
    if (role == RingRole::Main) {
        state.slotOf = layout.slotOf;
        state.angleOf = layout.angleOf;
    }
    for (const PlacedPoint& placed : layout.placed) {
        DrawPlacedPoint(target, state, placed, marks);
    }
    return layout;
}

}  // namespace solvaris
