#include "wheel/place_ring.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/option_numbers.hpp"
#include "engine/angles.hpp"
#include "wheel/point_label.hpp"
#include "wheel/ring_clearance.hpp"
#include "wheel/ring_parameters.hpp"
#include "wheel/ring_spread.hpp"
#include "wheel/wheel_geometry.hpp"

namespace solvaris {

namespace {

constexpr double kPullStepUnits = 1;
constexpr double kTurnStepDegrees = 0.5;
constexpr double kTurnLimitDegrees = 30;

// One ring being laid out: its labels measured once, the rings laid out
// before it, and its own band.
struct RingWork {
    WheelTarget& target;
    const WheelState& state;
    RingRole role;
    const std::vector<PlacedRing>& outer;
    PlacedRing& ring;
    std::vector<std::vector<PointLabelPart>> labels;
    RingBand ownBand;
    bool turns;  // a dual or triple wheel's labels may turn aside
};

// The ring's points spread within their houses; the points a crowded house
// leaves out are taken off the ring, and the labels of the rest boxed
// where they stand.
void SpreadAndBox(RingWork& work, const WheelData& data) {
    RingLayout& layout = work.ring.layout;
    const std::string& marks = RingMarks(work.state, work.role);
    for (const PlacedPoint& placed : layout.placed) {
        work.labels.push_back(MeasureLabel(work.target, work.state, placed, marks));
    }
    const std::vector<std::size_t> leftOut = SpreadRing(
        layout, work.state, work.role, data, [&](std::size_t i, double angle, double radius) {
            return LabelBoxesAt(work.target, work.labels[i], angle, radius);
        });
    for (auto i = leftOut.rbegin(); i != leftOut.rend(); ++i) {
        layout.slotOf[layout.placed[*i].point] = -1;
        work.labels.erase(work.labels.begin() + static_cast<std::ptrdiff_t>(*i));
        layout.placed.erase(layout.placed.begin() + static_cast<std::ptrdiff_t>(*i));
    }
    for (std::size_t i = 0; i < layout.placed.size(); ++i) {
        const PlacedPoint& placed = layout.placed[i];
        work.ring.labels.push_back(
            LabelBoxesAt(work.target, work.labels[i], placed.angleDegrees, placed.radius));
    }
}

void Shift(const std::vector<PrintedBox>& start, double shiftX, double shiftY,
           std::vector<PrintedBox>& moved) {
    for (std::size_t k = 0; k < moved.size(); ++k) {
        moved[k].left = start[k].left + shiftX;
        moved[k].right = start[k].right + shiftX;
        moved[k].top = start[k].top + shiftY;
        moved[k].bottom = start[k].bottom + shiftY;
    }
}

// In a borrowed band the label's tick and leader must cross no other label
// and the leader none of its own; the label keeps them for the labels laid
// out after it.
bool TieBack(RingWork& work, std::size_t i, const std::vector<PrintedBox>& moved, bool borrowed) {
    if (!borrowed) {
        return true;
    }
    const DrawnLine tick =
        TickAt(work.ownBand.outer, TrueAngle(work.state, work.ring.layout.placed[i]));
    const PrintedBox& end = LeaderEnd(moved, work.role == RingRole::Inner);
    const DrawnLine leader = LeaderOf(tick, end);
    if (CrossesOtherLabel(tick, work.outer, work.ring.labels, i) ||
        CrossesOtherLabel(leader, work.outer, work.ring.labels, i) ||
        CrossesOwnLabel(leader, moved, end)) {
        return false;
    }
    work.ring.leaders.push_back(tick);
    work.ring.leaders.push_back(leader);
    return true;
}

// Pull in: from `fromRadius` toward the centre along the angle, the first
// place within the band and the house where the label lies over no label
// and on no leader. Along one angle the label's boxes only slide, so they
// are measured once and shifted for each radius tried.
bool PullIn(RingWork& work, std::size_t i, double angle, double fromRadius, const RingBand& band) {
    PlacedPoint& placed = work.ring.layout.placed[i];
    const bool borrowed = band.outer != work.ownBand.outer;
    const std::vector<PrintedBox> start =
        LabelBoxesAt(work.target, work.labels[i], angle, fromRadius);
    std::vector<PrintedBox> moved = start;
    const double towardX = CosDeg(angle);
    const double towardY = SinDeg(angle);
    const double deepestShift = band.inner - kPullStepUnits - fromRadius;
    const std::vector<const PrintedBox*> near =
        LabelsNear(SweptRegion(start, deepestShift * towardX, deepestShift * towardY), work.outer,
                   work.ring.labels, i);
    for (double radius = fromRadius; radius > band.inner - kPullStepUnits;
         radius -= kPullStepUnits) {
        Shift(start, (radius - fromRadius) * towardX, (radius - fromRadius) * towardY, moved);
        const bool bandHolds = InBand(moved, band, work.turns);
        if (!bandHolds || OverAnyOf(moved, near) ||
            !LabelInsideHouse(work.state, placed.house, moved) ||
            OnAnyLeader(moved, work.outer, work.ring)) {
            if (!work.turns && !bandHolds) {
                return false;
            }
            continue;
        }
        if (!TieBack(work, i, moved, borrowed)) {
            continue;
        }
        placed.angleDegrees = OnCircle(angle);
        placed.radius = radius;
        placed.inBorrowedBand = borrowed;
        work.ring.labels[i] = std::move(moved);
        return true;
    }
    return false;
}

// Whether the label at that angle keeps its place in its ring's row: no
// neighbour of the ring whose point lies on one side of its point (within
// kRowDegrees) is drawn on the other side of it.
bool KeepsRowOrder(const RingWork& work, std::size_t i, double angle) {
    constexpr double kRowDegrees = 20;
    constexpr double kSamePlaceDegrees = 0.1;
    constexpr double kSideBySideDegrees = 0.5;
    const std::vector<PlacedPoint>& placed = work.ring.layout.placed;
    const double place = TrueAngle(work.state, placed[i]);
    for (std::size_t j = 0; j < placed.size(); ++j) {
        const double trueStep = std::remainder(TrueAngle(work.state, placed[j]) - place, 360.0);
        const double drawnStep = std::remainder(placed[j].angleDegrees - angle, 360.0);
        if (j != i && std::fabs(trueStep) < kRowDegrees &&
            std::fabs(trueStep) > kSamePlaceDegrees && trueStep * drawnStep < 0 &&
            std::fabs(drawnStep) > kSideBySideDegrees) {
            return false;
        }
    }
    return true;
}

// Turn within the house: the angles nearest to `from`, each from the band's
// outer circle in; first those that keep the row's order, and only where
// none of them is free, the others (a label out of order is read more
// easily than one over another).
bool TurnWithin(RingWork& work, std::size_t i, double from, const RingBand& band) {
    for (const bool keepOrder : {true, false}) {
        for (double turn = kTurnStepDegrees; turn <= kTurnLimitDegrees; turn += kTurnStepDegrees) {
            for (const double angle : {from + turn, from - turn}) {
                if (KeepsRowOrder(work, i, angle) == keepOrder &&
                    PullIn(work, i, angle, band.outer, band)) {
                    return true;
                }
            }
        }
    }
    return false;
}

// Borrow a band: in a triple wheel, last, the other inner ring's band, at
// the point's true angle or turned from it.
void BorrowBand(RingWork& work, std::size_t i) {
    const RingBand borrowed = RingBandOf(
        work.role == RingRole::Middle ? RingRole::Inner : RingRole::Middle, WheelLayout::Triple);
    const double trueAngle = TrueAngle(work.state, work.ring.layout.placed[i]);
    if (!PullIn(work, i, trueAngle, borrowed.outer, borrowed)) {
        TurnWithin(work, i, trueAngle, borrowed);
    }
}

// A label over another, or on a leader line, goes through the stages until
// one finds it a free place. The angles keep their angle while a place
// along it is free; one that finds none turns aside as the planets do, its
// leader tying it to its place.
void MoveClear(RingWork& work, std::size_t i) {
    const PlacedPoint& placed = work.ring.layout.placed[i];
    if (!OverAnyLabel(work.ring.labels[i], work.outer, work.ring.labels, i) &&
        !OnAnyLeader(work.ring.labels[i], work.outer, work.ring)) {
        return;
    }
    if (PullIn(work, i, placed.angleDegrees, placed.radius - kPullStepUnits, work.ownBand) ||
        !work.turns) {
        return;
    }
    if (TurnWithin(work, i, placed.angleDegrees, work.ownBand) ||
        work.state.layout != WheelLayout::Triple || work.role == RingRole::Main) {
        return;
    }
    BorrowBand(work, i);
}

}  // namespace

// A label over another (one an outer ring's label reaches down to, or a
// neighbour in a house too small for its labels) moves in toward the
// centre, as far as its band allows, to the first place inside its house
// where it lies over no label of any ring. In a dual or triple wheel a
// label that finds no such place at its angle tries the angles nearest to
// it within the house, each from the band's outer circle in. In a triple
// wheel a label its band cannot hold in its house, last, does the same in
// the other inner ring's band, tied to its own ring by a leader line that
// the labels laid out after it keep clear of.
PlacedRing LayOutRing(WheelTarget& target, WheelState& state, RingRole role, const WheelData& data,
                      const std::vector<PlacedRing>& outer) {
    PlacedRing ring{role, LayRing(state, role, data), {}, {}};
    RingWork work{target,
                  state,
                  role,
                  outer,
                  ring,
                  {},
                  RingBandOf(role, state.layout),
                  state.layout != WheelLayout::Single};
    SpreadAndBox(work, data);
    for (std::size_t i = 0; i < ring.layout.placed.size(); ++i) {
        MoveClear(work, i);
    }
    RingLayout& layout = ring.layout;
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

namespace {

double DistanceToBox(double x, double y, const PrintedBox& box) {
    return std::hypot(x - std::clamp(x, box.left, box.right),
                      y - std::clamp(y, box.bottom, box.top));
}

// The least distance from a tick to a box, by points along the tick.
double TickToBox(const DrawnLine& tick, const PrintedBox& box) {
    constexpr int kSteps = 8;
    double least = DistanceToBox(tick.x1, tick.y1, box);
    for (int k = 1; k <= kSteps; ++k) {
        const double t = static_cast<double>(k) / kSteps;
        least = std::min(least, DistanceToBox(tick.x1 + t * (tick.x2 - tick.x1),
                                              tick.y1 + t * (tick.y2 - tick.y1), box));
    }
    return least;
}

// The tick of each point of every ring that is drawn: one that would
// strike through a label is left out.
std::vector<DrawnLine> DrawnTicks(const WheelState& state, const std::vector<PlacedRing>& rings) {
    std::vector<DrawnLine> ticks;
    for (const PlacedRing& ring : rings) {
        const RingBand band = RingBandOf(ring.role, state.layout);
        for (const PlacedPoint& placed : ring.layout.placed) {
            const DrawnLine tick = TickAt(band.outer, TrueAngle(state, placed));
            if (!CrossesAnyLabel(tick, rings)) {
                ticks.push_back(tick);
            }
        }
    }
    return ticks;
}

// Whether a drawn tick other than the label's own stands nearer its glyph:
// without a leader the label would be read as that tick's point.
bool NearerTickThanOwn(const DrawnLine& own, const PrintedBox& glyph,
                       const std::vector<DrawnLine>& ticks) {
    const double ownDistance = TickToBox(own, glyph);
    return std::any_of(ticks.begin(), ticks.end(), [&](const DrawnLine& tick) {
        const bool same = tick.x1 == own.x1 && tick.y1 == own.y1;
        return !same && TickToBox(tick, glyph) < ownDistance;
    });
}

struct LeaderPoint {
    double x;
    double y;
};

// Where a leader may end on the label: the preferred part's nearest point
// to `from`, then, nearest first, every other part's and the corners and
// the middles of the sides of every part.
std::vector<LeaderPoint> LeaderEnds(double fromX, double fromY,
                                    const std::vector<PrintedBox>& label,
                                    const PrintedBox& preferred) {
    const auto nearestOn = [&](const PrintedBox& part) {
        return LeaderPoint{std::clamp(fromX, part.left, part.right),
                           std::clamp(fromY, part.bottom, part.top)};
    };
    std::vector<LeaderPoint> ends{nearestOn(preferred)};
    for (const PrintedBox& part : label) {
        if (&part != &preferred) {
            ends.push_back(nearestOn(part));
        }
        const double middleX = (part.left + part.right) / 2;
        const double middleY = (part.top + part.bottom) / 2;
        for (const LeaderPoint& edge :
             {LeaderPoint{part.left, part.top}, LeaderPoint{part.right, part.top},
              LeaderPoint{part.left, part.bottom}, LeaderPoint{part.right, part.bottom},
              LeaderPoint{middleX, part.top}, LeaderPoint{middleX, part.bottom},
              LeaderPoint{part.left, middleY}, LeaderPoint{part.right, middleY}}) {
            ends.push_back(edge);
        }
    }
    const auto distance = [&](const LeaderPoint& p) {
        return std::hypot(p.x - fromX, p.y - fromY);
    };
    std::stable_sort(ends.begin() + 1, ends.end(), [&](const LeaderPoint& a, const LeaderPoint& b) {
        return distance(a) < distance(b);
    });
    return ends;
}

// The first of the lines from `from` to the ends that crosses no label.
std::optional<DrawnLine> FreeLineTo(LeaderPoint from, const std::vector<LeaderPoint>& ends,
                                    const std::vector<PlacedRing>& rings) {
    for (const LeaderPoint& end : ends) {
        const DrawnLine line{from.x, from.y, end.x, end.y};
        if (!CrossesAnyLabel(line, rings)) {
            return line;
        }
    }
    return std::nullopt;
}

// A leader bent once: from the tick to a bend at `radius` on the ray at
// `angle` (radians), then on to the label; none where either part crosses
// a label.
std::optional<std::vector<DrawnLine>> BentAt(const DrawnLine& tick, double radius, double angle,
                                             const std::vector<PrintedBox>& label,
                                             const PrintedBox& preferred,
                                             const std::vector<PlacedRing>& rings) {
    const LeaderPoint bend{radius * std::cos(angle), radius * std::sin(angle)};
    const DrawnLine toBend{tick.x2, tick.y2, bend.x, bend.y};
    if (CrossesAnyLabel(toBend, rings)) {
        return std::nullopt;
    }
    if (const auto on = FreeLineTo(bend, LeaderEnds(bend.x, bend.y, label, preferred), rings)) {
        return std::vector<DrawnLine>{toBend, *on};
    }
    return std::nullopt;
}

// The leader's segments from the tick to the label: straight to the
// preferred end, or where another label stands in its way, to the nearest
// point of the label's edge it reaches crossing none; where every straight
// line is barred, bent once, first down the tick's own line, then on the
// glyph's, the bend as near the tick's circle as will do. None where the
// band holds no such bend.
std::vector<DrawnLine> FreeLeader(const DrawnLine& tick, const std::vector<PrintedBox>& label,
                                  const PrintedBox& preferred, const RingBand& band,
                                  const std::vector<PlacedRing>& rings) {
    constexpr double kBendStepUnits = 2;
    if (const auto straight =
            FreeLineTo({tick.x2, tick.y2}, LeaderEnds(tick.x2, tick.y2, label, preferred), rings)) {
        return {*straight};
    }
    const PrintedBox& glyph = label.front();
    const double tickAngle = std::atan2(tick.y2, tick.x2);
    const double glyphAngle =
        std::atan2((glyph.top + glyph.bottom) / 2, (glyph.left + glyph.right) / 2);
    const double tickInner = std::hypot(tick.x2, tick.y2);
    for (const double angle : {tickAngle, glyphAngle}) {
        for (double radius = tickInner - kBendStepUnits; radius >= band.inner;
             radius -= kBendStepUnits) {
            if (const auto bent = BentAt(tick, radius, angle, label, preferred, rings)) {
                return *bent;
            }
        }
    }
    return {};
}

}  // namespace

void DrawRingLeaders(WheelTarget& target, const WheelState& state, const PlacedRing& ring,
                     const std::vector<PlacedRing>& rings) {
    constexpr double kMovedDegrees = 1;
    const RingBand band = RingBandOf(ring.role, state.layout);
    const int colour =
        SurfaceColour(target, opt::ScreenPointGlyphColour, opt::PrinterPointGlyphColour);
    const std::vector<DrawnLine> ticks = DrawnTicks(state, rings);
    for (std::size_t i = 0; i < ring.layout.placed.size(); ++i) {
        const PlacedPoint& placed = ring.layout.placed[i];
        const double place = TrueAngle(state, placed);
        const DrawnLine tick = TickAt(band.outer, place);
        if (CrossesAnyLabel(tick, rings)) {
            continue;
        }
        target.canvas.Line(tick.x1, tick.y1, tick.x2, tick.y2, colour);
        const double moved = std::fabs(std::remainder(placed.angleDegrees - place, 360.0));
        const bool led = moved >= kMovedDegrees || placed.inBorrowedBand ||
                         NearerTickThanOwn(tick, ring.labels[i].front(), ticks);
        if (!led) {
            continue;
        }
        const PrintedBox& end =
            LeaderEnd(ring.labels[i], placed.inBorrowedBand && ring.role == RingRole::Inner);
        for (const DrawnLine& leader : FreeLeader(tick, ring.labels[i], end, band, rings)) {
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
