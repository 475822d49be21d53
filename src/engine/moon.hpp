// The Moon's longitude and latitude and the lunar nodes.
#pragma once

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

}  // namespace solvaris
