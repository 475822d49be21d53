// A natal chart's transits (no Moon) over a year and over a life of 100
// years: every exact hit, station and ingress with its orb window; with the
// extra points, transiting Chiron and mean Lilith and the natal ones aimed at.
#include <benchmark/benchmark.h>

#include "aspects/timeline.hpp"
#include "engine/body_longitude.hpp"
#include "engine/calendar.hpp"

namespace {

using namespace solvaris;

TimelineRequest Transits(double years, bool extraPoints) {
    TimelineRequest request;
    // 1960 June 15, 7.30 A.M. at zone 5.
    request.natalJd = JulianDayNumber(1960, 6, 15) - 0.5 + (7.5 + 5) / 24;
    for (int p = Sun; p <= NorthNode; ++p) {
        request.natalLongitude[p] = BodyLongitude(Ephemeris{}, p, request.natalJd);
    }
    request.natalLongitude[Ascendant] = 65.2;
    request.natalLongitude[Midheaven] = 334.9;
    request.fromJd = request.natalJd;
    request.toJd = request.fromJd + years * 365.25;
    request.progressions = request.directions = false;
    request.transitOrbs = OneDegreeOrbs();
    request.extraPoints = extraPoints;
    for (const ExtraPoint point :
         {ExtraPoint::MeanLilith, ExtraPoint::TrueLilith, ExtraPoint::Chiron}) {
        if (const auto longitude = ExtraPointLongitude(Ephemeris{}, point, request.natalJd)) {
            request.natalExtraPoints.push_back({PointNumberOf(point), *longitude});
        }
    }
    return request;
}

// The request's timeline computed over and over, its events counted.
void TimeTimeline(benchmark::State& state, const TimelineRequest& request) {
    std::size_t events = 0;
    for (auto _ : state) {
        const auto timeline = ComputeTimeline(request);
        events = timeline.size();
        benchmark::DoNotOptimize(timeline.data());
    }
    state.counters["events"] = static_cast<double>(events);
}

void BM_TimelineTransits(benchmark::State& state) {
    const TimelineRequest request =
        Transits(static_cast<double>(state.range(0)), state.range(1) == 1);
    TimeTimeline(state, request);
}
BENCHMARK(BM_TimelineTransits)
    ->ArgNames({"years", "extra_points"})
    ->ArgsProduct({{1, 100}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The progressed and directed points over a life, with and without the
// natal extra points moving too.
void BM_TimelineProgressionsAndDirections(benchmark::State& state) {
    TimelineRequest request = Transits(static_cast<double>(state.range(0)), state.range(1) == 1);
    request.transits = false;
    request.progressions = request.directions = true;
    request.progressedOrbs = request.directedOrbs = OneDegreeOrbs();
    TimeTimeline(state, request);
}
BENCHMARK(BM_TimelineProgressionsAndDirections)
    ->ArgNames({"years", "extra_points"})
    ->ArgsProduct({{100}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
