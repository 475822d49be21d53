#include "wheel/place_ring.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/option_numbers.hpp"
#include "engine/angles.hpp"
#include "wheel/point_label.hpp"
#include "wheel/ring_clearance.hpp"
#include "wheel/ring_parameters.hpp"
#include "wheel/ring_spread.hpp"
#include "wheel/wheel_geometry.hpp"

namespace solvaris {

PlacedRing LayOutRing(WheelTarget& target, WheelState& state, RingRole role, const WheelData& data,
                      const std::vector<PlacedRing>& outer) {
    state.ringInProgress = role;
    PlacedRing ring{role, LayRing(state, role, data), {}, {}};
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
    for (std::size_t i = 0; i < layout.placed.size(); ++i) {
        const PlacedPoint& placed = layout.placed[i];
        ring.labels.push_back(LabelBoxesAt(target, labels[i], placed.angleDegrees, placed.radius));
    }
    // A label over another (one an outer ring's label reaches down to, or
    // a neighbour in a house too small for its labels) moves in toward the
    // centre, as far as its band allows, to the first place inside its
    // house where it lies over no label of any ring. In a dual or triple
    // wheel a label that finds no such place at its angle tries the angles
    // nearest to it within the house, each from the band's outer circle in.
    // In a triple wheel a label its band cannot hold in its house, last,
    // does the same in the other inner ring's band, tied to its own ring by
    // a leader line that the labels laid out after it keep clear of.
    const RingBand ownBand = RingBandOf(role, state.layout);
    const bool turns = state.layout != 0;
    constexpr double kPullStepUnits = 1;
    constexpr double kTurnStepDegrees = 0.5;
    constexpr double kTurnLimitDegrees = 30;
    for (std::size_t i = 0; i < layout.placed.size(); ++i) {
        PlacedPoint& placed = layout.placed[i];
        if (!OverAnyLabel(ring.labels[i], outer, ring.labels, i) &&
            !OnAnyLeader(ring.labels[i], outer, ring)) {
            continue;
        }
        const double trueAngle = TrueAngle(state, placed);
        // Along one angle the label's boxes only slide, so they are measured
        // once and shifted for each radius tried.
        const auto freeAt = [&](double angle, double fromRadius, const RingBand& band) {
            const bool borrowed = band.outer != ownBand.outer;
            const std::vector<PrintedBox> start =
                LabelBoxesAt(target, labels[i], angle, fromRadius);
            std::vector<PrintedBox> moved = start;
            const double towardX = CosDeg(angle);
            const double towardY = SinDeg(angle);
            const double deepestShift = band.inner - kPullStepUnits - fromRadius;
            const std::vector<const PrintedBox*> near =
                LabelsNear(SweptRegion(start, deepestShift * towardX, deepestShift * towardY),
                           outer, ring.labels, i);
            for (double radius = fromRadius;; radius -= kPullStepUnits) {
                if (radius <= band.inner - kPullStepUnits) {
                    return false;
                }
                const double shift = radius - fromRadius;
                for (std::size_t k = 0; k < moved.size(); ++k) {
                    moved[k].left = start[k].left + shift * towardX;
                    moved[k].right = start[k].right + shift * towardX;
                    moved[k].top = start[k].top + shift * towardY;
                    moved[k].bottom = start[k].bottom + shift * towardY;
                }
                const bool bandHolds = InBand(moved, band, turns);
                if (!bandHolds || OverAnyOf(moved, near) ||
                    !LabelInsideHouse(state, placed.house, moved) ||
                    OnAnyLeader(moved, outer, ring)) {
                    if (!turns && !bandHolds) {
                        return false;
                    }
                    continue;
                }
                const DrawnLine tick = TickAt(ownBand.outer, trueAngle);
                const PrintedBox& end = LeaderEnd(moved, borrowed && role == RingRole::Inner);
                const DrawnLine leader = LeaderOf(tick, end);
                if (borrowed && (CrossesOtherLabel(tick, outer, ring.labels, i) ||
                                 CrossesOtherLabel(leader, outer, ring.labels, i) ||
                                 CrossesOwnLabel(leader, moved, end))) {
                    continue;
                }
                placed.angleDegrees = OnCircle(angle);
                placed.radius = radius;
                placed.inBorrowedBand = borrowed;
                ring.labels[i] = std::move(moved);
                if (borrowed) {
                    ring.leaders.push_back(tick);
                    ring.leaders.push_back(leader);
                }
                return true;
            }
        };
        // The angles keep their angle while a place along it is free; one
        // that finds none turns aside as the planets do, its leader tying
        // it to its place.
        if (freeAt(placed.angleDegrees, placed.radius - kPullStepUnits, ownBand) || !turns) {
            continue;
        }
        const auto turnWithin = [&](double from, const RingBand& band) {
            for (double turn = kTurnStepDegrees; turn <= kTurnLimitDegrees;
                 turn += kTurnStepDegrees) {
                if (freeAt(from + turn, band.outer, band) ||
                    freeAt(from - turn, band.outer, band)) {
                    return true;
                }
            }
            return false;
        };
        if (turnWithin(placed.angleDegrees, ownBand) || state.layout != 2 ||
            role == RingRole::Main) {
            continue;
        }
        const RingBand borrowedBand =
            RingBandOf(role == RingRole::Middle ? RingRole::Inner : RingRole::Middle, 2);
        if (!freeAt(trueAngle, borrowedBand.outer, borrowedBand)) {
            turnWithin(trueAngle, borrowedBand);
        }
    }
    layout.angleOf = {};
    for (const PlacedPoint& placed : layout.placed) {
        layout.angleOf[placed.point] = placed.angleDegrees;
    }
    if (role == RingRole::Main) {
        state.slotOf = layout.slotOf;
        state.angleOf = layout.angleOf;
    }
    return ring;
}

void DrawRingLeaders(WheelTarget& target, const WheelState& state, const PlacedRing& ring,
                     const std::vector<PlacedRing>& rings) {
    constexpr double kMovedDegrees = 1;
    const RingBand band = RingBandOf(ring.role, state.layout);
    const int colour =
        SurfaceColour(target, opt::ScreenPointGlyphColour, opt::PrinterPointGlyphColour);
    for (std::size_t i = 0; i < ring.layout.placed.size(); ++i) {
        const PlacedPoint& placed = ring.layout.placed[i];
        const double place = TrueAngle(state, placed);
        const DrawnLine tick = TickAt(band.outer, place);
        if (CrossesAnyLabel(tick, rings)) {
            continue;
        }
        target.canvas.Line(tick.x1, tick.y1, tick.x2, tick.y2, colour);
        const double moved = std::fabs(std::remainder(placed.angleDegrees - place, 360.0));
        const DrawnLine leader = LeaderOf(
            tick, LeaderEnd(ring.labels[i], placed.inBorrowedBand && ring.role == RingRole::Inner));
        if ((moved >= kMovedDegrees || placed.inBorrowedBand) && !CrossesAnyLabel(leader, rings)) {
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
