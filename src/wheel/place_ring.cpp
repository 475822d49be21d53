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

// The circle that bounds the ring's band on the inside.
double RingInnerRadius(RingRole role, int layout) {
    switch (role) {
        case RingRole::Main: return layout == 0 ? 120 : layout == 1 ? 138 : 164;
        case RingRole::Middle: return 109;
        case RingRole::Inner: return 62;
    }
    return 120;
}

bool Overlap(const PrintedBox& a, const PrintedBox& b) {
    constexpr double kClearUnits = 0.5;
    return std::min(a.right, b.right) - std::max(a.left, b.left) > -kClearUnits &&
           std::min(a.top, b.top) - std::max(a.bottom, b.bottom) > -kClearUnits;
}

bool OverAnyLabel(const std::vector<PrintedBox>& label, const std::vector<PlacedRing>& rings,
                  const std::vector<std::vector<PrintedBox>>& ringLabels, std::size_t self) {
    const auto over = [&](const std::vector<PrintedBox>& other) {
        for (const PrintedBox& a : label) {
            for (const PrintedBox& b : other) {
                if (Overlap(a, b)) {
                    return true;
                }
            }
        }
        return false;
    };
    for (const PlacedRing& ring : rings) {
        for (const std::vector<PrintedBox>& other : ring.labels) {
            if (over(other)) {
                return true;
            }
        }
    }
    for (std::size_t i = 0; i < ringLabels.size(); ++i) {
        if (i != self && over(ringLabels[i])) {
            return true;
        }
    }
    return false;
}

}  // namespace

PlacedRing LayOutRing(WheelTarget& target, WheelState& state, RingRole role, const WheelData& data,
                      const std::vector<PlacedRing>& outer) {
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
    // A label over another (one an outer ring's label reaches down to, or
    // a neighbour in a house too small for its labels) moves in toward the
    // centre, as far as its band allows, to the first place inside its
    // house where it lies over no label of any ring.
    constexpr double kPullStepUnits = 1;
    const double inner = RingInnerRadius(role, state.layout);
    for (std::size_t i = 0; i < layout.placed.size(); ++i) {
        PlacedPoint& placed = layout.placed[i];
        if (!OverAnyLabel(ring.labels[i], outer, ring.labels, i)) {
            continue;
        }
        for (double radius = placed.radius - kPullStepUnits;; radius -= kPullStepUnits) {
            std::vector<PrintedBox> moved =
                LabelBoxesAt(target, labels[i], placed.angleDegrees, radius);
            const bool inBand = std::all_of(moved.begin(), moved.end(), [&](const PrintedBox& b) {
                return std::hypot(std::clamp(0.0, b.left, b.right),
                                  std::clamp(0.0, b.bottom, b.top)) >= inner;
            });
            if (!inBand) {
                break;
            }
            if (LabelInsideHouse(state, placed.house, moved) &&
                !OverAnyLabel(moved, outer, ring.labels, i)) {
                placed.radius = radius;
                ring.labels[i] = std::move(moved);
                break;
            }
        }
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
