#include "wheel/place_ring.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/angles.hpp"
#include "wheel/ring_parameters.hpp"
#include "wheel/text_overlaps.hpp"
#include "wheel/wheel_geometry.hpp"
#include "wheel/wheel_glyphs.hpp"

namespace solvaris {

namespace {

// How far a glyph may be turned into its house, and by what steps, to take
// it off a house line; a glyph that would need more stays where it is.
constexpr double kMostTurnDegrees = 4;
constexpr double kTurnStepDegrees = 0.5;
// A line merely grazing the box's edge leaves the glyph readable.
constexpr double kGrazeUnits = 0.5;

double HouseStartAngle(const WheelState& state, int house) {
    return IsEuropeanSingle(state) ? EuropeanCuspAngle(state.mainCusps, house)
                                   : AmericanHouseAngle(house);
}

// Whether the house line at `lineAngle` (from the centre to the outer
// circle) runs through the box of width by height whose top-left corner is
// at (x, y).
bool LineThroughBox(double lineAngle, double x, double y, double width, double height) {
    constexpr double kOuterRadius = 217;
    const DrawnLine line{0, 0, kOuterRadius * CosDeg(lineAngle), kOuterRadius * SinDeg(lineAngle)};
    PrintedBox box;
    box.left = x;
    box.top = y;
    box.right = x + width;
    box.bottom = y - height;
    return LineRunsThroughBox(line, box, kGrazeUnits);
}

bool OnAHouseLine(const WheelState& state, int house, double angle, double radius, double width,
                  double height) {
    const double x = radius * CosDeg(angle);
    const double y = radius * SinDeg(angle);
    return LineThroughBox(HouseStartAngle(state, house), x, y, width, height) ||
           LineThroughBox(HouseStartAngle(state, house % 12 + 1), x, y, width, height);
}

// Whether the glyph's box at that angle and radius lies over the glyph of
// another point of the ring.
bool OverAnotherGlyph(WheelTarget& target, const std::vector<PlacedPoint>& ring,
                      const PlacedPoint& placed, double angle, double radius, double width,
                      double height) {
    const double x = radius * CosDeg(angle);
    const double y = radius * SinDeg(angle);
    for (const PlacedPoint& other : ring) {
        if (other.point == placed.point) {
            continue;
        }
        const std::string glyph = PointGlyph(other.point);
        const double ox = other.radius * CosDeg(other.angleDegrees);
        const double oy = other.radius * SinDeg(other.angleDegrees);
        const double across =
            std::min(x + width, ox + target.canvas.TextWidth(glyph)) - std::max(x, ox);
        const double down =
            std::min(y, oy) - std::max(y - height, oy - target.canvas.TextHeight(glyph));
        if (across > kGrazeUnits && down > kGrazeUnits) {
            return true;
        }
    }
    return false;
}

// The glyph turned the least way, within its house, that takes its box off
// the house's two lines without laying it over another glyph of the ring.
void TakeOffHouseLines(WheelTarget& target, const WheelState& state, RingRole role,
                       const WheelData& data, const std::vector<PlacedPoint>& ring,
                       PlacedPoint& placed) {
    const std::string glyph = PointGlyph(placed.point);
    const double width = target.canvas.TextWidth(glyph);
    const double height = target.canvas.TextHeight(glyph);
    const auto radiusAt = [&](double angle) {
        return role == RingRole::Main ? MainRingRadius(data, angle) : placed.radius;
    };
    if (!OnAHouseLine(state, placed.house, placed.angleDegrees, placed.radius, width, height)) {
        return;
    }
    const double start = HouseStartAngle(state, placed.house);
    const double size = Normalize360(HouseStartAngle(state, placed.house % 12 + 1) - start);
    for (double turn = kTurnStepDegrees; turn <= kMostTurnDegrees; turn += kTurnStepDegrees) {
        for (const double sign : {1.0, -1.0}) {
            const double angle = Normalize360(placed.angleDegrees + sign * turn);
            if (Normalize360(angle - start) >= size) {
                continue;  // out of its house
            }
            const double radius = radiusAt(angle);
            if (!OnAHouseLine(state, placed.house, angle, radius, width, height) &&
                !OverAnotherGlyph(target, ring, placed, angle, radius, width, height)) {
                placed.angleDegrees = angle;
                placed.radius = radius;
                return;
            }
        }
    }
}

}  // namespace

RingLayout PlaceRing(WheelTarget& target, WheelState& state, RingRole role, const WheelData& data) {
    state.ringInProgress = role;
    RingLayout layout = LayRing(state, role, data);
    SetGlyphFont(target, PointGlyphSize(target, state));
    for (PlacedPoint& placed : layout.placed) {
        TakeOffHouseLines(target, state, role, data, layout.placed, placed);
        layout.angleOf[placed.point] = placed.angleDegrees;
    }
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
