#include "wheel/ring_clearance.hpp"

#include <algorithm>
#include <cmath>

#include "engine/angles.hpp"
#include "wheel/text_overlaps.hpp"

namespace solvaris {

namespace {

constexpr double kGrazeUnits = 0.5;
constexpr double kTickUnits = 4;

bool Overlap(const PrintedBox& a, const PrintedBox& b) {
    constexpr double kClearUnits = 0.5;
    return std::min(a.right, b.right) - std::max(a.left, b.left) > -kClearUnits &&
           std::min(a.top, b.top) - std::max(a.bottom, b.bottom) > -kClearUnits;
}

}  // namespace

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

DrawnLine TickAt(double ringOuter, double trueAngle) {
    return {ringOuter * CosDeg(trueAngle), ringOuter * SinDeg(trueAngle),
            (ringOuter - kTickUnits) * CosDeg(trueAngle),
            (ringOuter - kTickUnits) * SinDeg(trueAngle)};
}

DrawnLine LeaderOf(const DrawnLine& tick, const PrintedBox& glyph) {
    return {tick.x2, tick.y2, std::clamp(tick.x2, glyph.left, glyph.right),
            std::clamp(tick.y2, glyph.bottom, glyph.top)};
}

const PrintedBox& LeaderEnd(const std::vector<PrintedBox>& label, bool aboveItsRing) {
    return aboveItsRing ? label.back() : label.front();
}

bool CrossesOtherLabel(const DrawnLine& line, const std::vector<PlacedRing>& outer,
                       const std::vector<std::vector<PrintedBox>>& ringLabels, std::size_t self) {
    if (CrossesAnyLabel(line, outer)) {
        return true;
    }
    for (std::size_t i = 0; i < ringLabels.size(); ++i) {
        if (i != self && CrossesLabel(line, ringLabels[i])) {
            return true;
        }
    }
    return false;
}

bool CrossesOwnLabel(const DrawnLine& leader, const std::vector<PrintedBox>& label,
                     const PrintedBox& end) {
    return std::any_of(label.begin(), label.end(), [&](const PrintedBox& box) {
        return &box != &end && LineRunsThroughBox(leader, box, kGrazeUnits);
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

PrintedBox SweptRegion(const std::vector<PrintedBox>& label, double shiftX, double shiftY) {
    PrintedBox swept = label.front();
    for (const PrintedBox& box : label) {
        swept.left = std::min({swept.left, box.left, box.left + shiftX});
        swept.right = std::max({swept.right, box.right, box.right + shiftX});
        swept.top = std::max({swept.top, box.top, box.top + shiftY});
        swept.bottom = std::min({swept.bottom, box.bottom, box.bottom + shiftY});
    }
    return swept;
}

}  // namespace solvaris
