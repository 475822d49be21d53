#include "aspects/timeline.hpp"

#include <algorithm>
#include <cmath>
#include <functional>

#include "aspects/aspect_codes.hpp"
#include "aspects/root_finding.hpp"
#include "engine/angles.hpp"
#include "engine/body_longitude.hpp"
#include "engine/calendar.hpp"
#include "engine/chiron_orbit.hpp"
#include "engine/ephemeris.hpp"

namespace solvaris {

namespace {

// A secondary progressed day stands for a year of this many days, the
// divisor of the progressed interpolation.
constexpr double kDaysPerProgressedDay = 365.25;
constexpr double kSolarArcDegPerYear = 0.9855555556;

// How far around the range the bodies are followed, so that orb windows
// that begin before it or end after it are found whole.
constexpr double kTransitMarginDays = 366;
constexpr double kProgressedMarginDays = 10 * 365.25;

// Exactness of the moments: a hit to 1e-7 degree, an orb edge to about a
// second, a station to about a second.
constexpr double kHitToleranceDeg = 1e-7;
constexpr double kHitToleranceDays = 1e-9;
constexpr double kEdgeToleranceDeg = 1e-5;
constexpr double kEdgeToleranceDays = 1e-5;
constexpr double kStationToleranceDays = 1e-5;
// Half the interval of the central difference that gives the speed.
constexpr double kSpeedHalfStepDays = 0.01;

constexpr double kSignDeg = 30;
// Around the birth moment, where every point crosses its own natal place
// (taken at the instant, TimelineRequestFor); no body returns to it within
// a day.
constexpr double kBirthMomentDays = 1;

// -180 <= x < 180.
double Wrap180(double x) {
    x = std::fmod(x + 180, 360);
    if (x < 0) {
        x += 360;
    }
    return x - 180;
}

// Days between samples for a transiting body: small enough that no body
// turns twice between two samples (Mercury is retrograde about three weeks)
// and none moves half a circle.
double TransitStepDays(int point) {
    switch (point) {
        case Moon: return 1;
        case Mercury: return 2;
        case Venus: return 3;
        case Mars: return 4;
        case Sun: return 5;
        case NorthNode: return 10;
        // It turns about twice a month (followed in progressions only).
        case PointNumberOf(ExtraPoint::TrueLilith): return 0.5;
        default: return 8;
    }
}

bool CanStation(MovingChart chart, int point) {
    return chart != MovingChart::Directed && point != Sun && point != Moon && point != NorthNode;
}

double ProgressedMoment(double natalJd, double jd) {
    return natalJd + (jd - natalJd) / kDaysPerProgressedDay;
}

// The moving point sampled over the searched span, the moments of its
// stations among the samples, so that it moves one way between neighbours.
struct Track {
    MovingChart chart;
    int point;
    std::function<double(double)> longitude;
    std::vector<double> jd;
    std::vector<double> lon;
    std::vector<TimelineEvent> stations;
};

double Speed(const std::function<double(double)>& longitude, double jd, double halfStep) {
    return Wrap180(longitude(jd + halfStep) - longitude(jd - halfStep)) / (2 * halfStep);
}

void FindStations(Track& track, double halfStep) {
    const std::size_t n = track.jd.size();
    std::vector<double> stationJd;
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double before = Wrap180(track.lon[i] - track.lon[i - 1]);
        const double after = Wrap180(track.lon[i + 1] - track.lon[i]);
        if ((before > 0) == (after > 0)) {
            continue;
        }
        const auto speed = [&](double t) { return Speed(track.longitude, t, halfStep); };
        const double a = track.jd[i - 1];
        const double b = track.jd[i + 1];
        const double va = speed(a);
        const double vb = speed(b);
        if ((va < 0) == (vb < 0)) {
            continue;
        }
        const double t = BrentRoot(speed, a, b, va, vb, 0, kStationToleranceDays);
        TimelineEvent station;
        station.kind = TimelineEventKind::Station;
        station.jd = t;
        station.moving = track.point;
        station.retrograde = before > 0;
        track.stations.push_back(station);
        stationJd.push_back(t);
    }
    for (const double t : stationJd) {
        const auto at = std::upper_bound(track.jd.begin(), track.jd.end(), t);
        const auto index = at - track.jd.begin();
        track.jd.insert(at, t);
        track.lon.insert(track.lon.begin() + index, track.longitude(t));
    }
}

Track FollowPoint(const TimelineRequest& request, MovingChart chart, int point, double first,
                  double last) {
    Track track{
        chart,
        point,
        [&request, chart, point](double t) { return MovingLongitude(request, chart, point, t); },
        {},
        {},
        {}};
    const double scale = chart == MovingChart::Transit ? 1 : kDaysPerProgressedDay;
    const double step = TransitStepDays(point) * scale;
    const auto count = static_cast<std::size_t>(std::ceil((last - first) / step));
    track.jd.reserve(count + 8);
    for (std::size_t i = 0; i < count; ++i) {
        track.jd.push_back(first + static_cast<double>(i) * step);
    }
    track.jd.push_back(last);
    track.lon.reserve(track.jd.size() + 8);
    for (const double t : track.jd) {
        track.lon.push_back(track.longitude(t));
    }
    if (CanStation(chart, point)) {
        FindStations(track, kSpeedHalfStepDays * scale);
    }
    return track;
}

// Crossings of `target` by the track: roots of the wrapped distance. Each
// calls `found(sample index before, exact moment, distances at the samples)`.
template <typename Found>
void Crossings(const Track& track, double target, std::vector<double>& distance, Found found) {
    const std::size_t n = track.jd.size();
    distance.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        distance[i] = Wrap180(track.lon[i] - target);
    }
    const auto f = [&](double t) { return Wrap180(track.longitude(t) - target); };
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double fa = distance[i];
        const double fb = distance[i + 1];
        if ((fa < 0) == (fb < 0) || std::fabs(fa - fb) >= 180) {
            continue;
        }
        const double t =
            BrentRoot(f, track.jd[i], track.jd[i + 1], fa, fb, kHitToleranceDeg, kHitToleranceDays);
        found(i, t, fb < fa);
    }
}

// Where the distance from the target last came within the orb before the
// hit after sample `i`, and first left it after: NaN past the samples.
void OrbWindow(const Track& track, double target, const std::vector<double>& distance,
               std::size_t i, double hitJd, TimelineEvent& event) {
    const double orb = event.orbDeg;
    if (orb <= 0) {
        event.enterJd = hitJd;
        event.leaveJd = hitJd;
        return;
    }
    const auto g = [&](double t) { return std::fabs(Wrap180(track.longitude(t) - target)) - orb; };
    std::size_t j = i;
    while (j > 0 && std::fabs(distance[j]) <= orb) {
        --j;
    }
    if (std::fabs(distance[j]) > orb) {
        const double b = j == i ? hitJd : track.jd[j + 1];
        event.enterJd = BrentRoot(g, track.jd[j], b, std::fabs(distance[j]) - orb, g(b),
                                  kEdgeToleranceDeg, kEdgeToleranceDays);
    }
    std::size_t k = i + 1;
    while (k + 1 < distance.size() && std::fabs(distance[k]) <= orb) {
        ++k;
    }
    if (std::fabs(distance[k]) > orb) {
        const double a = k == i + 1 ? hitJd : track.jd[k - 1];
        event.leaveJd = BrentRoot(g, a, track.jd[k], g(a), std::fabs(distance[k]) - orb,
                                  kEdgeToleranceDeg, kEdgeToleranceDays);
    }
}

bool InRange(const TimelineRequest& request, double jd) {
    return jd >= request.fromJd && jd <= request.toJd;
}

// Every point stands on its own natal place at the birth itself: no event.
bool AtItsOwnBirthPlace(const TimelineRequest& request, int moving, int natal, int aspect,
                        double jd) {
    return moving == natal && aspect == Conjunction &&
           std::fabs(jd - request.natalJd) < kBirthMomentDays;
}

bool Aimed(const TimelineRequest& request, int point) {
    return point != Ascendant || request.ascendant;
}

// Every aspect target of the natal points the moving chart aims at, the extra
// points after the chart's: calls `aim(natal point, aspect, target
// longitude)`.
template <typename Aim>
void EachTarget(const TimelineRequest& request, MovingChart chart, Aim aim) {
    const auto aimAt = [&](int natal, double longitude) {
        for (const int aspect : TimelineAspects(request.minorAspects)) {
            const double angle = kAspectAngles[aspect];
            const bool oneSide = angle == 0 || angle == 180;
            for (const double side : {1.0, -1.0}) {
                if (!oneSide || side > 0) {
                    aim(natal, aspect, Normalize360(longitude + side * angle));
                }
            }
        }
    };
    for (const int natal : NatalTargets(chart)) {
        if (Aimed(request, natal)) {
            aimAt(natal, request.natalLongitude[natal]);
        }
    }
    if (request.extraPoints) {
        for (const TimelineTarget& natal : request.natalExtraPoints) {
            aimAt(natal.point, natal.longitude);
        }
    }
}

void AspectHits(const TimelineRequest& request, const Track& track, const OrbTable& orbs,
                std::vector<TimelineEvent>& events) {
    std::vector<double> distance;
    EachTarget(request, track.chart, [&](int natal, int aspect, double target) {
        Crossings(track, target, distance, [&](std::size_t i, double t, bool backwards) {
            if (!InRange(request, t) ||
                AtItsOwnBirthPlace(request, track.point, natal, aspect, t)) {
                return;
            }
            TimelineEvent event;
            event.chart = track.chart;
            event.jd = t;
            event.moving = track.point;
            event.natal = natal;
            event.aspect = aspect;
            event.orbDeg = orbs[aspect - 1];
            event.retrograde = backwards;
            OrbWindow(track, target, distance, i, t, event);
            events.push_back(event);
        });
    });
}

// The stations of a transiting body within kStationOnOrbDeg of an aspect
// (and within the aspect's orb), with the window of that orb around them.
void StationsOn(const TimelineRequest& request, const Track& track, const OrbTable& orbs,
                std::vector<TimelineEvent>& events) {
    std::vector<double> distance(track.jd.size());
    EachTarget(request, track.chart, [&](int natal, int aspect, double target) {
        const double orb = orbs[aspect - 1];
        bool distancesFilled = false;
        for (const TimelineEvent& station : track.stations) {
            const double off = std::fabs(Wrap180(track.longitude(station.jd) - target));
            if (!InRange(request, station.jd) || off > kStationOnOrbDeg || (orb > 0 && off > orb)) {
                continue;
            }
            if (!distancesFilled) {
                for (std::size_t i = 0; i < track.jd.size(); ++i) {
                    distance[i] = Wrap180(track.lon[i] - target);
                }
                distancesFilled = true;
            }
            TimelineEvent event = station;
            event.kind = TimelineEventKind::StationOn;
            event.natal = natal;
            event.aspect = aspect;
            event.orbDeg = orb;
            const auto at = std::lower_bound(track.jd.begin(), track.jd.end(), station.jd);
            OrbWindow(track, target, distance, static_cast<std::size_t>(at - track.jd.begin()),
                      station.jd, event);
            events.push_back(event);
        }
    });
}

void Ingresses(const TimelineRequest& request, const Track& track,
               std::vector<TimelineEvent>& events) {
    std::vector<double> distance;
    for (int sign = 1; sign <= 12; ++sign) {
        const double cusp = (sign - 1) * kSignDeg;
        Crossings(track, cusp, distance, [&](std::size_t, double t, bool backwards) {
            if (!InRange(request, t)) {
                return;
            }
            TimelineEvent event;
            event.kind = TimelineEventKind::Ingress;
            event.jd = t;
            event.moving = track.point;
            event.retrograde = backwards;
            event.sign = backwards ? (sign + 10) % 12 + 1 : sign;
            events.push_back(event);
        });
    }
}

void FollowKind(const TimelineRequest& request, MovingChart chart, const OrbTable& orbs,
                std::vector<TimelineEvent>& events) {
    const double margin =
        chart == MovingChart::Transit ? kTransitMarginDays : kProgressedMarginDays;
    double first = std::max(request.fromJd - margin, FirstTimelineJd());
    const double last = std::min(request.toJd + margin, LastTimelineJd());
    if (chart != MovingChart::Transit) {
        first = std::max(first, request.natalJd);
    }
    if (last <= first) {
        return;
    }
    std::vector<int> moving = MovingPoints(chart, request.moon);
    if (request.extraPoints) {
        for (const int point : MovingExtraPoints(request, chart)) {
            moving.push_back(point);
        }
    }
    for (const int point : moving) {
        // The Moon may be asked for without the other transiting bodies.
        const bool asked = chart != MovingChart::Transit || request.transits || point == Moon;
        const FollowedDays days = FollowedDaysOf(point, first, last);
        if (!asked || !Aimed(request, point) || days.lastJd <= days.firstJd) {
            continue;
        }
        const Track track = FollowPoint(request, chart, point, days.firstJd, days.lastJd);
        AspectHits(request, track, orbs, events);
        if (chart == MovingChart::Transit) {
            for (const TimelineEvent& station : track.stations) {
                if (InRange(request, station.jd)) {
                    events.push_back(station);
                }
            }
            StationsOn(request, track, orbs, events);
            Ingresses(request, track, events);
        }
    }
}

// A chart point's natal longitude, or a natal extra point's (NaN for one
// not computed at the birth).
double NatalLongitudeOf(const TimelineRequest& request, int point) {
    if (point < kFirstExtraPointNumber) {
        return request.natalLongitude[point];
    }
    for (const TimelineTarget& natal : request.natalExtraPoints) {
        if (natal.point == point) {
            return natal.longitude;
        }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

bool NatalPlutoOutside(const TimelineRequest& request) {
    return PlutoBeyondTheory(request.ephemeris, std::floor(request.natalJd + 0.5));
}

// The moving Pluto of the event, taken outside its theory's years.
bool MovingPlutoOutside(const TimelineRequest& request, const TimelineEvent& e) {
    if (e.moving != Pluto) {
        return false;
    }
    switch (e.chart) {
        case MovingChart::Directed: return NatalPlutoOutside(request);
        case MovingChart::Progressed:
            return PlutoBeyondTheory(request.ephemeris,
                                     std::floor(ProgressedMoment(request.natalJd, e.jd) + 0.5));
        default: return PlutoBeyondTheory(request.ephemeris, std::floor(e.jd + 0.5));
    }
}

}  // namespace

double FirstTimelineJd() { return JulianDayNumber(100, 1, 1) - 0.5; }
double LastTimelineJd() { return JulianDayNumber(2099, 12, 31) + 0.5; }

OrbTable OneDegreeOrbs() {
    OrbTable orbs;
    orbs.fill(1);
    return orbs;
}

std::vector<int> TimelineAspects(bool minor) {
    std::vector<int> aspects{Conjunction, Sextile, Square, Trine, Opposition};
    if (minor) {
        for (int code = SemiSextile; code <= BiQuintile; ++code) {
            aspects.push_back(code);
        }
    }
    return aspects;
}

std::vector<int> NatalTargets(MovingChart chart) {
    std::vector<int> points;
    for (int p = Sun; p <= NorthNode; ++p) {
        // The solar-arc report leaves the nodes out.
        if (p != NorthNode || chart != MovingChart::Directed) {
            points.push_back(p);
        }
    }
    points.push_back(Ascendant);
    points.push_back(Midheaven);
    return points;
}

std::vector<int> MovingPoints(MovingChart chart, bool moon) {
    std::vector<int> points;
    for (int p = Sun; p <= NorthNode; ++p) {
        if (p == Moon && chart == MovingChart::Transit && !moon) {
            continue;
        }
        if (p == NorthNode && chart == MovingChart::Directed) {
            continue;
        }
        points.push_back(p);
    }
    if (chart == MovingChart::Directed) {
        points.push_back(Ascendant);
        points.push_back(Midheaven);
    }
    return points;
}

std::string_view TimelinePointName(int point) {
    if (point >= kFirstExtraPointNumber) {
        return NameOf(ExtraPointOfNumber(point)).reportName;
    }
    return ReportName(point);
}

std::vector<int> TransitingExtraPoints() {
    return {PointNumberOf(ExtraPoint::MeanLilith), PointNumberOf(ExtraPoint::Chiron)};
}

std::vector<int> MovingExtraPoints(const TimelineRequest& request, MovingChart chart) {
    if (chart == MovingChart::Transit) {
        return TransitingExtraPoints();
    }
    std::vector<int> points;
    for (const TimelineTarget& natal : request.natalExtraPoints) {
        points.push_back(natal.point);
    }
    return points;
}

FollowedDays FollowedDaysOf(int point, double firstJd, double lastJd) {
    if (point == PointNumberOf(ExtraPoint::Chiron)) {
        return {std::max(firstJd, kChironFirstJd), std::min(lastJd, kChironLastJd)};
    }
    return {firstJd, lastJd};
}

double BodyLongitudeInZodiac(const TimelineRequest& request, int point, double jd) {
    const double longitude =
        point < kFirstExtraPointNumber
            ? BodyLongitude(request.ephemeris, point, jd)
            : ExtraPointLongitude(request.ephemeris, ExtraPointOfNumber(point), jd)
                  .value_or(std::numeric_limits<double>::quiet_NaN());
    if (!request.zodiac.sidereal) {
        return longitude;
    }
    return Normalize360(longitude - AyanamsaDeg(request.zodiac, request.ephemeris, jd));
}

double MovingLongitude(const TimelineRequest& request, MovingChart chart, int point, double jd) {
    switch (chart) {
        case MovingChart::Progressed:
            return BodyLongitudeInZodiac(request, point, ProgressedMoment(request.natalJd, jd));
        case MovingChart::Directed: {
            const double years = (jd - request.natalJd) / kDaysPerProgressedDay;
            const double arc =
                request.solarArcByAge
                    ? years * kSolarArcDegPerYear
                    : Wrap180(BodyLongitudeInZodiac(request, Sun,
                                                    ProgressedMoment(request.natalJd, jd)) -
                              request.natalLongitude[Sun]);
            return Normalize360(NatalLongitudeOf(request, point) + arc);
        }
        default: return BodyLongitudeInZodiac(request, point, jd);
    }
}

std::vector<TimelineEvent> ComputeTimeline(const TimelineRequest& request) {
    std::vector<TimelineEvent> events;
    if (request.transits || request.moon) {
        FollowKind(request, MovingChart::Transit, request.transitOrbs, events);
    }
    if (request.progressions) {
        FollowKind(request, MovingChart::Progressed, request.progressedOrbs, events);
    }
    if (request.directions) {
        FollowKind(request, MovingChart::Directed, request.directedOrbs, events);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const TimelineEvent& a, const TimelineEvent& b) { return a.jd < b.jd; });
    for (TimelineEvent& e : events) {
        e.plutoOutsideTheory =
            (e.natal == Pluto && NatalPlutoOutside(request)) || MovingPlutoOutside(request, e);
    }
    return events;
}

TimelinePlutoOutside PlutoOutsideTheoryIn(const std::vector<TimelineEvent>& events,
                                          const TimelineRequest& request) {
    TimelinePlutoOutside outside;
    const bool natal = NatalPlutoOutside(request);
    for (const TimelineEvent& e : events) {
        if (!e.plutoOutsideTheory) {
            continue;
        }
        const bool movingPluto = MovingPlutoOutside(request, e);
        outside.natal = outside.natal || (natal && e.natal == Pluto) ||
                        (movingPluto && e.chart == MovingChart::Directed);
        outside.progressed =
            outside.progressed || (movingPluto && e.chart == MovingChart::Progressed);
        outside.transit = outside.transit || (movingPluto && e.chart != MovingChart::Directed &&
                                              e.chart != MovingChart::Progressed);
    }
    return outside;
}

}  // namespace solvaris
