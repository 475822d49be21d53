#include "cli/position_rows.hpp"

#include <algorithm>
#include <cmath>

#include "base/number_text.hpp"
#include "engine/chart_point.hpp"
#include "engine/extra_points.hpp"
#include "engine/positions.hpp"
#include "engine/sidereal.hpp"

namespace solvaris {

// The longitudes in the zodiac, the equatorial places from the tropical
// ones.
bool AppendPositionRows(const Ephemeris& ephemeris, const Zodiac& zodiac, bool extraPoints,
                        double jd, std::vector<PositionRow>& rows) {
    const PositionRequest request = PositionRequestAt(ephemeris, jd);
    PositionTables tables;
    double trueNode = kTrueNodeUnset;
    if (!ComputePositions(request, tables, trueNode)) {
        return false;
    }
    const double ayanamsa = AyanamsaDeg(zodiac, ephemeris, jd);
    const double nextAyanamsa = AyanamsaDeg(zodiac, ephemeris, jd + 1);
    for (int p = Sun; p <= Moon; ++p) {
        rows.push_back({kPointListNames[p], InZodiac(tables.longitude[p], ayanamsa),
                        tables.latitude[p], tables.declination[p], tables.rightAscension[p],
                        InZodiac(tables.nextDayLongitude[p], nextAyanamsa)});
    }
    const double node = tables.longitude[NorthNode];
    const Equatorial nodeEq = EquatorialFromEcliptic(node, 0, request.obliquityRad);
    rows.push_back({kPointListNames[NorthNode], InZodiac(node, ayanamsa), 0, nodeEq.declination,
                    nodeEq.rightAscension, InZodiac(tables.meanNodeNextDay, nextAyanamsa)});
    if (extraPoints) {
        for (const ExtraPlace& place : ExtraPointsAt(ephemeris, jd)) {
            rows.push_back({NameOf(place.point).listName, InZodiac(place.longitude, ayanamsa),
                            place.latitude, place.declination, place.rightAscension,
                            InZodiac(place.nextDayLongitude, nextAyanamsa)});
        }
    }
    return true;
}

std::string UncomputedInstantProblem(double jd) {
    return "the positions at JD " + FixedDecimals(jd, 7) + " could not be computed";
}

std::string PlutoApproximateNote(const Ephemeris& ephemeris, std::span<const double> instants) {
    const auto outside = std::count_if(instants.begin(), instants.end(), [&](double jd) {
        return PlutoBeyondTheory(ephemeris, std::floor(jd + 0.5));
    });
    if (outside == 0) {
        return {};
    }
    return std::to_string(outside) +
           " of the instants lie outside the years 1885 to 2099 that Pluto's series holds for; "
           "there Pluto is only approximate";
}

}  // namespace solvaris
