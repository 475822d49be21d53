// The aspect grid window's text: every aspect between the points of the
// wheel shown, with the orbs of the orb file in force, one line of three
// glyphs (point, aspect, point) per aspect, then the parallels.
#pragma once

#include <filesystem>
#include <string>

#include "aspects/orb_table.hpp"
#include "base/options.hpp"
#include "chart/chart_kinds.hpp"
#include "chart/chart_store.hpp"

namespace solvaris {

// The grids' own point order, index 1 to 15 (0 unused): the Moon second,
// the rest in chart-point order. The planet-class orbs of the grids count
// by these numbers.
inline constexpr int kGridRowPoints[] = {
    0,      Sun,     Moon,  Mercury,   Venus,     Mars,          Jupiter,   Saturn,
    Uranus, Neptune, Pluto, NorthNode, SouthNode, PartOfFortune, Ascendant, Midheaven};

struct AspectGridInputs {
    const WheelSetup& wheel;
    const ChartStore& charts;  // the natal and progressed declinations
    const OrbTable& orbs;      // loaded from the orb file in force
    bool planetClassOrbs;      // option 208 with a natal or return orb file
};

// The text in the glyph font's 8-bit codes with CR LF line ends. A single
// wheel compares its points with each other (every aspect twice); a dual
// wheel the outer ring (rows) with the inner (columns).
std::string AspectGridText(const AspectGridInputs& in);

}  // namespace solvaris
