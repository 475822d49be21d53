// The timeline's directions and time scales against independent figures:
// which way each point moves through its hit, ingress or station, where its
// orb window opens and closes, and how far a progressed day and a year of
// solar arc carry a point.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "aspects/aspect_codes.hpp"
#include "aspects/timeline.hpp"
#include "engine/body_longitude.hpp"
#include "engine/calendar.hpp"

namespace solvaris {
namespace {

double Wrap180(double x) { return std::remainder(x, 360.0); }

TimelineRequest SeededRequest(unsigned seed, int year, double days) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> circle(0, 360);
    TimelineRequest request;
    for (double& lon : request.natalLongitude) {
        lon = circle(random);
    }
    request.fromJd = JulianDayNumber(year, 1, 1);
    request.toJd = request.fromJd + days;
    request.natalJd = request.fromJd - 365.25 * 35;
    request.natalLongitude[Sun] = BodyLongitude(request.ephemeris, Sun, request.natalJd);
    request.transitOrbs = request.progressedOrbs = request.directedOrbs = OneDegreeOrbs();
    return request;
}

TEST(TimelineDirections, EachEventMovesTheWayItsPointMoves) {
    struct Row {
        unsigned seed;
        MovingChart chart;
        double days;
        double stepDays;  // for the finite differences
    };
    const Row rows[] = {{11, MovingChart::Transit, 730, 0.02},
                        {12, MovingChart::Progressed, 20000, 5},
                        {13, MovingChart::Directed, 20000, 5}};
    for (const Row& row : rows) {
        TimelineRequest request = SeededRequest(row.seed, 2024, row.days);
        request.transits = row.chart == MovingChart::Transit;
        request.progressions = row.chart == MovingChart::Progressed;
        request.directions = row.chart == MovingChart::Directed;
        int retrograde = 0, direct = 0, stations = 0, ingresses = 0, windows = 0;
        for (const TimelineEvent& e : ComputeTimeline(request)) {
            const auto at = [&](double jd) {
                return MovingLongitude(request, e.chart, e.moving, jd);
            };
            const double h = row.stepDays;
            if (e.kind == TimelineEventKind::Station) {
                ++stations;
                const double before = Wrap180(at(e.jd) - at(e.jd - 20 * h));
                const double after = Wrap180(at(e.jd + 20 * h) - at(e.jd));
                EXPECT_EQ(e.retrograde, before > 0 && after < 0) << e.moving << " JD " << e.jd;
                EXPECT_EQ(!e.retrograde, before < 0 && after > 0) << e.moving << " JD " << e.jd;
                continue;
            }
            if (e.kind == TimelineEventKind::StationOn) {
                continue;
            }
            const bool backwards = Wrap180(at(e.jd + h) - at(e.jd - h)) < 0;
            EXPECT_EQ(e.retrograde, backwards)
                << int(e.chart) << ' ' << int(e.kind) << ' ' << e.moving << " JD " << e.jd;
            (backwards ? retrograde : direct) += 1;
            if (e.kind == TimelineEventKind::Ingress) {
                ++ingresses;
                // The sign entered is the one the point stands in just after.
                const int signAfter = static_cast<int>(std::floor(at(e.jd + h) / 30)) % 12 + 1;
                EXPECT_EQ(e.sign, signAfter) << e.moving << " JD " << e.jd;
                continue;
            }
            // The window opens and closes where the point is one degree (the
            // orb) from exact.
            const double angle = kAspectAngles[e.aspect];
            const auto offExact = [&](double jd) {
                const double d = Wrap180(at(jd) - request.natalLongitude[e.natal]);
                return std::min(std::fabs(std::fabs(d) - angle), 360 - std::fabs(d) - angle);
            };
            for (const double edge : {e.enterJd, e.leaveJd}) {
                if (!std::isnan(edge)) {
                    ++windows;
                    EXPECT_NEAR(offExact(edge), 1.0, 1e-4) << e.moving << " JD " << e.jd;
                }
            }
        }
        EXPECT_GT(direct, 0) << row.seed;
        if (row.chart == MovingChart::Transit) {
            EXPECT_GT(retrograde, 0);
            EXPECT_GT(stations, 0);
            EXPECT_GT(ingresses, 0);
        }
        EXPECT_GT(windows, 0) << row.seed;
    }
}

TEST(TimelineDirections, AProgressedDayIsAYearAndSolarArcByAgeIsNaibodsRate) {
    TimelineRequest request = SeededRequest(21, 2030, 1);
    // A day of the ephemeris after birth for each 365.25 days of life.
    for (const double years : {0.5, 10.0, 33.25, 80.0}) {
        const double jd = request.natalJd + years * 365.25;
        for (const int point : {Sun, Moon, Mars, Pluto}) {
            EXPECT_NEAR(MovingLongitude(request, MovingChart::Progressed, point, jd),
                        BodyLongitude(request.ephemeris, point, request.natalJd + years), 1e-9)
                << point << " at " << years;
        }
        // Solar arc by age: the Sun's mean motion, 59'08" a year.
        request.solarArcByAge = true;
        EXPECT_NEAR(Wrap180(MovingLongitude(request, MovingChart::Directed, Mars, jd) -
                            request.natalLongitude[Mars]),
                    Wrap180(years * (59.0 + 8.0 / 60) / 60), 1e-5)
            << years;
        // Else the progressed Sun's arc.
        request.solarArcByAge = false;
        const double arc = BodyLongitude(request.ephemeris, Sun, request.natalJd + years) -
                           BodyLongitude(request.ephemeris, Sun, request.natalJd);
        EXPECT_NEAR(Wrap180(MovingLongitude(request, MovingChart::Directed, Venus, jd) -
                            request.natalLongitude[Venus] - arc),
                    0, 1e-9)
            << years;
    }
}

}  // namespace
}  // namespace solvaris
