#include "engine/body_longitude.hpp"

#include <cmath>

#include "engine/angles.hpp"
#include "engine/calendar.hpp"
#include "engine/chart_point.hpp"
#include "engine/moon.hpp"
#include "engine/outer_planets.hpp"
#include "engine/pluto.hpp"
#include "engine/sun.hpp"
#include "engine/swiss_ephemeris.hpp"

namespace solvaris {

double BodyLongitude(const Ephemeris& ephemeris, int point, double jd) {
    if (ephemeris.Swiss()) {
        return SwissLongitude(ephemeris, point, jd);
    }
    const double dayNumber = std::floor(jd + 0.5);
    const TimeArgs args = TimeArguments(dayNumber, jd + 0.5 - dayNumber);
    if (point == Sun) {
        return Normalize360(SunPosition(args.t));
    }
    if (point == Moon) {
        return MoonPosition(args.t).longitude;
    }
    if (point == NorthNode) {
        return MoonPosition(args.t).meanNode;
    }
    EarthState earth;
    if (point <= Mars) {
        InnerPlanet(1, args.t2000, earth);
        return Normalize360(InnerPlanet(point, args.t2000, earth).geo.longitude);
    }
    OuterPlanet(1, args.t, earth);
    const OuterPlanetResult r = OuterPlanet(point, args.t, earth);
    double longitude = r.geo.longitude + r.extraLongitudeDeg;
    if (point == Pluto) {
        // Linear in its argument: the instant's fractional day number.
        longitude += PlutoPrecession(jd + 0.5);
    }
    return Normalize360(longitude);
}

}  // namespace solvaris
