#include "wheel/wheel_geometry.hpp"

#include <cmath>

#include "engine/angles.hpp"

namespace solvaris {

double OnCircle(double degrees) {
    const double x = Normalize360(degrees);
    return std::isfinite(x) ? x : 0;
}

double EuropeanAngle(double longitude, const CuspSet& cusps) {
    return OnCircle(longitude - CuspOfHouse(cusps, 7));
}

double EuropeanCuspAngle(const CuspSet& cusps, int house) {
    return OnCircle(180 + OnCircle(CuspOfHouse(cusps, house) - CuspOfHouse(cusps, 1)));
}

}  // namespace solvaris
