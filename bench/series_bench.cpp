// The Moon's longitude series and Pluto's with one sine per term beside the
// same series by angle addition, at the same instants.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "engine/angles.hpp"
#include "engine/moon.hpp"
#include "engine/pluto.hpp"

namespace {

using namespace solvaris;

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

void BM_PlutoSeriesOneSinePerTerm(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        const double t = CenturiesAt(k++ % kInstantCount);
        const double j = Normalize360(238.74 + 3034.9057 * t);
        const double s = Normalize360(267.26 + 1222.1138 * t);
        const double p = Normalize360(93.48 + 144.96 * t);
        double lon = 0;
        double lat = 0;
        double rad = 0;
        for (const PlutoTerm& term : PlutoTerms()) {
            const double alphaDeg = term.j * j + term.s * s + term.p * p;
            const double sinA = SinDeg(alphaDeg);
            const double cosA = CosDeg(alphaDeg);
            lon += term.lonSin * sinA + term.lonCos * cosA;
            lat += term.latSin * sinA + term.latCos * cosA;
            rad += term.radSin * sinA + term.radCos * cosA;
        }
        benchmark::DoNotOptimize(lon);
        benchmark::DoNotOptimize(lat);
        benchmark::DoNotOptimize(rad);
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

}  // namespace
