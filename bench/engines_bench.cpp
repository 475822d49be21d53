// The two engines side by side: the position driver, a solar return and a
// year of transits on the built-in theories and on Swiss Ephemeris (its
// analytical mode), with the library's own calls for the same bodies at the
// same instants as the floor.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>
#include <cmath>

#include "aspects/timeline.hpp"
#include "bench_instants.hpp"
#include "chart/returns.hpp"
#include "engine/angles.hpp"
#include "engine/body_longitude.hpp"
#include "engine/calendar.hpp"
#include "engine/positions.hpp"
#include "support/scripted_platform.hpp"

namespace {

using namespace solvaris;

using bench::kInstantCount;
using bench::kInstants;

Ephemeris EngineOf(const benchmark::State& state) {
    return ResolveEphemeris(state.range(0) == 1 ? EphemerisEngine::Swiss : EphemerisEngine::BuiltIn,
                            "");
}

// The instant and one day later, as a chart takes them.
void BM_EngineComputePositions(benchmark::State& state) {
    const Ephemeris ephemeris = EngineOf(state);
    std::size_t k = 0;
    for (auto _ : state) {
        const double jd = kInstants[k++ % kInstantCount];
        const PositionRequest request = PositionRequestAt(ephemeris, jd);
        PositionTables tables;
        double trueNode = kTrueNodeUnset;
        benchmark::DoNotOptimize(ComputePositions(request, tables, trueNode));
    }
}
BENCHMARK(BM_EngineComputePositions)->ArgName("swiss")->Arg(0)->Arg(1);

// The floor: the same calls the Swiss engine makes, with nothing around them
// (ten bodies and two nodes at the instant and a day later, the obliquity
// and the sidereal time).
void BM_SwissCallsAlone(benchmark::State& state) {
    constexpr std::array<int, 12> kBodies{SE_SUN,     SE_MERCURY, SE_VENUS,     SE_MARS,
                                          SE_JUPITER, SE_SATURN,  SE_URANUS,    SE_NEPTUNE,
                                          SE_PLUTO,   SE_MOON,    SE_MEAN_NODE, SE_TRUE_NODE};
    std::size_t k = 0;
    double x[6];
    char error[AS_MAXCH];
    for (auto _ : state) {
        const double jd = kInstants[k++ % kInstantCount];
        swe_calc_ut(jd, SE_ECL_NUT, SEFLG_MOSEPH, x, error);
        benchmark::DoNotOptimize(swe_sidtime(jd));
        for (const double when : {jd, jd + 1}) {
            for (const int body : kBodies) {
                benchmark::DoNotOptimize(swe_calc_ut(when, body, SEFLG_MOSEPH, x, error));
            }
        }
    }
}
BENCHMARK(BM_SwissCallsAlone);

void BM_EngineSolarReturn(benchmark::State& state) {
    const Ephemeris ephemeris = EngineOf(state);
    ScriptedPlatform platform;
    BirthData natal;
    natal.year = 1950;
    natal.month = 12;
    natal.day = 5;
    natal.time = 7.45f;
    natal.meridiem = "P.M.";
    natal.timeZone = 5;
    BirthData diurnal = natal;
    diurnal.year = 2026;
    const double natalSun = BodyLongitude(ephemeris, Sun, 2433621.5 + 0.5);
    int k = 0;
    for (auto _ : state) {
        ReturnSearch search = InitialReturnSearch(natal, diurnal);
        search.solarYear += k++ % 40;
        const auto moment =
            SolarReturnSearch(ephemeris, Zodiac{}, natalSun, natal, search, platform);
        benchmark::DoNotOptimize(
            ComputeReturnSet(ephemeris, Zodiac{}, *moment, search, HouseSystem::Placidus));
    }
}
BENCHMARK(BM_EngineSolarReturn)->ArgName("swiss")->Arg(0)->Arg(1);

void BM_EngineYearOfTransits(benchmark::State& state) {
    TimelineRequest request;
    request.ephemeris = EngineOf(state);
    request.natalJd = 2433621.5;
    for (int p = Sun; p <= Midheaven; ++p) {
        request.natalLongitude[p] = 23.7 * p;
    }
    request.fromJd = JulianDayNumber(2026, 1, 1) - 0.5;
    request.toJd = request.fromJd + 365;
    request.progressions = request.directions = false;
    request.transitOrbs = OneDegreeOrbs();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeTimeline(request));
    }
}
BENCHMARK(BM_EngineYearOfTransits)->ArgName("swiss")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
