// A solar and a lunar return search from the chart driver's starting point.
#include <benchmark/benchmark.h>

#include "chart/returns.hpp"
#include "engine/moon.hpp"
#include "engine/sun.hpp"
#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"

namespace {

using namespace solvaris;

// T of 1960 June 15, 7.30 A.M. at zone 5.
constexpr double kNatalT = (2437101 - 2415020 + (7.5 + 5) / 24 - 0.5) / 36525;

void BM_SolarReturnSearch(benchmark::State& state) {
    const BirthData natal = Person(15, 6, 1960, 7.30f, "A.M.");
    const BirthData diurnal = Person(6, 12, 2026, 1.00f, "P.M.");
    const double natalSun = SunPosition(kNatalT);
    ScriptedPlatform platform;
    int k = 0;
    for (auto _ : state) {
        ReturnSearch search = InitialReturnSearch(natal, diurnal);
        search.solarYear += k++ % 40;
        benchmark::DoNotOptimize(
            SolarReturnSearch(Ephemeris{}, Zodiac{}, natalSun, natal, search, platform));
    }
}
BENCHMARK(BM_SolarReturnSearch);

void BM_LunarReturnSearch(benchmark::State& state) {
    const BirthData natal = Person(15, 6, 1960, 7.30f, "A.M.");
    const BirthData diurnal = Person(6, 12, 2026, 1.00f, "P.M.");
    const double natalMoon = MoonPosition(kNatalT).longitude;
    ScriptedPlatform platform;
    int k = 0;
    for (auto _ : state) {
        ReturnSearch search = InitialReturnSearch(natal, diurnal);
        search.lunarDay += k++ % 300;
        benchmark::DoNotOptimize(
            LunarReturnSearch(Ephemeris{}, Zodiac{}, natalMoon, natal, search, platform));
    }
}
BENCHMARK(BM_LunarReturnSearch);

}  // namespace
