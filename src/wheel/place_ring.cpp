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
#include "wheel/wheel_geometry.hpp"

namespace solvaris {

namespace {

constexpr double kGrazeUnits = 0.5;
constexpr double kTickUnits = 4;

bool CrossesLabel(const DrawnLine& line, const std::vector<PrintedBox>& label) {
    return std::any_of(label.begin(), label.end(), [&](const PrintedBox& box) {
        return LineRunsThroughBox(line, box, kGrazeUnits);
    });
}

bool CrossesAnyLabel(const DrawnLine& line, const std::vector<PlacedRing>& rings) {
    for (const PlacedRing& ring : rings) {
        for (const std::vector<PrintedBox>& label : ring.labels) {
            if (CrossesLabel(line, label)) {
                return true;
            }
        }
    }
    return false;
}

// The tick on a ring's outer circle at a point's true place, and the line
// from its inner end to the point's glyph.
DrawnLine TickAt(double ringOuter, double trueAngle) {
    return {ringOuter * CosDeg(trueAngle), ringOuter * SinDeg(trueAngle),
            (ringOuter - kTickUnits) * CosDeg(trueAngle),
            (ringOuter - kTickUnits) * SinDeg(trueAngle)};
}

DrawnLine LeaderOf(const DrawnLine& tick, const PrintedBox& glyph) {
    return {tick.x2, tick.y2, std::clamp(tick.x2, glyph.left, glyph.right),
            std::clamp(tick.y2, glyph.bottom, glyph.top)};
}

// A label in the band below its own is led to by its glyph; one in the band
// above by the end of its label nearest its ring.
const PrintedBox& LeaderEnd(const std::vector<PrintedBox>& label, const RingBand& ownBand) {
    const PrintedBox& glyph = label.front();
    return glyph.left * glyph.left + glyph.top * glyph.top > ownBand.outer * ownBand.outer
               ? label.back()
               : glyph;
}

bool CrossesOtherLabel(const DrawnLine& line, const std::vector<std::vector<PrintedBox>>& labels,
                       std::size_t self) {
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (i != self && CrossesLabel(line, labels[i])) {
            return true;
        }
    }
    return false;
}

// Whether the leader runs through a part of its own label other than the
// one it leads to.
bool CrossesOwnLabel(const DrawnLine& leader, const std::vector<PrintedBox>& label,
                     const RingBand& ownBand) {
    const PrintedBox* end = &LeaderEnd(label, ownBand);
    return std::any_of(label.begin(), label.end(), [&](const PrintedBox& box) {
        return &box != end && LineRunsThroughBox(leader, box, kGrazeUnits);
    });
}

bool OnAnyLeader(const std::vector<PrintedBox>& label, const std::vector<PlacedRing>& outer,
                 const PlacedRing& ring) {
    const auto onOne = [&](const PlacedRing& r) {
        return std::any_of(r.leaders.begin(), r.leaders.end(),
                           [&](const DrawnLine& leader) { return CrossesLabel(leader, label); });
    };
    return onOne(ring) || std::any_of(outer.begin(), outer.end(), onOne);
}

// Whether every box lies within the band, clear of its outer circle where
// the rings turn their labels.
bool InBand(const std::vector<PrintedBox>& boxes, const RingBand& band, bool clearOfOuter) {
    constexpr double kCircleClearUnits = 1.5;
    const double outerLimit = band.outer - kCircleClearUnits;
    return std::all_of(boxes.begin(), boxes.end(), [&](const PrintedBox& b) {
        const double nearX = std::clamp(0.0, b.left, b.right);
        const double nearY = std::clamp(0.0, b.bottom, b.top);
        const double farX = std::max(-b.left, b.right);
        const double farY = std::max(-b.bottom, b.top);
        return nearX * nearX + nearY * nearY >= band.inner * band.inner &&
               (!clearOfOuter || farX * farX + farY * farY <= outerLimit * outerLimit);
    });
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

// The boxes of every other label that reach into a region: the only ones a
// label sliding within that region can meet.
std::vector<const PrintedBox*> LabelsNear(const PrintedBox& region,
                                          const std::vector<PlacedRing>& rings,
                                          const std::vector<std::vector<PrintedBox>>& ringLabels,
                                          std::size_t self) {
    std::vector<const PrintedBox*> near;
    const auto gather = [&](const std::vector<PrintedBox>& label) {
        for (const PrintedBox& box : label) {
            if (Overlap(region, box)) {
                near.push_back(&box);
            }
        }
    };
    for (const PlacedRing& ring : rings) {
        for (const std::vector<PrintedBox>& label : ring.labels) {
            gather(label);
        }
    }
    for (std::size_t i = 0; i < ringLabels.size(); ++i) {
        if (i != self) {
            gather(ringLabels[i]);
        }
    }
    return near;
}

bool OverAnyOf(const std::vector<PrintedBox>& label, const std::vector<const PrintedBox*>& near) {
    for (const PrintedBox& a : label) {
        for (const PrintedBox* b : near) {
            if (Overlap(a, *b)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

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
            const double deepest = band.inner - kPullStepUnits - fromRadius;
            PrintedBox swept = start.front();
            for (const PrintedBox& box : start) {
                swept.left = std::min({swept.left, box.left, box.left + deepest * towardX});
                swept.right = std::max({swept.right, box.right, box.right + deepest * towardX});
                swept.top = std::max({swept.top, box.top, box.top + deepest * towardY});
                swept.bottom = std::min({swept.bottom, box.bottom, box.bottom + deepest * towardY});
            }
            const std::vector<const PrintedBox*> near = LabelsNear(swept, outer, ring.labels, i);
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
                const DrawnLine leader = LeaderOf(tick, LeaderEnd(moved, ownBand));
                if (borrowed && (CrossesAnyLabel(tick, outer) || CrossesAnyLabel(leader, outer) ||
                                 CrossesOtherLabel(tick, ring.labels, i) ||
                                 CrossesOtherLabel(leader, ring.labels, i) ||
                                 CrossesOwnLabel(leader, moved, ownBand))) {
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
        const DrawnLine leader = LeaderOf(tick, LeaderEnd(ring.labels[i], band));
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
