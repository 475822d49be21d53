// The aspects of the extra points (Lilith, Chiron, the asteroids) in the
// natal aspect list, when the options show them.
#pragma once

#include <string>
#include <vector>

#include "base/options.hpp"
#include "engine/chart_point.hpp"
#include "engine/extra_points.hpp"

namespace solvaris {

// The list lines, in the natal list's shape, of each chart point but the
// south node (p1 ascending) with each extra point (in their order), then of
// the extra points with each other: found by the natal report's test as
// for a planet Mercury to Pluto. Empty without extra points.
std::string ExtraPointListLines(const OptionTable& options, const PointArray& longitude,
                                const std::vector<ExtraPlace>& extraPoints);

}  // namespace solvaris
