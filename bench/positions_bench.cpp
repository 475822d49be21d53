// The position driver and each theory alone, side by side with Swiss
// Ephemeris's analytic (Moshier) mode for the same bodies at the same
// instants.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>
#include <cmath>

#include "bench_instants.hpp"
#include "engine/angles.hpp"
#include "engine/calendar.hpp"
#include "engine/inner_planets.hpp"
#include "engine/moon.hpp"
#include "engine/outer_planets.hpp"
#include "engine/pluto.hpp"
#include "engine/positions.hpp"
#include "engine/sidereal.hpp"
#include "engine/sun.hpp"

namespace {

using namespace solvaris;

using bench::kInstantCount;
using bench::kInstants;

double CenturiesOf(double jd) { return (jd - 2415020.0) / 36525; }

// The argument 1: the instant and one day later (the motion), as every chart
// takes them; 0: the instant alone, as batch work takes it.
void BM_ComputePositions(benchmark::State& state) {
    int k = 0;
    PositionTables tables;
    for (auto _ : state) {
        const double jd = kInstants[k++ % kInstantCount];
        PositionRequest r;
        r.dayNumber = std::floor(jd + 0.5);
        r.utFraction = jd + 0.5 - r.dayNumber;
        r.obliquityRad = DegToRad(Obliquity(CenturiesOf(jd)));
        r.nextDay = state.range(0) != 0;
        double trueNode = kTrueNodeUnset;
        ComputePositions(r, tables, trueNode);
        benchmark::DoNotOptimize(tables);
    }
}
BENCHMARK(BM_ComputePositions)->Arg(1)->Arg(0);

void BM_SunPosition(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunPosition(CenturiesOf(kInstants[k++ % kInstantCount])));
    }
}
BENCHMARK(BM_SunPosition);

void BM_MoonPosition(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonPosition(CenturiesOf(kInstants[k++ % kInstantCount])));
    }
}
BENCHMARK(BM_MoonPosition);

// Earth, Mercury, Venus and Mars: the inner loop of the driver.
void BM_InnerPlanets(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        const double t2000 = (kInstants[k++ % kInstantCount] - 2451545.0) / 36525;
        EarthState earth;
        for (int i = 1; i <= 4; ++i) {
            benchmark::DoNotOptimize(InnerPlanet(i, t2000, earth));
        }
    }
}
BENCHMARK(BM_InnerPlanets);

// One outer planet with the Earth it is reduced with.
void BM_OuterPlanet(benchmark::State& state) {
    const int index = static_cast<int>(state.range(0));
    int k = 0;
    for (auto _ : state) {
        const double t = CenturiesOf(kInstants[k++ % kInstantCount]);
        EarthState earth;
        OuterPlanet(1, t, earth);
        benchmark::DoNotOptimize(OuterPlanet(index, t, earth));
    }
}
BENCHMARK(BM_OuterPlanet)->DenseRange(5, 9);

void BM_PlutoSeries(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlutoSeries(CenturiesOf(kInstants[k++ % kInstantCount])));
    }
}
BENCHMARK(BM_PlutoSeries);

constexpr std::array<int, 11> kSwissBodies{SE_SUN,     SE_MERCURY, SE_VENUS,    SE_MARS,
                                           SE_JUPITER, SE_SATURN,  SE_URANUS,   SE_NEPTUNE,
                                           SE_PLUTO,   SE_MOON,    SE_MEAN_NODE};

// The same ten bodies and the node, ecliptic positions only.
void BM_SwissMoshier(benchmark::State& state) {
    const int flags = SEFLG_MOSEPH | static_cast<int>(state.range(0));
    int k = 0;
    double xx[6];
    char serr[AS_MAXCH];
    for (auto _ : state) {
        const double jd = kInstants[k++ % kInstantCount];
        for (int body : kSwissBodies) {
            swe_calc_ut(jd, body, flags, xx, serr);
            benchmark::DoNotOptimize(xx);
        }
    }
}
BENCHMARK(BM_SwissMoshier)->Arg(0)->Arg(SEFLG_SPEED);

}  // namespace
