// Trigonometry in degrees, angle normalisation, packed d.mm values and the
// rectangular/polar/spherical conversions every theory is built on.
#pragma once

#include <cmath>

namespace solvaris {

// The circle constant to ten decimals. Every degree/radian conversion and
// quadrant correction uses this value, so results match the theories as
// tabulated rather than a full-precision pi.
inline constexpr double PI = 3.1415926535;

// Substitute angle (one ten-millionth of a degree, in radians) that keeps
// later divisions and arctangents defined on the axes.
inline constexpr double kAxisAngleRad = 1.74533e-9;

inline double DegToRad(double x) { return x * PI / 180; }
inline double RadToDeg(double x) { return x * 180 / PI; }
inline double SinDeg(double x) { return std::sin(x * PI / 180); }
inline double CosDeg(double x) { return std::cos(x * PI / 180); }

// Arcsine in radians through the arctangent; at exactly +-1 it returns the
// limit +-PI/2 instead of dividing by zero.
double ArcSin(double x);

// 0 <= result < 360 for every finite x; a value that is not a number gives 0.
double Normalize360(double x);

// Halfway along the shorter arc from longitude `a` to `b`; for two
// longitudes exactly opposite, the one 90 degrees on from `a`.
double NearerMidpoint(double a, double b);

// Decimal degrees (or hours) to the packed d.mm form and back. Callers take
// the sign apart first: both are used on non-negative values.
double ToPacked(double x);
double FromPacked(double x);

struct Rect {
    double x;
    double y;
};
struct Polar {
    double r;
    double angleRad;  // 0 <= angle < 2 PI
};
struct Spherical {
    double distance;
    double longitude;  // degrees, 0 <= lon < 360
    double latitude;   // degrees, -90 ... +90
};

Rect PolarToRect(double r, double angleRad);
Polar RectToPolar(double x, double y);
Spherical RectToSpherical(double x, double y, double z);

}  // namespace solvaris
