// The composite chart of two births: every point at the nearer midpoint of
// the two charts' places, the houses from the midpoint of the two
// Midheavens.
#pragma once

#include <optional>

#include "chart/chart_sets.hpp"
#include "chart/chart_store.hpp"
#include "chart/two_births.hpp"

namespace solvaris {

// The method in one sentence, for the help.
inline constexpr const char* kCompositeMethod =
    "each planet, node and the Part of Fortune at the nearer midpoint of the two charts' "
    "longitudes; the Midheaven at the nearer midpoint of the two Midheavens, its right "
    "ascension on the ecliptic of the mean obliquity taken as the RAMC from which the "
    "Ascendant and the cusps follow at the mean latitude; declinations of the composite "
    "longitudes on the ecliptic (latitude 0)";

struct CompositeChart {
    PointSet points;
    CuspSet cusps{};
    ChartTexts texts;
    double obliquity = 0;  // the mean of the two charts', degrees
    double ramc = 0;       // the right ascension of the composite Midheaven
    double latitude = 0;   // the mean of the two birthplaces', degrees north
    double ayanamsa = 0;   // the mean of the two charts', degrees
};

// The Sun to the Part of Fortune and the Midheaven at the nearer midpoints
// of the two charts' longitudes (in their zodiac). The Midheaven's right
// ascension on the ecliptic of the mean obliquity is the composite RAMC;
// the Ascendant and the cusps follow from it at the mean latitude.
// Declinations and right ascensions are those of the composite longitudes
// on the ecliptic (latitude 0).
CompositeChart ComposeCharts(const BirthChart& first, double firstLatitude,
                             const BirthChart& second, double secondLatitude,
                             HouseSystem houseSystem);

// Both births cast and composed; nothing on a floating-point fault.
std::optional<CompositeChart> CastComposite(const TwoBirths& births);

}  // namespace solvaris
