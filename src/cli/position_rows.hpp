// The rows of `solvaris positions` at one instant, as numbers: the Sun to
// the Moon, the mean node and, when shown, the extra points.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/zodiac.hpp"
#include "engine/ephemeris.hpp"

namespace solvaris {

struct PositionRow {
    std::string_view body;  // "SUN", "N. NODE", as the rows name it
    double longitudeDeg;    // in the zodiac
    double latitudeDeg;
    double declinationDeg;  // from the tropical place
    double rightAscensionDeg;
    double nextDayLongitudeDeg;  // a day later, in that day's zodiac
};

// The rows at `jd` (UT) appended to `rows`; false when the positions could
// not be computed there.
bool AppendPositionRows(const Ephemeris& ephemeris, const Zodiac& zodiac, bool extraPoints,
                        double jd, std::vector<PositionRow>& rows);

// What the command says of an instant whose positions could not be computed.
std::string UncomputedInstantProblem(double jd);

// How many of the instants lie outside the years Pluto's series holds for,
// said as the chart's JSON says it, so that no row passes for exact; empty
// when none does.
std::string PlutoApproximateNote(const Ephemeris& ephemeris, std::span<const double> instants);

}  // namespace solvaris
