// The timeline with the extra points: transiting Chiron and mean Lilith and
// the natal extra points aimed at, held against roots found here by
// bisection on the engine's longitudes, scanned a day at a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "aspects/aspect_codes.hpp"
#include "aspects/timeline.hpp"
#include "engine/body_longitude.hpp"
#include "engine/calendar.hpp"
#include "engine/chiron_orbit.hpp"

namespace solvaris {
namespace {

double Wrap180(double x) { return std::remainder(x, 360.0); }

constexpr int kLilith = PointNumberOf(ExtraPoint::MeanLilith);
constexpr int kChiron = PointNumberOf(ExtraPoint::Chiron);

// The tropical longitude as the engine gives it, without the timeline.
double Longitude(const Ephemeris& ephemeris, int point, double jd) {
    if (point < kFirstExtraPointNumber) {
        return BodyLongitude(ephemeris, point, jd);
    }
    return *ExtraPointLongitude(ephemeris, ExtraPointOfNumber(point), jd);
}

// A root of f in [a, b] where f changes sign, halved down to 1e-9 day.
double Bisect(const std::function<double(double)>& f, double a, double b) {
    const bool negativeAtA = f(a) < 0;
    while (b - a > 1e-9) {
        const double m = (a + b) / 2;
        ((f(m) < 0) == negativeAtA ? a : b) = m;
    }
    return (a + b) / 2;
}

struct Root {
    double jd;
    bool falling;  // f goes from positive to negative
};

// Every sign change of f (a wrapped distance) over the days, bisected.
std::vector<Root> Roots(const std::function<double(double)>& f, double fromJd, double toJd) {
    std::vector<Root> roots;
    double before = f(fromJd);
    for (double t = fromJd + 1; t <= toJd + 1e-9; t += 1) {
        const double now = f(t);
        if ((before < 0) != (now < 0) && std::fabs(before - now) < 180) {
            roots.push_back({Bisect(f, t - 1, t), now < before});
        }
        before = now;
    }
    return roots;
}

TimelineRequest Request(int year, double days) {
    TimelineRequest request;
    // 1975 March 10, 14.20 UT.
    request.natalJd = 2442482.0972222;
    for (int p = Sun; p <= NorthNode; ++p) {
        request.natalLongitude[p] = BodyLongitude(request.ephemeris, p, request.natalJd);
    }
    request.natalLongitude[PartOfFortune] = 127.7;
    request.natalLongitude[Ascendant] = 153.8;
    request.natalLongitude[Midheaven] = 50.0;
    request.fromJd = JulianDayNumber(year, 1, 1) - 0.5;
    request.toJd = request.fromJd + days;
    request.progressions = request.directions = false;
    request.transitOrbs = OneDegreeOrbs();
    request.extraPoints = true;
    for (const int point : {kLilith, kChiron}) {
        request.natalExtraPoints.push_back(
            {point, Longitude(request.ephemeris, point, request.natalJd)});
    }
    return request;
}

TEST(TimelineExtraPoints, StationsIngressesAndHitsAsBisectionFindsThem) {
    const TimelineRequest request = Request(2026, 365);
    const std::vector<TimelineEvent> events = ComputeTimeline(request);
    const auto lon = [&](int point) {
        return [&request, point](double t) { return Longitude(request.ephemeris, point, t); };
    };
    const auto listed = [&](MovingChart chart, int moving, int natal, int aspect, double jd) {
        int found = 0;
        for (const TimelineEvent& e : events) {
            if (e.kind == TimelineEventKind::Hit && e.chart == chart && e.moving == moving &&
                e.natal == natal && e.aspect == aspect && std::fabs(e.jd - jd) < 1e-5) {
                ++found;
            }
        }
        return found;
    };

    // Chiron's stations: its daily motion changes sign (a motion over 0.1 day).
    const auto motion = [&](double t) {
        return Wrap180(lon(kChiron)(t + 0.05) - lon(kChiron)(t - 0.05));
    };
    const std::vector<Root> stations = Roots(motion, request.fromJd, request.toJd);
    ASSERT_EQ(stations.size(), 2u);  // direct on 2 January, retrograde in August
    int listedStations = 0;
    for (const TimelineEvent& e : events) {
        if (e.kind == TimelineEventKind::Station && e.moving >= kFirstExtraPointNumber) {
            ++listedStations;
            EXPECT_EQ(e.moving, kChiron);  // mean Lilith never turns
        }
    }
    EXPECT_EQ(listedStations, 2);
    for (const Root& station : stations) {
        const bool found = std::any_of(events.begin(), events.end(), [&](const TimelineEvent& e) {
            return e.kind == TimelineEventKind::Station && e.moving == kChiron &&
                   e.retrograde == station.falling && std::fabs(e.jd - station.jd) < 1e-3;
        });
        EXPECT_TRUE(found) << "station near JD " << station.jd;
    }

    // Ingresses of Chiron and of mean Lilith: crossings of each sign's first degree.
    int ingresses = 0;
    for (const int point : {kChiron, kLilith}) {
        for (int sign = 1; sign <= 12; ++sign) {
            const auto f = [&](double t) { return Wrap180(lon(point)(t) - (sign - 1) * 30.0); };
            for (const Root& r : Roots(f, request.fromJd, request.toJd)) {
                ++ingresses;
                const bool found =
                    std::any_of(events.begin(), events.end(), [&](const TimelineEvent& e) {
                        return e.kind == TimelineEventKind::Ingress && e.moving == point &&
                               std::fabs(e.jd - r.jd) < 1e-5 && e.retrograde == r.falling &&
                               e.sign == (r.falling ? (sign + 10) % 12 + 1 : sign);
                    });
                EXPECT_TRUE(found) << point << " into sign " << sign << " near JD " << r.jd;
            }
        }
    }
    // Chiron enters Taurus in June and goes back in September; Lilith enters
    // Capricorn in September.
    EXPECT_EQ(ingresses, 3);
    EXPECT_EQ(std::count_if(events.begin(), events.end(),
                            [](const TimelineEvent& e) {
                                return e.kind == TimelineEventKind::Ingress &&
                                       e.moving >= kFirstExtraPointNumber;
                            }),
              ingresses);

    // Hits with an extra point on either side: each moving body against each
    // aspect of each natal point, the natal extra points among them.
    struct Target {
        int natal;
        double longitude;
    };
    std::vector<Target> targets;
    for (const int natal : NatalTargets(MovingChart::Transit)) {
        targets.push_back({natal, request.natalLongitude[natal]});
    }
    for (const TimelineTarget& t : request.natalExtraPoints) {
        targets.push_back({t.point, t.longitude});
    }
    std::vector<int> moving = MovingPoints(MovingChart::Transit, false);
    moving.insert(moving.end(), {kLilith, kChiron});
    int scanned = 0;
    for (const int m : moving) {
        for (const Target& target : targets) {
            if (m < kFirstExtraPointNumber && target.natal < kFirstExtraPointNumber) {
                continue;  // the fifteen points' own hits: timeline_test
            }
            for (const int aspect : TimelineAspects(false)) {
                const double angle = kAspectAngles[aspect];
                for (const double side : {1.0, -1.0}) {
                    if ((angle == 0 || angle == 180) && side < 0) {
                        continue;
                    }
                    const auto f = [&](double t) {
                        return Wrap180(lon(m)(t) - target.longitude - side * angle);
                    };
                    for (const Root& r : Roots(f, request.fromJd, request.toJd)) {
                        ++scanned;
                        EXPECT_EQ(listed(MovingChart::Transit, m, target.natal, aspect, r.jd), 1)
                            << m << " " << aspect << " " << target.natal << " near JD " << r.jd;
                    }
                }
            }
        }
    }
    const auto extraHits = std::count_if(events.begin(), events.end(), [](const TimelineEvent& e) {
        return (e.kind == TimelineEventKind::Hit && e.chart == MovingChart::Transit) &&
               (e.moving >= kFirstExtraPointNumber || e.natal >= kFirstExtraPointNumber);
    });
    EXPECT_EQ(extraHits, scanned);
    EXPECT_GT(scanned, 50);
}

// The natal extra points progressed (a day of the ephemeris for a year of
// life, true Lilith with its loops too) and directed (moved by the
// progressed Sun's arc): every hit of each, as bisection on those
// longitudes, scanned every ten days, finds them.
TEST(TimelineExtraPoints, ProgressedAndDirectedExtraPointsHitAsBisectionFindsThem) {
    TimelineRequest request = Request(2000, 30 * 365.25);
    request.transits = false;
    request.progressions = request.directions = true;
    request.progressedOrbs = request.directedOrbs = OneDegreeOrbs();
    const int trueLilith = PointNumberOf(ExtraPoint::TrueLilith);
    request.natalExtraPoints.push_back(
        {trueLilith, Longitude(request.ephemeris, trueLilith, request.natalJd)});
    const std::vector<TimelineEvent> events = ComputeTimeline(request);
    const auto progressedMoment = [&](double t) {
        return request.natalJd + (t - request.natalJd) / 365.25;
    };
    const auto natalOf = [&](int point) {
        for (const TimelineTarget& t : request.natalExtraPoints) {
            if (t.point == point) {
                return t.longitude;
            }
        }
        return request.natalLongitude[point];
    };
    const auto moved = [&](MovingChart chart, int point, double t) {
        if (chart == MovingChart::Progressed) {
            return Longitude(request.ephemeris, point, progressedMoment(t));
        }
        const double arc =
            Longitude(request.ephemeris, Sun, progressedMoment(t)) - request.natalLongitude[Sun];
        return natalOf(point) + arc;
    };
    constexpr double kScanDays = 10;
    // True Lilith, as Swiss Ephemeris's analytical mode gives it, wavers by
    // some 5e-5 degree from one instant to the next: a progressed point
    // crossing at 0.016 degree a day is then placed to about half an hour,
    // and the moment is held to an hour.
    constexpr double kMomentDays = 1.0 / 24;
    int scanned = 0;
    for (const MovingChart chart : {MovingChart::Progressed, MovingChart::Directed}) {
        std::vector<int> targets = NatalTargets(chart);
        for (const TimelineTarget& t : request.natalExtraPoints) {
            targets.push_back(t.point);
        }
        for (const TimelineTarget& moving : request.natalExtraPoints) {
            std::vector<double> sampled;
            for (double t = request.fromJd; t <= request.toJd + kScanDays; t += kScanDays) {
                sampled.push_back(moved(chart, moving.point, t));
            }
            for (const int natal : targets) {
                for (const int aspect : TimelineAspects(false)) {
                    const double angle = kAspectAngles[aspect];
                    for (const double side : {1.0, -1.0}) {
                        if ((angle == 0 || angle == 180) && side < 0) {
                            continue;
                        }
                        const double target = natalOf(natal) + side * angle;
                        const auto f = [&](double t) {
                            return Wrap180(moved(chart, moving.point, t) - target);
                        };
                        for (std::size_t i = 1; i < sampled.size(); ++i) {
                            const double a = Wrap180(sampled[i - 1] - target);
                            const double b = Wrap180(sampled[i] - target);
                            if ((a < 0) == (b < 0) || std::fabs(a - b) > 180) {
                                continue;
                            }
                            const double t0 = request.fromJd + (i - 1) * kScanDays;
                            const double jd = Bisect(f, t0, t0 + kScanDays);
                            if (jd < request.fromJd || jd > request.toJd) {
                                continue;
                            }
                            ++scanned;
                            const bool found =
                                std::any_of(events.begin(), events.end(), [&](const auto& e) {
                                    return e.kind == TimelineEventKind::Hit && e.chart == chart &&
                                           e.moving == moving.point && e.natal == natal &&
                                           e.aspect == aspect && std::fabs(e.jd - jd) < kMomentDays;
                                });
                            EXPECT_TRUE(found)
                                << static_cast<int>(chart) << " " << moving.point << " " << aspect
                                << " " << natal << " near JD " << jd;
                        }
                    }
                }
            }
        }
    }
    const auto movingExtra = std::count_if(events.begin(), events.end(), [](const auto& e) {
        return e.moving >= kFirstExtraPointNumber;
    });
    EXPECT_EQ(movingExtra, scanned);
    EXPECT_GT(scanned, 20);
}

// Chiron is followed within the years of its computed orbit only; the
// other points and the aims are untouched by turning the extra points off.
TEST(TimelineExtraPoints, ChironWithinItsYearsAndNothingWithoutTheExtraPoints) {
    TimelineRequest request = Request(1799, 730);
    std::vector<TimelineEvent> events = ComputeTimeline(request);
    const auto chironEvents = [&events] {
        std::vector<double> jd;
        for (const TimelineEvent& e : events) {
            if (e.moving == kChiron) {
                jd.push_back(e.jd);
            }
        }
        return jd;
    };
    const std::vector<double> chiron = chironEvents();
    ASSERT_FALSE(chiron.empty());
    EXPECT_GE(chiron.front(), kChironFirstJd);
    EXPECT_EQ(FollowedDaysOf(kChiron, 0, 3e6).firstJd, kChironFirstJd);
    EXPECT_EQ(FollowedDaysOf(kChiron, 0, 3e6).lastJd, kChironLastJd);
    EXPECT_EQ(FollowedDaysOf(kLilith, 0, 3e6).firstJd, 0);

    request = Request(2026, 365);
    const std::vector<TimelineEvent> all = ComputeTimeline(request);
    request.extraPoints = false;
    events = ComputeTimeline(request);
    std::vector<TimelineEvent> withoutExtra;
    for (const TimelineEvent& e : all) {
        if (e.moving < kFirstExtraPointNumber && e.natal < kFirstExtraPointNumber) {
            withoutExtra.push_back(e);
        }
    }
    ASSERT_EQ(events.size(), withoutExtra.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].jd, withoutExtra[i].jd) << i;
        EXPECT_EQ(events[i].moving, withoutExtra[i].moving) << i;
    }
    EXPECT_EQ(TimelinePointName(kChiron), "CHIRON    ");
    EXPECT_EQ(TimelinePointName(Moon), "MOON      ");
}

}  // namespace
}  // namespace solvaris
