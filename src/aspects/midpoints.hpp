// Midpoints of a chart's points: every pair's nearer midpoint, the same on
// the 90-degree dial (longitude modulo 90), and the points that stand on a
// midpoint there ("planetary pictures").
#pragma once

#include <vector>

#include "base/options.hpp"
#include "engine/chart_point.hpp"

namespace solvaris {

// The points whose midpoints are taken, in the position list's order. The
// south node is left out: its midpoint with any point lies 90 degrees from
// the north node's, so on the dial it would repeat every node midpoint.
inline constexpr int kMidpointPoints[] = {Sun,       Moon,          Mercury,   Venus,    Mars,
                                          Jupiter,   Saturn,        Uranus,    Neptune,  Pluto,
                                          NorthNode, PartOfFortune, Ascendant, Midheaven};

// 0 <= position < 90.
double DialPosition(double longitude);

struct Midpoint {
    int first;   // ChartPoint
    int second;  // ChartPoint, after `first` in kMidpointPoints
    double longitude;
};

// Every pair of kMidpointPoints once, in pair order (the first point by
// the list's order, then the second).
std::vector<Midpoint> ChartMidpoints(const PointArray& longitude);

// In zodiac order, and in the order of their dial positions; ties keep
// pair order.
std::vector<Midpoint> InZodiacOrder(std::vector<Midpoint> midpoints);
std::vector<Midpoint> InDialOrder(std::vector<Midpoint> midpoints);

// The orb of option 223 in degrees; 1 degree 30' when the options file does
// not reach it or sets no positive orb.
inline constexpr double kDefaultMidpointOrbDeg = 1.5;
double MidpointOrbDeg(const OptionTable& options);

// A point on a midpoint on the dial: at its conjunction, square or
// opposition (the dial's conjunction) or at its semi-square or
// sesquisquare (the dial's opposition).
struct PlanetaryPicture {
    int point;
    Midpoint midpoint;
    int aspectDeg;  // 0, 45, 90, 135 or 180 from the midpoint on the circle
    double orbDeg;  // from exact, not negative
};

// Every point of kMidpointPoints within `orbDeg` (bound included, compared in
// single precision) of a midpoint of two other points: by the point in the
// list's order, then closest first, then pair order.
std::vector<PlanetaryPicture> PlanetaryPictures(const PointArray& longitude, double orbDeg);

}  // namespace solvaris
