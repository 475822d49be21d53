// How far each body of our theories may lie from Swiss Ephemeris (analytic
// Moshier mode, apparent positions of date), indexed by chart point less one.
#pragma once

#include <swephexp.h>

#include <array>
#include <cmath>

namespace solvaris {

// Bounds, in degrees, about 1.4 times the worst errors the positions oracle
// measured over 1800-2099: a change that makes any body worse fails there.
struct Bounds {
    const char* name;
    int swissBody;
    double longitude, latitude, declination, rightAscension;
};

inline constexpr std::array<Bounds, 11> kBounds{{
    {"SUN", SE_SUN, 0.0028, 0.00046, 0.0043, 0.0034},
    {"MERCURY", SE_MERCURY, 0.035, 0.0026, 0.015, 0.036},
    {"VENUS", SE_VENUS, 0.042, 0.0034, 0.019, 0.038},
    {"MARS", SE_MARS, 0.082, 0.0059, 0.032, 0.090},
    {"JUPITER", SE_JUPITER, 0.030, 0.0037, 0.014, 0.031},
    {"SATURN", SE_SATURN, 0.071, 0.0061, 0.020, 0.076},
    {"URANUS", SE_URANUS, 0.027, 0.0030, 0.0093, 0.028},
    {"NEPTUNE", SE_NEPTUNE, 0.029, 0.0018, 0.011, 0.031},
    {"PLUTO", SE_PLUTO, 0.085, 0.036, 0.051, 0.072},
    {"MOON", SE_MOON, 0.027, 0.013, 0.018, 0.026},
    {"N. NODE", SE_MEAN_NODE, 0.011, 1e-9, 0.0019, 0.012},
}};

// How far apart two longitudes lie, 0 to 180.
inline double AngleGap(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

}  // namespace solvaris
