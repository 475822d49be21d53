// The Moon's longitude series, Pluto's, the Sun's planetary terms and the
// Jupiter and Saturn perturbations with one sine per term (or multiple)
// beside the same series by angle addition, at the same instants.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "support/series_by_sines.hpp"

namespace {

using namespace solvaris;
using namespace solvaris::testing;

// 256 instants over 1900-2100 at uneven day fractions, in centuries from
// JD 2415020.0.
constexpr int kInstantCount = 256;

double CenturiesAt(int k) {
    const double jd = 2415020.5 + k * 285.37 + std::fmod(k * 0.618034, 1.0);
    return (jd - 2415020.0) / 36525;
}

struct SeriesArguments {
    double l, g, d, f;
};

std::array<SeriesArguments, kInstantCount> MakeArguments() {
    std::array<SeriesArguments, kInstantCount> arguments{};
    for (int k = 0; k < kInstantCount; ++k) {
        const MoonMeanArguments a = MoonArguments(CenturiesAt(k));
        arguments[k] = {a.meanAnomaly, a.sunMeanAnomaly, a.meanLongitude - a.sunMeanLongitude,
                        a.meanLongitude - a.node};
    }
    return arguments;
}
const std::array<SeriesArguments, kInstantCount> kArguments = MakeArguments();

void BM_MoonSeriesOneSinePerTerm(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        const SeriesArguments& x = kArguments[k++ % kInstantCount];
        const double sumArcsec = MoonLongitudeBySinesArcsec(x.l, x.g, x.d, x.f);
        benchmark::DoNotOptimize(sumArcsec);
    }
}
BENCHMARK(BM_MoonSeriesOneSinePerTerm);

void BM_MoonSeriesByAngleAddition(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        const SeriesArguments& x = kArguments[k++ % kInstantCount];
        benchmark::DoNotOptimize(MoonLongitudeSeriesArcsec(x.l, x.g, x.d, x.f));
    }
}
BENCHMARK(BM_MoonSeriesByAngleAddition);

void BM_PlutoSeriesOneSinePerTerm(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        const PlutoSums sums = PlutoSumsBySines(CenturiesAt(k++ % kInstantCount));
        benchmark::DoNotOptimize(sums);
    }
}
BENCHMARK(BM_PlutoSeriesOneSinePerTerm);

void BM_PlutoSeriesByAngleAddition(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlutoSeries(CenturiesAt(k++ % kInstantCount)));
    }
}
BENCHMARK(BM_PlutoSeriesByAngleAddition);

void BM_SunPlanetaryOneCosinePerTerm(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        const SunAnomalies a = SunAnomaliesAt(CenturiesAt(k++ % kInstantCount));
        const double sumArcsec = SunPlanetaryByCosinesArcsec(a);
        benchmark::DoNotOptimize(sumArcsec);
    }
}
BENCHMARK(BM_SunPlanetaryOneCosinePerTerm);

void BM_SunPlanetaryByAngleAddition(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            SunPlanetaryArcsec(SunAnomaliesAt(CenturiesAt(k++ % kInstantCount))));
    }
}
BENCHMARK(BM_SunPlanetaryByAngleAddition);

// Each planet takes its factors anew, as the driver does.
void BM_JupiterSaturnOneSinePerMultiple(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        const PerturbationArgs a = PerturbationArguments(CenturiesAt(k++ % kInstantCount));
        benchmark::DoNotOptimize(PerturbationFromFactors(5, JupiterSaturnFactorsBySines(a), a.nu));
        benchmark::DoNotOptimize(PerturbationFromFactors(6, JupiterSaturnFactorsBySines(a), a.nu));
    }
}
BENCHMARK(BM_JupiterSaturnOneSinePerMultiple);

void BM_JupiterSaturnByAngleAddition(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        const PerturbationArgs a = PerturbationArguments(CenturiesAt(k++ % kInstantCount));
        benchmark::DoNotOptimize(PlanetPerturbation(5, a));
        benchmark::DoNotOptimize(PlanetPerturbation(6, a));
    }
}
BENCHMARK(BM_JupiterSaturnByAngleAddition);

}  // namespace
