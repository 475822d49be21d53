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

std::vector<Key> Keys(const TimelineRequest& request, MovingChart kind) {
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

// Seeded charts over ranges around stations of every planet, scanned in
// small steps, on both engines (Swiss Ephemeris in its analytical mode).
TEST(Timeline, EveryHitExactAndNoneMissedByAPlainScan) {
    constexpr auto kBuiltIn = EphemerisEngine::BuiltIn;
    constexpr auto kSwiss = EphemerisEngine::Swiss;
    struct Row {
        unsigned seed;
        int year;
        MovingChart chart;
        double days, scanStepDays;
        EphemerisEngine engine;
    };
    const Row rows[] = {{1, 2026, MovingChart::Transit, 365, 0.1, kBuiltIn},
                        {2, 1991, MovingChart::Transit, 200, 0.1, kBuiltIn},
                        {3, 2050, MovingChart::Transit, 60, 0.05, kBuiltIn},
                        {4, 2000, MovingChart::Progressed, 10950, 10, kBuiltIn},
                        {5, 1985, MovingChart::Directed, 10950, 10, kBuiltIn},
                        {7, 2026, MovingChart::Transit, 365, 0.1, kSwiss},
                        {3, 2050, MovingChart::Transit, 60, 0.05, kSwiss},
                        {4, 2000, MovingChart::Progressed, 10950, 10, kSwiss},
                        {5, 1985, MovingChart::Directed, 10950, 10, kSwiss}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.seed << (row.engine == kSwiss ? " swiss" : ""));
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
        request.ephemeris.engine = row.engine;
        request.natalLongitude[Sun] = BodyLongitude(request.ephemeris, Sun, request.natalJd);
        request.minorAspects = row.seed % 2 == 1;
        request.transitOrbs = request.progressedOrbs = request.directedOrbs = OneDegreeOrbs();
        request.transits = row.chart == MovingChart::Transit;
        request.progressions = row.chart == MovingChart::Progressed;
        request.directions = row.chart == MovingChart::Directed;
        request.moon = row.seed == 3;
        const std::vector<TimelineEvent> events = ComputeTimeline(request);

        int hits = 0, stations = 0;
        for (const TimelineEvent& e : events) {
            if (e.kind == TimelineEventKind::Station) {
                ++stations;
                continue;
            }
            if (e.kind == TimelineEventKind::StationOn) {  // StationsOnAspects checks these
                continue;
            }
            if (e.kind == TimelineEventKind::Ingress) {
                const double lon = MovingLongitude(request, MovingChart::Transit, e.moving, e.jd);
                EXPECT_NEAR(Wrap180(lon - (e.retrograde ? e.sign : e.sign - 1) * 30.0), 0, 1e-6);
                continue;
            }
            ++hits;
            const double lon = MovingLongitude(request, e.chart, e.moving, e.jd);
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
        const std::vector<Key> keys = Keys(request, row.chart);
        for (const int p : MovingPoints(row.chart, request.moon)) {
            std::vector<double> lon(n + 1);
            for (int i = 0; i <= n; ++i) {
                lon[i] =
                    MovingLongitude(request, row.chart, p, request.fromJd + i * row.scanStepDays);
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
                        return e.kind == TimelineEventKind::Hit && e.chart == row.chart &&
                               e.moving == p && e.natal == key.natal && e.aspect == key.aspect &&
                               e.jd >= t0 - 1e-6 && e.jd <= t1 + 1e-6;
                    });
                    EXPECT_TRUE(listed)
                        << p << ' ' << key.natal << ' ' << key.aspect << " near JD " << t1;
                }
            }
        }
        if (row.chart == MovingChart::Transit) {
            EXPECT_EQ(stations, scannedStations);
        }
        EXPECT_EQ(hits, scanned);
        EXPECT_GT(hits, 0);
    }
}

// Saturn stations retrograde on 26 July 2026 at 14.7348 degrees. A natal Sun
// a little past that is never reached, one a little short is crossed twice:
// either way within a minute of arc the station is listed as standing on
// the Sun (and on any other aspect to it, here the opposition of a Moon),
// with the window of the aspect's orb around it; a minute and a bit away it
// is not.
TEST(Timeline, StationsOnAspectsWithinAMinuteOfArc) {
    TimelineRequest request;
    request.fromJd = JulianDayNumber(2026, 7, 1) - 0.5;
    request.toJd = JulianDayNumber(2026, 8, 31) + 0.5;
    request.natalJd = JulianDayNumber(1990, 4, 4);
    request.progressions = request.directions = false;
    request.transitOrbs = OneDegreeOrbs();
    for (double& lon : request.natalLongitude) {
        lon = 200;  // far from Saturn and from every aspect to it
    }
    double stationJd = 0;
    for (const TimelineEvent& e : ComputeTimeline(request)) {
        if (e.kind == TimelineEventKind::Station && e.moving == Saturn) {
            stationJd = e.jd;
        }
    }
    ASSERT_NEAR(stationJd, 2461248.2564, 1e-3);
    const double stationLon = BodyLongitude(Ephemeris{}, Saturn, stationJd);
    struct Row {
        double offDeg;  // natal Sun from the station's longitude, ahead positive
        bool listed;
        int crossings;
    };
    for (const Row row : {Row{0.00002, true, 0}, Row{-0.00002, true, 2}, Row{0.0166, true, 0},
                          Row{-0.0166, true, 2}, Row{0.0168, false, 0}, Row{-0.0168, false, 2}}) {
        SCOPED_TRACE(row.offDeg);
        request.natalLongitude[Sun] = stationLon + row.offDeg;
        request.natalLongitude[Moon] = Normalize360(stationLon + row.offDeg + 180);
        int crossings = 0;
        int on = 0;
        for (const TimelineEvent& e : ComputeTimeline(request)) {
            if (e.moving != Saturn || (e.natal != Sun && e.natal != Moon)) {
                continue;
            }
            if ((e.kind == TimelineEventKind::Hit && e.chart == MovingChart::Transit) &&
                e.natal == Sun) {
                ++crossings;
            }
            if (e.kind == TimelineEventKind::StationOn) {
                ++on;
                EXPECT_EQ(e.jd, stationJd);
                EXPECT_TRUE(e.retrograde);
                EXPECT_EQ(e.aspect, e.natal == Sun ? Conjunction : Opposition);
                // Within a degree from June to the end of August, as the hits.
                EXPECT_LT(e.enterJd, stationJd - 30);
                EXPECT_GT(e.leaveJd, stationJd + 30);
            }
        }
        EXPECT_EQ(on, row.listed ? 2 : 0);
        EXPECT_EQ(crossings, row.crossings);
    }
}

}  // namespace
}  // namespace solvaris
