// The timeline of a natal chart over a range of dates: every exact aspect
// of the transiting, secondary progressed and solar-arc directed points to
// the natal points, with the stations and sign ingresses of the transiting
// bodies, and the stations that fall on an aspect; each with its moment (UT)
// and the window in which the aspect holds within its orb. With the extra
// points, transiting Chiron and mean Lilith too, the natal extra points
// progressed and directed, and aimed at.
#pragma once

#include <limits>
#include <string_view>
#include <vector>

#include "aspects/orb_table.hpp"
#include "engine/ayanamsa.hpp"
#include "engine/chart_point.hpp"
#include "engine/ephemeris.hpp"
#include "engine/extra_points.hpp"

namespace solvaris {

// The 10-character report name of a chart point or an extra point.
std::string_view TimelinePointName(int point);

// A natal extra point aimed at: its timeline number and its longitude.
struct TimelineTarget {
    int point = 0;
    double longitude = 0;
};

// The chart whose point moves through an event: the transits (stations and
// ingresses are theirs alone), the secondary progressions, the solar-arc
// directions.
enum class MovingChart { Transit, Progressed, Directed };

// What happened: an aspect exact, a station, a sign ingress, or a StationOn:
// a transiting body that stations on an aspect to a natal point, within
// kStationOnOrbDeg of exact, whether or not it goes on to cross it.
enum class TimelineEventKind { Hit, Station, Ingress, StationOn };

// One minute of arc, the precision of the printed positions: a station
// nearer exact than that stands on the point for every reading of the
// chart, though the crossing may come or not with a minute more or less.
inline constexpr double kStationOnOrbDeg = 1.0 / 60;

struct TimelineEvent {
    MovingChart chart = MovingChart::Transit;
    TimelineEventKind kind = TimelineEventKind::Hit;
    double jd = 0;   // the exact moment, UT
    int moving = 0;  // the transiting, progressed or directed chart point
    int natal = 0;   // the natal point aspected; 0 for plain stations and ingresses
    int aspect = 0;  // AspectCode of a hit; 0 for plain stations and ingresses
    double orbDeg = 0;
    // The aspect holds within its orb from enterJd to leaveJd; NaN where the
    // window reaches past the span searched around the range.
    double enterJd = std::numeric_limits<double>::quiet_NaN();
    double leaveJd = std::numeric_limits<double>::quiet_NaN();
    // Moving backwards through the hit or ingress; for a station, turning
    // retrograde (else turning direct).
    bool retrograde = false;
    int sign = 0;  // the sign an ingress enters, 1 Aries to 12 Pisces
    // A Pluto of the event lies outside the years its theory holds.
    bool plutoOutsideTheory = false;
};

struct TimelineRequest {
    PointArray natalLongitude{};
    double natalJd = 0;  // the birth moment, UT
    double fromJd = 0;   // the range, UT
    double toJd = 0;
    bool transits = true;  // the transiting bodies but the Moon, their stations and ingresses
    bool progressions = true;
    bool directions = true;
    bool moon = false;          // the transiting Moon, with the other transits or alone
    bool minorAspects = false;  // the semi-sextile to the bi-quintile too
    // Orb of aspect code c is entry c - 1, as in the orb files.
    OrbTable transitOrbs{};
    OrbTable progressedOrbs{};
    OrbTable directedOrbs{};
    bool solarArcByAge = false;  // 0.9855555556 degree a year instead of the progressed Sun's arc
    // False for a polar birth, whose Ascendant no house system places: it
    // is then neither aspected nor directed.
    bool ascendant = true;
    Ephemeris ephemeris;  // the engine every moving body is taken from
    // The zodiac of the natal longitudes and of every moving one.
    Zodiac zodiac;
    // The extra points: the transiting ones of TransitingExtraPoints()
    // followed with the transits, and these natal ones progressed,
    // directed, and aimed at by every kind of hit.
    bool extraPoints = false;
    std::vector<TimelineTarget> natalExtraPoints;
};

// Which Pluto the events take from outside the years 1885 to 2099 that its
// theory holds: the natal one (aspected or directed), the progressed one,
// the transiting one.
struct TimelinePlutoOutside {
    bool natal = false;
    bool progressed = false;
    bool transit = false;
};
TimelinePlutoOutside PlutoOutsideTheoryIn(const std::vector<TimelineEvent>& events,
                                          const TimelineRequest& request);

// The years the theories are entered for: 1 January 100 to 31 December
// 2099, as Julian days.
double FirstTimelineJd();
double LastTimelineJd();

// Every event in [fromJd, toJd], in time order.
std::vector<TimelineEvent> ComputeTimeline(const TimelineRequest& request);

// A body's longitude at `jd` (UT) in the request's zodiac; for an extra
// point NaN where it cannot be computed (Chiron outside its years).
double BodyLongitudeInZodiac(const TimelineRequest& request, int point, double jd);

// Where the moving point of that chart stands at `jd`.
double MovingLongitude(const TimelineRequest& request, MovingChart chart, int point, double jd);

// The orb of one degree for every aspect, as the reports that compare two
// charts use.
OrbTable OneDegreeOrbs();

// The aspects looked for: the five major ones, with `minor` the semi-sextile
// to the bi-quintile as well.
std::vector<int> TimelineAspects(bool minor);

// The natal points a moving chart's hits aspect and the points that move.
std::vector<int> NatalTargets(MovingChart chart);
std::vector<int> MovingPoints(MovingChart chart, bool moon);

// The transiting extra points followed: mean Lilith and Chiron. True Lilith
// is not: the osculating apogee swings up to 30 degrees about the mean one
// and turns about twice a month, so it needs half-day steps, each a lunar
// theory's computation. Followed so, it made a century of transits 20 times
// slower (19.6 s against 0.9) and added 32,000 events to 63,000, 2,400 of
// them its own stations; the asteroids have Swiss Ephemeris's files only.
std::vector<int> TransitingExtraPoints();

// The extra points of a moving chart: the transiting ones, or
// each natal extra point of the request progressed (true Lilith too: a
// progressed day passes in a year) or directed.
std::vector<int> MovingExtraPoints(const TimelineRequest& request, MovingChart chart);

// The days a moving point can be followed within: Chiron's years of
// kChironFirstJd to kChironLastJd, every other point's whole span.
struct FollowedDays {
    double firstJd;
    double lastJd;
};
FollowedDays FollowedDaysOf(int point, double firstJd, double lastJd);

}  // namespace solvaris
