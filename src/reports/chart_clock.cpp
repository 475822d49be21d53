#include "reports/chart_clock.hpp"

#include <chrono>
#include <cmath>

#include "engine/calendar.hpp"
#include "people/zone_history.hpp"

namespace solvaris {

namespace {

constexpr double kSecondsPerDay = 86400;
constexpr double kSecondsPerHour = 3600;

// A d.mm longitude, west positive, in whole minutes of arc.
ArcMinutesWest ArcMinutesOfPacked(double packed) {
    const double magnitude = std::fabs(packed);
    const double degrees = std::trunc(magnitude);
    const auto minutes =
        static_cast<int>(degrees) * 60 + static_cast<int>(std::lround((magnitude - degrees) * 100));
    return packed < 0 ? -minutes : minutes;
}

}  // namespace

ChartClock NatalChartClock(const ReportSession& session) {
    const double birthZoneHours = session.natal.timeZone;
    if (session.natalZoneName.empty()) {
        return [birthZoneHours](double) { return birthZoneHours; };
    }
    const ArcMinutesWest longitude = ArcMinutesOfPacked(session.natal.longitude);
    return [zoneName = session.natalZoneName, longitude, birthZoneHours](double jd) {
        const std::chrono::sys_seconds universal{
            std::chrono::seconds(std::llround((jd - kUnixEpochJd) * kSecondsPerDay))};
        const ZoneRuleLookup found = ZoneRuleAtInstant(zoneName, universal, longitude);
        // The zone was read for the birth, so it stays readable; were its
        // file to go meanwhile, the birth's offset is the best left.
        return found.rule ? found.rule->secondsWest / kSecondsPerHour : birthZoneHours;
    };
}

}  // namespace solvaris
