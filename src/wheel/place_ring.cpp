#include "wheel/place_ring.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/option_numbers.hpp"
#include "engine/angles.hpp"
#include "wheel/ring_parameters.hpp"
#include "wheel/ring_spread.hpp"
#include "wheel/text_overlaps.hpp"

namespace solvaris {

namespace {

// The circle that bounds the ring's band on the outside.
double RingOuterRadius(RingRole role, int layout) {
    switch (role) {
        case RingRole::Main: return 217;
        case RingRole::Middle: return 164;
        case RingRole::Inner: return layout == 2 ? 109 : 138;
    }
    return 217;
}

bool CrossesAnyLabel(const DrawnLine& line, const std::vector<PlacedRing>& rings) {
    constexpr double kGrazeUnits = 0.5;
    for (const PlacedRing& ring : rings) {
        for (const std::vector<PrintedBox>& boxes : ring.labels) {
            for (const PrintedBox& box : boxes) {
                if (LineRunsThroughBox(line, box, kGrazeUnits)) {
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace

PlacedRing LayOutRing(WheelTarget& target, WheelState& state, RingRole role,
                      const WheelData& data) {
    state.ringInProgress = role;
    PlacedRing ring{role, LayRing(state, role, data), {}};
    RingLayout& layout = ring.layout;
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
        labels.erase(labels.begin() + static_cast<std::ptrdiff_t>(*i));
        layout.placed.erase(layout.placed.begin() + static_cast<std::ptrdiff_t>(*i));
    }
    layout.angleOf = {};
    for (std::size_t i = 0; i < layout.placed.size(); ++i) {
        const PlacedPoint& placed = layout.placed[i];
        layout.angleOf[placed.point] = placed.angleDegrees;
        ring.labels.push_back(LabelBoxesAt(target, labels[i], placed.angleDegrees, placed.radius));
    }
    if (role == RingRole::Main) {
        state.slotOf = layout.slotOf;
        state.angleOf = layout.angleOf;
    }
    return ring;
}

void DrawRingLeaders(WheelTarget& target, const WheelState& state, const PlacedRing& ring,
                     const std::vector<PlacedRing>& rings) {
    constexpr double kTickUnits = 4;
    constexpr double kMovedDegrees = 1;
    const double outer = RingOuterRadius(ring.role, state.layout);
    const int colour =
        SurfaceColour(target, opt::ScreenPointGlyphColour, opt::PrinterPointGlyphColour);
    for (std::size_t i = 0; i < ring.layout.placed.size(); ++i) {
        const PlacedPoint& placed = ring.layout.placed[i];
        const double place = TrueAngle(state, placed);
        const DrawnLine tick{outer * CosDeg(place), outer * SinDeg(place),
                             (outer - kTickUnits) * CosDeg(place),
                             (outer - kTickUnits) * SinDeg(place)};
        if (CrossesAnyLabel(tick, rings)) {
            continue;
        }
        target.canvas.Line(tick.x1, tick.y1, tick.x2, tick.y2, colour);
        const double moved = std::fabs(std::remainder(placed.angleDegrees - place, 360.0));
        const PrintedBox& glyph = ring.labels[i].front();
        const DrawnLine leader{tick.x2, tick.y2, std::clamp(tick.x2, glyph.left, glyph.right),
                               std::clamp(tick.y2, glyph.bottom, glyph.top)};
        if (moved >= kMovedDegrees && !CrossesAnyLabel(leader, rings)) {
            target.canvas.Line(leader.x1, leader.y1, leader.x2, leader.y2, colour);
        }
    }
}

void DrawRingPoints(WheelTarget& target, const WheelState& state, const PlacedRing& ring) {
    const std::string& marks = RingMarks(state, ring.role);
    for (const PlacedPoint& placed : ring.layout.placed) {
        DrawPlacedPoint(target, state, placed, marks);
    }
}

}  // namespace solvaris
