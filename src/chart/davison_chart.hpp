// The Davison chart of two births: an ordinary chart cast for the moment
// halfway between them in universal time and the place halfway between the
// birthplaces on the great circle through them.
#pragma once

#include <optional>
#include <string>

#include "chart/chart_sets.hpp"
#include "chart/two_births.hpp"

namespace solvaris {

// The method in one sentence, for the help.
inline constexpr const char* kDavisonMethod =
    "an ordinary chart cast for the moment midway between the two births in universal time "
    "(the mean Julian day) and the place midway between the two birthplaces on the great "
    "circle through them";

// A place in decimal degrees, west and north positive.
struct GeoPlace {
    double longitude = 0;
    double latitude = 0;
};

// The mean of the two moments.
ChartMoment MidpointMoment(const ChartMoment& a, const ChartMoment& b);

// The midpoint of the shorter great-circle arc between two places; nothing
// for two antipodal places, which every great circle through both joins.
std::optional<GeoPlace> GreatCircleMidpoint(const GeoPlace& a, const GeoPlace& b);

struct DavisonChart {
    ChartMoment moment;  // its fraction within 0-1
    GeoPlace place;
    BirthChart chart;
    // The moment and place as a record, to the nearest minute of time and
    // of arc, zone 0 (universal time), for the headings.
    BirthData shown;
    bool plutoOutsideTheory = false;
};

struct DavisonResult {
    std::optional<DavisonChart> chart;
    std::string problem;  // why not, when there is no chart
};

DavisonResult CastDavison(const TwoBirths& births);

}  // namespace solvaris
