// The Moon's longitude series with one sine per term beside the same series
// by angle addition, at the same instants.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "engine/angles.hpp"
#include "engine/moon.hpp"

namespace {

using namespace solvaris;

struct SeriesArguments {
    double l, g, d, f;
};

// 256 instants over 1900-2100 at uneven day fractions.
constexpr int kInstantCount = 256;

std::array<SeriesArguments, kInstantCount> MakeArguments() {
    std::array<SeriesArguments, kInstantCount> arguments{};
    for (int k = 0; k < kInstantCount; ++k) {
        const double jd = 2415020.5 + k * 285.37 + std::fmod(k * 0.618034, 1.0);
        const MoonMeanArguments a = MoonArguments((jd - 2415020.0) / 36525);
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
        double sumArcsec = 0;
        for (const MoonLongitudeTerm& term : MoonLongitudeTerms()) {
            sumArcsec += term.coefficientArcsec *
                         SinDeg(term.l * x.l + term.g * x.g + term.d * x.d + term.f * x.f);
        }
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

}  // namespace
