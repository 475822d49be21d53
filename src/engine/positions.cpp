#include "engine/positions.hpp"

#include <cmath>

#include "engine/angles.hpp"
#include "engine/calendar.hpp"
#include "engine/inner_planets.hpp"
#include "engine/moon.hpp"
#include "engine/outer_planets.hpp"
#include "engine/pluto.hpp"
#include "engine/sidereal.hpp"
#include "engine/swiss_ephemeris.hpp"

namespace solvaris {

namespace {

// Geocentric longitude and latitude of the ten bodies at one instant.
struct BodyPositions {
    PointArray longitude{};
    PointArray latitude{};
    PointArray heliocentricLongitude{};
    MoonResult moon{};
};

BodyPositions EvaluateSwiss(const Ephemeris& ephemeris, double jd) {
    const SwissBodies swiss = SwissBodiesAt(ephemeris, jd);
    BodyPositions b;
    b.longitude = swiss.longitude;
    b.latitude = swiss.latitude;
    b.moon = {swiss.longitude[Moon], swiss.latitude[Moon], swiss.meanNode, swiss.trueNode};
    return b;
}

BodyPositions EvaluateBodies(const Ephemeris& ephemeris, double jd, double t, double t2000,
                             double dayNumber) {
    if (ephemeris.Swiss()) {
        return EvaluateSwiss(ephemeris, jd);
    }
    BodyPositions b;
    b.longitude[Sun] = Normalize360(SunPosition(t));
    b.latitude[Sun] = 0;

    b.moon = MoonPosition(t);
    b.longitude[Moon] = b.moon.longitude;
    b.latitude[Moon] = b.moon.latitude;

    // Mercury, Venus and Mars with the Earth of their own theory.
    EarthState earth;
    for (int i = 1; i <= 4; ++i) {
        const PlanetResult r = InnerPlanet(i, t2000, earth);
        b.heliocentricLongitude[i] = Normalize360(r.helio.longitude);
        if (i != 1) {
            b.longitude[i] = Normalize360(r.geo.longitude);
            b.latitude[i] = r.geo.latitude;
        }
    }

    // Jupiter to Pluto with the Earth of the outer theory.
    const double plutoPrecession = PlutoPrecession(dayNumber);
    for (int i : {1, 5, 6, 7, 8, 9}) {
        const OuterPlanetResult r = OuterPlanet(i, t, earth);
        if (i == 1) {
            continue;
        }
        double geo = r.geo.longitude + r.extraLongitudeDeg;
        double helio = r.helio.longitude + r.extraLongitudeDeg;
        if (i == Pluto) {
            geo += plutoPrecession;
            helio += plutoPrecession;
        }
        b.longitude[i] = Normalize360(geo);
        b.latitude[i] = r.geo.latitude;
        b.heliocentricLongitude[i] = Normalize360(helio);
    }
    return b;
}

// The bodies one day later: the next-day longitudes, with equatorialMotion
// their equatorial places, and the retrograde marks.
void NextDayValues(const PositionRequest& request, const BodyPositions& now, const TimeArgs& args,
                   PositionTables& out) {
    const BodyPositions later = EvaluateBodies(request.ephemeris, args.jd + 1, args.tNextDay,
                                               args.t2000NextDay, request.dayNumber);
    out.retrogradeMarks.assign(kPointCount, ' ');
    for (int p = Sun; p <= Moon; ++p) {
        out.nextDayLongitude[p] = later.longitude[p];
        if (request.equatorialMotion) {
            const Equatorial next =
                EquatorialFromEcliptic(later.longitude[p], later.latitude[p], request.obliquityRad);
            out.nextDayDeclination[p] = next.declination;
            out.nextDayRightAscension[p] = next.rightAscension;
        }
        if (DailyMotion(now.longitude[p], later.longitude[p]) < 0) {
            out.retrogradeMarks[p - 1] = 'R';
        }
    }
    out.meanNodeNextDay = later.moon.meanNode;
}

bool AllFinite(const PointArray& values) {
    for (double v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

}  // namespace

Equatorial EquatorialFromEcliptic(double longitude, double latitude, double obliquityRad) {
    const double cosEps = std::cos(obliquityRad);
    const double sinEps = std::sin(obliquityRad);
    const double x = CosDeg(latitude) * CosDeg(longitude);
    const double y = cosEps * CosDeg(latitude) * SinDeg(longitude) - sinEps * SinDeg(latitude);
    const double z = sinEps * CosDeg(latitude) * SinDeg(longitude) + cosEps * SinDeg(latitude);
    const Spherical s = RectToSpherical(x, y, z);
    return {s.latitude, s.longitude};
}

EarthFrame EarthFrameAt(const Ephemeris& ephemeris, double dayNumber, double utFraction) {
    if (ephemeris.Swiss()) {
        const SwissEarthFrame frame = SwissFrameAt(ephemeris, dayNumber + utFraction - 0.5);
        return {frame.siderealTime, frame.obliquity};
    }
    const double t = TimeArguments(dayNumber, utFraction).t;
    return {SiderealTime(t, utFraction), Obliquity(t)};
}

PositionRequest PositionRequestAt(const Ephemeris& ephemeris, double jd) {
    PositionRequest request;
    request.dayNumber = std::floor(jd + 0.5);
    request.utFraction = jd + 0.5 - request.dayNumber;
    request.obliquityRad =
        DegToRad(EarthFrameAt(ephemeris, request.dayNumber, request.utFraction).obliquity);
    request.ephemeris = ephemeris;
    return request;
}

bool ComputeDayPositions(const Ephemeris& ephemeris, double dayNumber, double utFraction,
                         PositionTables& out) {
    PositionRequest request;
    request.dayNumber = dayNumber;
    request.utFraction = utFraction;
    request.obliquityRad = DegToRad(EarthFrameAt(ephemeris, dayNumber, utFraction).obliquity);
    request.ephemeris = ephemeris;
    double trueNode = kTrueNodeUnset;
    return ComputePositions(request, out, trueNode);
}

double DailyMotion(double longitude, double nextLongitude) {
    double motion = nextLongitude - longitude;
    if (motion > 180) {
        motion -= 360;
    } else if (motion < -180) {
        motion += 360;
    }
    return motion;
}

bool ComputePositions(const PositionRequest& request, PositionTables& out, double& trueNodeSlot) {
    const TimeArgs args = TimeArguments(request.dayNumber, request.utFraction);
    const double eps = request.obliquityRad;

    const BodyPositions now =
        EvaluateBodies(request.ephemeris, args.jd, args.t, args.t2000, request.dayNumber);

    out.longitude = now.longitude;
    out.latitude = now.latitude;
    out.heliocentricLongitude = now.heliocentricLongitude;
    if (trueNodeSlot == kTrueNodeUnset) {
        trueNodeSlot = Normalize360(now.moon.trueNode);
    }

    out.longitude[NorthNode] = now.moon.meanNode;
    out.longitude[SouthNode] = Normalize360(now.moon.meanNode - 180);
    out.longitude[PartOfFortune] =
        Normalize360(now.longitude[Moon] + request.ascendant - now.longitude[Sun]);
    out.longitude[Ascendant] = request.ascendant;
    out.longitude[Midheaven] = request.midheaven;

    for (int p = Sun; p <= Moon; ++p) {
        const Equatorial eq = EquatorialFromEcliptic(now.longitude[p], now.latitude[p], eps);
        out.declination[p] = eq.declination;
        out.rightAscension[p] = eq.rightAscension;
    }
    out.sunApparentLongitude = now.longitude[Sun];
    out.sunDistances = SunDistancesFromAngles(now.longitude[Sun], request.ascendant);

    if (request.nextDay) {
        NextDayValues(request, now, args, out);
    } else {
        out.nextDayLongitude = {};
        out.nextDayDeclination = {};
        out.nextDayRightAscension = {};
        out.meanNodeNextDay = 0;
        out.retrogradeMarks.clear();
    }

    return AllFinite(out.longitude) && AllFinite(out.latitude) && AllFinite(out.declination) &&
           AllFinite(out.rightAscension) && AllFinite(out.nextDayLongitude) &&
           AllFinite(out.nextDayDeclination) && AllFinite(out.nextDayRightAscension) &&
           std::isfinite(trueNodeSlot);
}

}  // namespace solvaris
