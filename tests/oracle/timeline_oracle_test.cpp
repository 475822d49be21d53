// The timeline's exact moments against Swiss Ephemeris: at each moment the
// aspect holds in Swiss Ephemeris too, within the two ephemerides' gap in
// longitude (so the moments differ by that gap over the body's speed), and
// at each station Swiss Ephemeris finds the body all but standing still.
// The gap is the positions oracle's bound on the longitude.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>

#include "aspects/aspect_codes.hpp"
#include "aspects/timeline.hpp"
#include "engine/calendar.hpp"
#include "oracle/body_bounds.hpp"

namespace solvaris {
namespace {

struct Swiss {
    double longitude;
    double speed;  // degrees a day
};

Swiss SwissAt(int point, double jd) {
    double xx[6];
    char serr[256];
    EXPECT_GE(swe_calc_ut(jd, kBounds[point - 1].swissBody, SEFLG_MOSEPH | SEFLG_SPEED, xx, serr),
              0)
        << serr;
    return {xx[0], xx[3]};
}

TEST(TimelineOracle, HitsAndStationsHoldInSwissEphemeris) {
    struct Row {
        int year;
        double natalSeed;  // spreads the natal points over the circle
        bool moon;
    };
    for (const Row row :
         {Row{2026, 17.3, false}, Row{1962, 101.9, true}, Row{2087, 233.1, false}}) {
        TimelineRequest request;
        for (int p = Sun; p <= Midheaven; ++p) {
            request.natalLongitude[p] = std::fmod(row.natalSeed + p * 47.77, 360.0);
        }
        request.fromJd = JulianDayNumber(row.year, 1, 1) - 0.5;
        request.toJd = request.fromJd + (row.moon ? 120 : 365);
        request.natalJd = request.fromJd - 10000;
        request.progressions = request.directions = false;
        request.moon = row.moon;
        request.transitOrbs = OneDegreeOrbs();
        int hits = 0;
        int stations = 0;
        for (const TimelineEvent& e : ComputeTimeline(request)) {
            const Swiss swiss = SwissAt(e.moving, e.jd);
            if (e.kind == TimelineEventKind::Station) {
                ++stations;
                EXPECT_LT(std::fabs(swiss.speed), 0.01) << e.moving << " at JD " << e.jd;
                continue;
            }
            if (!(e.kind == TimelineEventKind::Hit && e.chart == MovingChart::Transit)) {
                continue;
            }
            ++hits;
            const double angle = kAspectAngles[e.aspect];
            const double natal = request.natalLongitude[e.natal];
            const double off =
                std::min(std::fabs(std::remainder(swiss.longitude - natal - angle, 360.0)),
                         std::fabs(std::remainder(swiss.longitude - natal + angle, 360.0)));
            EXPECT_LE(off, kBounds[e.moving - 1].longitude)
                << e.moving << ' ' << e.aspect << ' ' << e.natal << " at JD " << e.jd
                << ": the moments differ by " << off / std::fabs(swiss.speed) << " days";
        }
        EXPECT_GT(hits, 100);
        EXPECT_GT(stations, row.moon ? 0 : 5);
    }
}

}  // namespace
}  // namespace solvaris
