#include "engine/sidereal.hpp"

#include <cmath>

namespace solvaris {

double Obliquity(double t) {
    return 23.4522944 - 0.0130125 * t - 0.000001639 * t * t + 0.000000503 * t * t * t;
}

double ObliquityLinear(double t) { return 23.4522944 - 0.0130125 * t; }

double SiderealTime(double t, double utFraction) {
    const double theta0Hours = (23925.836 + 8640184.54 * t + 0.0929 * t * t) / 3600;
    const double theta = (24 * utFraction + theta0Hours) / 24;
    return (theta - std::floor(theta)) * 24 * 15;
}

}  // namespace solvaris
