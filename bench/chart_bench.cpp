// The whole chart pass (natal, progressed, solar-arc and transit sets) side
// by side with Swiss Ephemeris's analytic mode computing the same bodies
// (with their daily motions) and cusps for the same three moments.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>

#include "base/option_numbers.hpp"
#include "chart/chart_sets.hpp"
#include "chart/progressions.hpp"
#include "support/sample_people.hpp"

namespace {

using namespace solvaris;

// Argument 1: with Lilith and Chiron as well (option 225); Chiron's orbit is
// integrated out to both moments before the timing starts.
void BM_ComputeChartSets(benchmark::State& state) {
    const BirthData natal = Person(15, 6, 1960, 7.30f, "A.M.");
    BirthData diurnal = Person(6, 12, 2026, 1.00f, "P.M.");
    OptionTable options;
    options.Set(212, 1);
    options.Set(opt::ExtraPoints, static_cast<float>(state.range(0)));
    ChartStore store;
    ComputeChartSets(
        {natal, diurnal, AgeYears(natal, diurnal), HouseSystem::Placidus, options, Ephemeris{}},
        store);
    int k = 0;
    for (auto _ : state) {
        // A different diurnal day each time, so that nothing repeats.
        diurnal.day = static_cast<std::int16_t>(1 + k++ % 28);
        ComputeChartSets(
            {natal, diurnal, AgeYears(natal, diurnal), HouseSystem::Placidus, options, Ephemeris{}},
            store);
        benchmark::DoNotOptimize(store);
    }
}
BENCHMARK(BM_ComputeChartSets)->ArgName("extra_points")->Arg(0)->Arg(1);

constexpr std::array<int, 11> kBodies{SE_SUN,     SE_MERCURY, SE_VENUS,    SE_MARS,
                                      SE_JUPITER, SE_SATURN,  SE_URANUS,   SE_NEPTUNE,
                                      SE_PLUTO,   SE_MOON,    SE_MEAN_NODE};

void BM_SwissThreeCharts(benchmark::State& state) {
    double xx[6];
    double cusps[13];
    double ascmc[10];
    char serr[AS_MAXCH];
    int k = 0;
    for (auto _ : state) {
        const double transit = 2461376.0 + k++ % 28;
        // Natal, progressed (forty days on) and transit moments.
        for (double jd : {2437100.6, 2437140.6, transit}) {
            for (int body : kBodies) {
                swe_calc_ut(jd, body, SEFLG_MOSEPH | SEFLG_SPEED, xx, serr);
                benchmark::DoNotOptimize(xx);
            }
            swe_houses(jd, 40.72, -74.0, 'P', cusps, ascmc);
            benchmark::DoNotOptimize(cusps);
        }
    }
}
BENCHMARK(BM_SwissThreeCharts);

}  // namespace
