#include "reports/timeline_setup.hpp"

#include "base/option_numbers.hpp"
#include "chart/angles.hpp"
#include "engine/calendar.hpp"

namespace solvaris {

namespace {

OrbTable OrbsOfFile(const Session& session, const char* fileName, Platform& platform) {
    OrbTable orbs = OneDegreeOrbs();
    LoadOrbTable(session.folder / fileName, orbs, platform);
    return orbs;
}

}  // namespace

std::string TimelineRangeProblem(double fromJd, double toJd) {
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

TimelineRequest TimelineRequestFor(const Session& session, double fromJd, double toJd,
                                   Platform& platform) {
    TimelineRequest request;
    request.natalLongitude = session.charts.natal.points.longitude;
    request.natalJd = NatalMomentJd(session.natal);
    request.fromJd = fromJd;
    request.toJd = toJd;
    request.transitOrbs = OrbsOfFile(session, "NAT2TRAN.ORB", platform);
    request.progressedOrbs = OrbsOfFile(session, "NAT2PROG.ORB", platform);
    request.directedOrbs = OrbsOfFile(session, "NAT2SA.ORB", platform);
    request.solarArcByAge = session.options(opt::SolarArcByAge) == 1;
    return request;
}

}  // namespace solvaris
