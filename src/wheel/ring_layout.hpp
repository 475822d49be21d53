// Where each glyph of a ring goes. Every house offers a fixed number of
// slots; a point takes the slot that matches how far into its house it
// lies, moved on when that slot is taken or when the points still to come
// in the house would not fit. A house more crowded than its slots leaves
// out its South Node and Part of Fortune. The European type draws the
// zodiac to scale instead. Where the glyphs are finally drawn, spread so
// that no label lies over another, is the ring spread's work.
#pragma once

#include <array>
#include <vector>

#include "engine/chart_point.hpp"
#include "wheel/wheel_data.hpp"
#include "wheel/wheel_state.hpp"

namespace solvaris {

struct PlacedPoint {
    int point;  // wheel point 1-22
    int house;  // 1-12
    int slot;   // in its house, from 0
    double longitude;
    double angleDegrees;
    double radius;  // of the glyph's anchor, wheel units
    // Stands in the other inner ring's band of a triple wheel, its own
    // having no room for it in its house.
    bool inBorrowedBand = false;
    // An extra point moving backward (the chart points' marks are the
    // ring's retrograde text).
    bool retrograde = false;
};

struct RingLayout {
    std::vector<PlacedPoint> placed;  // in placement order
    PointSlots slotOf = kNoSlots;     // -1 for a point not drawn
    WheelPointAngles angleOf{};
};

// The points a house too crowded for its labels leaves out, in the order it
// leaves them out: first the South Node, then the Part of Fortune, both read
// from other points (the North Node, the Ascendant and the lights); then
// the extra points, the least asked for first.
inline constexpr std::array<int, 9> kLeftOutWhenCrowded{SouthNode,
                                                        PartOfFortune,
                                                        PointNumberOf(ExtraPoint::Vesta),
                                                        PointNumberOf(ExtraPoint::Juno),
                                                        PointNumberOf(ExtraPoint::Pallas),
                                                        PointNumberOf(ExtraPoint::Ceres),
                                                        PointNumberOf(ExtraPoint::TrueLilith),
                                                        PointNumberOf(ExtraPoint::Chiron),
                                                        PointNumberOf(ExtraPoint::MeanLilith)};

// The ring's points from the state: the main ring with the main chart's
// houses, any other ring placed into the main chart's houses.
RingLayout LayRing(const WheelState& state, RingRole role, const WheelData& data);

// RADIUS.DAT's radius for an angle, by the nearest whole degree.
double MainRingRadius(const WheelData& data, double angleDegrees);

}  // namespace solvaris
