// The Moon's longitude and latitude and the lunar nodes.
#pragma once

#include <span>

namespace solvaris {

struct MoonMeanArguments {
    double meanLongitude;     // L
    double meanAnomaly;       // l
    double node;              // mean ascending node
    double sunMeanLongitude;  // L (Sun)
    double sunMeanAnomaly;    // g
};

// The mean arguments at T (centuries from JD 2415020.0), each normalised.
MoonMeanArguments MoonArguments(double t);

struct MoonResult {
    double longitude;  // degrees 0 <= lon < 360, nutation included
    double latitude;   // degrees
    double meanNode;   // degrees 0 <= lon < 360, no nutation
    double trueNode;   // degrees, not normalised
};

MoonResult MoonPosition(double t);

// coefficient * sin(l * moonAnomaly + g * sunAnomaly + d * elongation +
// f * argumentOfLatitude), in arcseconds.
struct MoonLongitudeTerm {
    double coefficientArcsec;
    int l;
    int g;
    int d;
    int f;
};

// The periodic terms of the longitude, in the order they are summed.
std::span<const MoonLongitudeTerm> MoonLongitudeTerms();

// Their sum in arcseconds for the arguments in degrees (the Moon's mean
// anomaly, the Sun's, the elongation and the argument of latitude). The
// multiples of each argument come by angle addition from one sine and
// cosine, not one sine per term.
double MoonLongitudeSeriesArcsec(double l, double g, double d, double f);

}  // namespace solvaris
