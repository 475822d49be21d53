// The timeline against the ephemeris: every hit exact, and a plain scan finds nothing it lacks.
#include "aspects/timeline.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "aspects/aspect_codes.hpp"
#include "engine/angles.hpp"
#include "engine/body_longitude.hpp"
#include "engine/calendar.hpp"

namespace solvaris {
namespace {

double Wrap180(double x) { return std::remainder(x, 360.0); }

struct Key {
    int natal, aspect;
    double target;  // the longitude where the aspect is exact
};

std::vector<Key> Keys(const TimelineRequest& request, TimelineKind kind) {
    std::vector<Key> keys;
    for (const int natal : NatalTargets(kind)) {
        for (const int aspect : TimelineAspects(request.minorAspects)) {
            const double angle = kAspectAngles[aspect];
            keys.push_back({natal, aspect, request.natalLongitude[natal] + angle});
            if (angle != 0 && angle != 180) {
                keys.push_back({natal, aspect, request.natalLongitude[natal] - angle});
            }
        }
    }
    return keys;
}

// Seeded charts over ranges around stations of every planet, scanned in small steps.
TEST(Timeline, EveryHitExactAndNoneMissedByAPlainScan) {
    struct Row {
        unsigned seed;
        int year;
        TimelineKind kind;
        double days, scanStepDays;
    };
    const Row rows[] = {{1, 2026, TimelineKind::Transit, 365, 0.1},
                        {2, 1991, TimelineKind::Transit, 200, 0.1},
                        {3, 2050, TimelineKind::Transit, 60, 0.05},
                        {4, 2000, TimelineKind::Progressed, 10950, 10},
                        {5, 1985, TimelineKind::Directed, 10950, 10}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.seed);
        // A natal chart of random longitudes, its Sun the true one for the progressions.
        std::mt19937 random(row.seed);
        std::uniform_real_distribution<double> circle(0, 360);
        TimelineRequest request;
        for (double& lon : request.natalLongitude) {
            lon = circle(random);
        }
        request.fromJd = JulianDayNumber(row.year, 1, 1);
        request.toJd = request.fromJd + row.days;
        request.natalJd = request.fromJd - 365.25 * 40;
        request.natalLongitude[Sun] = BodyLongitude(Sun, request.natalJd);
        request.minorAspects = row.seed % 2 == 1;
        request.transitOrbs = request.progressedOrbs = request.directedOrbs = OneDegreeOrbs();
        request.transits = row.kind == TimelineKind::Transit;
        request.progressions = row.kind == TimelineKind::Progressed;
        request.directions = row.kind == TimelineKind::Directed;
        request.moon = row.seed == 3;
        const std::vector<TimelineEvent> events = ComputeTimeline(request);

        int hits = 0, stations = 0;
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
            ASSERT_TRUE(e.jd >= request.fromJd && e.jd <= request.toJd) << e.jd;
            EXPECT_FALSE(e.enterJd >= e.jd || e.leaveJd <= e.jd);  // NaN: no such moment
        }

        // Every sign change of the distance to every target, each point evaluated once a step.
        int scanned = 0, scannedStations = 0;
        const auto n = static_cast<int>(std::lround(row.days / row.scanStepDays));
        const std::vector<Key> keys = Keys(request, row.kind);
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
            for (const Key& key : keys) {
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
                        return e.kind == row.kind && e.moving == p && e.natal == key.natal &&
                               e.aspect == key.aspect && e.jd >= t0 - 1e-6 && e.jd <= t1 + 1e-6;
                    });
                    EXPECT_TRUE(listed)
                        << p << ' ' << key.natal << ' ' << key.aspect << " near JD " << t1;
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

}  // namespace
}  // namespace solvaris
