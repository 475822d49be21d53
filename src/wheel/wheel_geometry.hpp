// Where things lie on the wheel. Angles are in degrees counter-clockwise
// from the right; the Ascendant side is at 180 degrees. The American type
// draws every house as 30 degrees, house 1 just below the left horizontal;
// the European type draws the zodiac to scale with the Descendant at 0.
#pragma once

#include "chart/chart_store.hpp"

namespace solvaris {

// Degrees normalised to 0 <= x < 360; a value that is not finite counts as
// 0, so that no chart value can lead a drawing off the wheel.
double OnCircle(double degrees);

// The cusp of house 1-12 (house 13 is house 1).
inline double CuspOfHouse(const CuspSet& cusps, int house) {
    return cusps[SlotOfHouse((house - 1) % 12 + 1)];
}

// American: where house 1-12 begins.
inline double AmericanHouseAngle(int house) { return 180.0 + 30.0 * (house - 1); }

// European: the angle of a longitude, measured from the Descendant (the 7th
// cusp).
double EuropeanAngle(double longitude, const CuspSet& cusps);

// European: the angle of the cusp of house 1-12, measured from the
// Ascendant at 180.
double EuropeanCuspAngle(const CuspSet& cusps, int house);

}  // namespace solvaris
