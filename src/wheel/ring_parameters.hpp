// The glyph slots of each ring: how many a house offers, how far apart they
// are, where a house's first slot lies and at which radius. The angles are
// those of the American type (every house 30 degrees), with a margin at each
// cusp so that glyphs do not sit on the house lines.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "wheel/wheel_state.hpp"

namespace solvaris {

struct RingParameters {
    int slotsPerHouse;
    double slotStepDegrees;
    std::array<double, 13> slotZeroAngle;  // by house 1-12, index 0 unused
    std::array<double, 13> radius;         // by house 1-12, index 0 unused
};

// The ring of that role in the layout: the main ring is the same in every
// layout; the inner ring is the second chart of a dual wheel or the third
// of a triple wheel.
const RingParameters& RingParametersOf(RingRole role, WheelLayout layout);

// The circles that bound a ring's band. A single wheel's ring runs from 120
// to 217. In dual and triple wheels each outer ring is as deep as its
// labels (degree, sign, minute and mark, or without minutes in a triple
// wheel) need, and the innermost ring takes the rest down to the
// house-number circle: a narrow inner ring cannot hold a crowded house.
struct RingBand {
    double inner;
    double outer;
};
RingBand RingBandOf(RingRole role, WheelLayout layout);

// The ring's longitudes and retrograde marks in the state.
const PointArray& RingLongitudes(const WheelState& state, RingRole role);
const std::string& RingMarks(const WheelState& state, RingRole role);
const std::vector<ExtraPlace>& RingExtraPoints(const WheelState& state, RingRole role);

}  // namespace solvaris
