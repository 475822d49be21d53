// Which aspect joins two longitudes, and how far from exact: the table test
// (orbs per aspect), the planet-class test (orbs per pair of points) and the
// fixed one-degree test of the reports that compare two charts.
#pragma once

#include "aspects/orb_table.hpp"

namespace solvaris {

struct FoundAspect {
    int code = 1;  // AspectCode; 1 = none
    double d = 0;  // separation minus the aspect's angle
};

// 0 <= s <= 180.
double Separation(double longitude1, double longitude2);

// Orb of code c is entry c - 1. Every success overwrites the last, the
// conjunction is tested last; bounds and separation compare in single
// precision. `minorAspects` adds codes 12 to 16, `septile` code 17 (whose
// deviation is not kept).
FoundAspect TableTest(double s, const OrbTable& orbs, bool minorAspects, bool septile);

// How the planet-class test numbers its points: by chart point (Sun 1,
// Moon 10) or by the aspect grid's rows (Sun 1, Moon 2); the nodes are 11
// and 12 in both.
enum class PointNumbering { ChartPoints, GridRows };

// 3 degrees with a node, else 8 with the Sun or the Moon, else 6.
double PlanetClassOrb(int p1, int p2, PointNumbering numbering);

// The five major aspects with the pair's orb; with a node only the
// conjunction.
FoundAspect ClassTest(double s, int p1, int p2, PointNumbering numbering);

// Closed one-degree bands of the conjunction to the quincunx; the
// deviation rounded to tenths, halves upward.
FoundAspect FixedTest(double s);

// The lunation aspects: sextile, square, trine, opposition and conjunction
// with one orb, bounds in single precision; the deviation in tenths.
FoundAspect MajorAspectTest(double s, double orb);

// Tenths, halves upward: -0.25 gives -0.2, 0.25 gives 0.3.
double RoundToTenths(double d);

// Closed bound compared in single precision.
bool WithinOrb(double value, double orb);

}  // namespace solvaris
