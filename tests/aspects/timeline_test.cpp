// The timeline against the ephemeris itself: every hit exact, and a plain
// scan at a small step over the same range finds nothing it lacks.
#include "aspects/timeline.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "aspects/aspect_codes.hpp"
#include "engine/angles.hpp"
#include "engine/body_longitude.hpp"
#include "engine/calendar.hpp"
#include "engine/positions.hpp"

namespace solvaris {
namespace {

double Wrap180(double x) { return std::remainder(x, 360.0); }

// A natal chart of random longitudes and a range after it.
TimelineRequest SeededRequest(unsigned seed, double fromJd, double days) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> circle(0, 360);
    TimelineRequest request;
    for (double& lon : request.natalLongitude) {
        lon = circle(random);
    }
    request.natalJd = fromJd - 365.25 * 40;
    request.natalLongitude[Sun] = BodyLongitude(Sun, request.natalJd);
    request.fromJd = fromJd;
    request.toJd = fromJd + days;
    request.minorAspects = seed % 2 == 1;
    request.transitOrbs = request.progressedOrbs = request.directedOrbs = OneDegreeOrbs();
    return request;
}

struct Key {
    TimelineKind kind;
    int moving, natal, aspect;
    double target;
};

// Every aspect of `moving` to every natal target: the longitudes where each is exact.
std::vector<Key> Keys(const TimelineRequest& request, TimelineKind kind, int moving) {
    std::vector<Key> keys;
    for (const int natal : NatalTargets(kind)) {
        for (const int aspect : TimelineAspects(request.minorAspects)) {
            const double angle = kAspectAngles[aspect];
            keys.push_back({kind, moving, natal, aspect, request.natalLongitude[natal] + angle});
            if (angle != 0 && angle != 180) {
                keys.push_back(
                    {kind, moving, natal, aspect, request.natalLongitude[natal] - angle});
            }
        }
    }
    return keys;
}

// Seeded charts over ranges around stations of every planet; the scan
// steps a tenth of a day for transits, ten days for the slow kinds.
TEST(Timeline, EveryHitExactAndNoneMissedByAPlainScan) {
    struct Row {
        unsigned seed;
        int year;
        double days;
        TimelineKind kind;
        double scanStepDays;
    };
    const Row rows[] = {{1, 2026, 365, TimelineKind::Transit, 0.1},
                        {2, 1991, 200, TimelineKind::Transit, 0.1},
                        {3, 2050, 60, TimelineKind::Transit, 0.05},
                        {4, 2000, 10950, TimelineKind::Progressed, 10},
                        {5, 1985, 10950, TimelineKind::Directed, 10}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.seed);
        TimelineRequest request =
            SeededRequest(row.seed, JulianDayNumber(row.year, 1, 1), row.days);
        request.transits = row.kind == TimelineKind::Transit;
        request.progressions = row.kind == TimelineKind::Progressed;
        request.directions = row.kind == TimelineKind::Directed;
        request.moon = row.seed == 3;
        const std::vector<TimelineEvent> events = ComputeTimeline(request);

        int hits = 0;
        int stations = 0;
        for (const TimelineEvent& e : events) {
            if (e.kind == TimelineKind::Station) {
                ++stations;
                continue;
            }
            if (e.kind == TimelineKind::Ingress) {
                const double lon = MovingLongitude(request, TimelineKind::Transit, e.moving, e.jd);
                EXPECT_NEAR(Wrap180(lon - (e.retrograde ? e.sign : e.sign - 1) * 30.0), 0, 1e-6);
                continue;
            }
            ++hits;
            const double lon = MovingLongitude(request, e.kind, e.moving, e.jd);
            const double angle = kAspectAngles[e.aspect];
            const double off =
                std::min(std::fabs(Wrap180(lon - request.natalLongitude[e.natal] - angle)),
                         std::fabs(Wrap180(lon - request.natalLongitude[e.natal] + angle)));
            EXPECT_LE(off, 1e-6) << e.moving << ' ' << e.natal << ' ' << e.aspect;
            ASSERT_GE(e.jd, request.fromJd);
            ASSERT_LE(e.jd, request.toJd);
            if (!std::isnan(e.enterJd)) {
                EXPECT_LT(e.enterJd, e.jd);
            }
            if (!std::isnan(e.leaveJd)) {
                EXPECT_GT(e.leaveJd, e.jd);
            }
        }

        // The scan: every sign change of the distance to every target, each
        // moving point evaluated once a step.
        int scanned = 0;
        int scannedStations = 0;
        const auto n = static_cast<int>(std::lround(row.days / row.scanStepDays));
        for (const int p : MovingPoints(row.kind, request.moon)) {
            std::vector<double> lon(n + 1);
            for (int i = 0; i <= n; ++i) {
                lon[i] =
                    MovingLongitude(request, row.kind, p, request.fromJd + i * row.scanStepDays);
            }
            for (int i = 2; i <= n; ++i) {
                scannedStations +=
                    (Wrap180(lon[i] - lon[i - 1]) < 0) != (Wrap180(lon[i - 1] - lon[i - 2]) < 0);
            }
            for (const Key& key : Keys(request, row.kind, p)) {
                for (int i = 1; i <= n; ++i) {
                    const double before = Wrap180(lon[i - 1] - key.target);
                    const double now = Wrap180(lon[i] - key.target);
                    if ((before < 0) == (now < 0) || std::fabs(before - now) >= 180) {
                        continue;
                    }
                    ++scanned;
                    const double t0 = request.fromJd + (i - 1) * row.scanStepDays;
                    const double t1 = t0 + row.scanStepDays;
                    const bool listed = std::any_of(events.begin(), events.end(), [&](auto& e) {
                        return e.kind == key.kind && e.moving == key.moving &&
                               e.natal == key.natal && e.aspect == key.aspect &&
                               e.jd >= t0 - 1e-6 && e.jd <= t1 + 1e-6;
                    });
                    EXPECT_TRUE(listed)
                        << key.moving << ' ' << key.natal << ' ' << key.aspect << " near JD " << t1;
                }
            }
        }
        if (row.kind == TimelineKind::Transit) {
            EXPECT_EQ(stations, scannedStations);
        }
        EXPECT_EQ(hits, scanned);
        EXPECT_GT(hits, 0);
    }
}

// The single-body evaluation is the position driver's, Pluto within its
// midnight step of precession.
TEST(Timeline, BodyLongitudeIsThePositionDriversLongitude) {
    for (const double jd : {2451545.0, 2461041.25, 2433283.75, 2488069.5, 2415020.9}) {
        PositionTables tables;
        const double dayNumber = std::floor(jd + 0.5);
        ASSERT_TRUE(ComputeDayPositions(dayNumber, jd + 0.5 - dayNumber, tables));
        for (int p = Sun; p <= NorthNode; ++p) {
            EXPECT_NEAR(Wrap180(BodyLongitude(p, jd) - tables.longitude[p]), 0,
                        p == Pluto ? 4e-5 : 1e-9)
                << p << " at " << jd;
        }
    }
}

}  // namespace
}  // namespace solvaris
