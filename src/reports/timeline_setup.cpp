#include "reports/timeline_setup.hpp"

#include <cmath>

#include "aspects/orb_table.hpp"
#include "base/option_numbers.hpp"
#include "chart/angles.hpp"
#include "engine/body_longitude.hpp"
#include "engine/calendar.hpp"

namespace solvaris {

namespace {

// Degrees and minutes packed, as the entry check compares it.
constexpr double kHighestQuadrantLatitudePacked = 66.00;

OrbTable OrbsOfFile(const TimelineSource& source, const char* fileName, Platform& platform) {
    OrbTable orbs = OneDegreeOrbs();
    LoadOrbTable(source.folder / fileName, orbs, platform);
    return orbs;
}

}  // namespace

Problem TimelineRangeProblem(double fromJd, double toJd) {
    if (toJd <= fromJd) {
        return "the range ends before it begins";
    }
    if (fromJd < FirstTimelineJd() || toJd > LastTimelineJd()) {
        return "the range lies outside the years 100 to 2099 that the ephemeris covers";
    }
    if (toJd - fromJd > kLongestTimelineDays) {
        return "the range is longer than 200 years";
    }
    return {};
}

double NatalMomentJd(const BirthData& natal) {
    return JulianDayNumber(natal.year, natal.month, natal.day) - 0.5 +
           DayFraction(natal.time, natal.meridiem == "P.M.", natal.timeZone);
}

bool TimelineLeavesAscendantOut(const BirthData& natal) {
    return std::fabs(natal.latitude) > kHighestQuadrantLatitudePacked;
}

TimelineRequest TimelineRequestFor(const TimelineSource& source, double fromJd, double toJd,
                                   Platform& platform) {
    TimelineRequest request;
    request.natalLongitude = source.charts.natal.points.longitude;
    request.natalJd = NatalMomentJd(source.natal);
    request.ephemeris = source.charts.ephemeris;
    request.zodiac = source.charts.zodiac;
    for (int p = Sun; p <= Moon; ++p) {
        request.natalLongitude[p] = BodyLongitudeInZodiac(request, p, request.natalJd);
    }
    request.ascendant = !TimelineLeavesAscendantOut(source.natal);
    request.fromJd = fromJd;
    request.toJd = toJd;
    request.transitOrbs = OrbsOfFile(source, "NAT2TRAN.ORB", platform);
    request.progressedOrbs = OrbsOfFile(source, "NAT2PROG.ORB", platform);
    request.directedOrbs = OrbsOfFile(source, "NAT2SA.ORB", platform);
    request.solarArcByAge = source.options(opt::SolarArcByAge) == 1;
    request.extraPoints = source.options(opt::ExtraPoints) == 1;
    if (request.extraPoints) {
        for (const ExtraPointName& name : ExtraPointNames()) {
            const int point = PointNumberOf(name.point);
            const double longitude = BodyLongitudeInZodiac(request, point, request.natalJd);
            if (!std::isnan(longitude)) {
                request.natalExtraPoints.push_back({point, longitude});
            }
        }
    }
    return request;
}

void AskTimelineKinds(TimelineRequest& request, const TimelineKinds& kinds) {
    const bool all = !kinds.transits && !kinds.progressions && !kinds.directions;
    request.transits = all || kinds.transits;
    request.progressions = all || kinds.progressions;
    request.directions = all || kinds.directions;
    request.moon = kinds.moon;
}

}  // namespace solvaris
