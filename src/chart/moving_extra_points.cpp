#include "chart/moving_extra_points.hpp"

#include "base/option_numbers.hpp"
#include "chart/zodiac.hpp"
#include "engine/angles.hpp"
#include "engine/positions.hpp"

namespace solvaris {

namespace {

bool Shown(const OptionTable& options) { return options(opt::ExtraPoints) == 1; }

}  // namespace

std::vector<ExtraPlace> TransitExtraPoints(const ChartStore& charts, const OptionTable& options) {
    if (!Shown(options)) {
        return {};
    }
    return ExtraPointsInZodiac(charts.ephemeris, charts.zodiac, charts.transit.jd);
}

std::vector<ExtraPlace> ProgressedExtraPoints(const ChartStore& charts,
                                              const OptionTable& options) {
    if (!Shown(options)) {
        return {};
    }
    return ExtraPointsInZodiac(charts.ephemeris, charts.zodiac, charts.progressed.jd);
}

std::vector<ExtraPlace> SolarArcExtraPoints(const ChartStore& charts, const OptionTable& options) {
    if (!Shown(options)) {
        return {};
    }
    const double arc = charts.solarArc.arc;
    const double obliquityRad = DegToRad(charts.natalObliquity);
    std::vector<ExtraPlace> places = charts.natal.extraPoints;
    for (ExtraPlace& place : places) {
        place.longitude = Normalize360(place.longitude + arc);
        // A directed point has no motion of its own: no R mark, as none of
        // the solar arc's points has.
        place.nextDayLongitude = place.longitude;
        const Equatorial eq = EquatorialFromEcliptic(
            Normalize360(place.longitude + charts.natalAyanamsa), place.latitude, obliquityRad);
        place.declination = eq.declination;
        place.rightAscension = eq.rightAscension;
    }
    return places;
}

}  // namespace solvaris
