// The extra points of the charts that move from the natal one: the transit
// moment's, the progressed moment's and the natal ones carried by the solar
// arc. Cast when a report or wheel shows them, not with every chart: true
// Lilith alone costs as much as a chart's planets.
#pragma once

#include <vector>

#include "base/options.hpp"
#include "chart/chart_store.hpp"

namespace solvaris {

// Each is empty unless the options show the extra points; longitudes in
// the charts' zodiac.
std::vector<ExtraPlace> TransitExtraPoints(const ChartStore& charts, const OptionTable& options);
// Cast at the progressed moment itself, where the progressed planets are
// carried between two progressed days: the two differ by the curve of a
// day's motion, well under the minute the reports print.
std::vector<ExtraPlace> ProgressedExtraPoints(const ChartStore& charts, const OptionTable& options);
// The natal extra points moved by the solar arc, as every natal point is
// (longitudes; the equatorial places from them with the natal obliquity;
// no motion).
std::vector<ExtraPlace> SolarArcExtraPoints(const ChartStore& charts, const OptionTable& options);

}  // namespace solvaris
