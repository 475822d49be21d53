#include "engine/lunar_apogee.hpp"

#include <cmath>
#include <numbers>

#include "engine/ayanamsa.hpp"

namespace solvaris {

namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180;
// The mean inclination of the lunar orbit to the ecliptic.
constexpr double kLunarInclinationDeg = 5.1453964;

double Normalized(double deg) {
    const double d = std::fmod(deg, 360);
    return d < 0 ? d + 360 : d;
}

}  // namespace

EclipticPlace MeanLunarApogee(double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    const double perigee =
        83.3532465 + 4069.0137287 * t - 0.0103200 * t2 - t3 / 80053 + t4 / 18999000;
    const double node =
        125.0445479 - 1934.1362891 * t + 0.0020754 * t2 + t3 / 467441 - t4 / 60616000;
    // The apogee's distance from the node along the orbit, turned onto the ecliptic.
    const double u = (perigee + 180 - node) * kRadPerDeg;
    const double i = kLunarInclinationDeg * kRadPerDeg;
    const double alongEcliptic = std::atan2(std::sin(u) * std::cos(i), std::cos(u)) / kRadPerDeg;
    return {Normalized(node + alongEcliptic + NutationInLongitudeArcsec(t) / 3600),
            std::asin(std::sin(u) * std::sin(i)) / kRadPerDeg};
}

}  // namespace solvaris
