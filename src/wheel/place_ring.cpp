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
    const RingBand band = RingBandOf(role, state.layout);
    const bool turns = state.layout != 0;
    const auto inBand = [&](const std::vector<PrintedBox>& boxes) {
        constexpr double kCircleClearUnits = 1.5;
        const double outerLimit = band.outer - kCircleClearUnits;
        return std::all_of(boxes.begin(), boxes.end(), [&](const PrintedBox& b) {
            const double nearX = std::clamp(0.0, b.left, b.right);
            const double nearY = std::clamp(0.0, b.bottom, b.top);
            const double farX = std::max(-b.left, b.right);
            const double farY = std::max(-b.bottom, b.top);
            return nearX * nearX + nearY * nearY >= band.inner * band.inner &&
                   (!turns || farX * farX + farY * farY <= outerLimit * outerLimit);
        });
    };
    constexpr double kPullStepUnits = 1;
    constexpr double kTurnStepDegrees = 0.5;
    constexpr double kTurnLimitDegrees = 30;
    for (std::size_t i = 0; i < layout.placed.size(); ++i) {
        PlacedPoint& placed = layout.placed[i];
        if (!OverAnyLabel(ring.labels[i], outer, ring.labels, i)) {
            continue;
        }
        // Along one angle the label's boxes only slide, so they are measured
        // once and shifted for each radius tried.
        const auto freeAt = [&](double angle, double fromRadius) {
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
                const bool bandHolds = inBand(moved);
                if (bandHolds && !OverAnyOf(moved, near) &&
                    LabelInsideHouse(state, placed.house, moved)) {
                    placed.angleDegrees = OnCircle(angle);
                    placed.radius = radius;
                    ring.labels[i] = std::move(moved);
                    return true;
                }
                if (!turns && !bandHolds) {
                    return false;
                }
            }
        };
        if (freeAt(placed.angleDegrees, placed.radius - kPullStepUnits) || !turns) {
            continue;
        }
        for (double turn = kTurnStepDegrees; turn <= kTurnLimitDegrees; turn += kTurnStepDegrees) {
            if (freeAt(placed.angleDegrees + turn, band.outer) ||
                freeAt(placed.angleDegrees - turn, band.outer)) {
                break;
            }
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
    constexpr double kTickUnits = 4;
    constexpr double kMovedDegrees = 1;
    const double outer = RingBandOf(ring.role, state.layout).outer;
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
