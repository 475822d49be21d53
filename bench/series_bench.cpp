// The Moon's longitude series, Pluto's, the Sun's planetary terms and the
// Jupiter and Saturn perturbations with one sine per term (or multiple)
// beside the same series by angle addition, at the same instants.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "engine/angles.hpp"
#include "engine/moon.hpp"
#include "engine/perturbations.hpp"
#include "engine/pluto.hpp"
#include "engine/sun.hpp"

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

SunAnomalies SunAnomaliesAt(double t) {
    SunAnomalies a{};
    a.sunDeg = Normalize360(358.4758333 + 35999 * t);
    a.planetDeg[kVenus] = Normalize360(212.45 + 58517.493 * t);
    a.planetDeg[kMars] = Normalize360(319.58 + 19139.977 * t);
    a.planetDeg[kJupiter] = Normalize360(225.28 + 3034.583 * t);
    a.planetDeg[kSaturn] = Normalize360(175.6 + 1221.794 * t);
    return a;
}

void BM_SunPlanetaryOneCosinePerTerm(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        const SunAnomalies a = SunAnomaliesAt(CenturiesAt(k++ % kInstantCount));
        double sumArcsec = 0;
        for (const SunPlanetaryTerm& term : SunPlanetaryTerms()) {
            sumArcsec += term.coefficientArcsec *
                         CosDeg(term.phaseDeg + term.planetMultiple * a.planetDeg[term.planet] +
                                term.sunMultiple * a.sunDeg);
        }
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

// Jupiter's and Saturn's factors, each with a sine of its own.
PerturbationFactors FactorsOneSinePerMultiple(const PerturbationArgs& a) {
    using namespace perturbation_factor;
    PerturbationFactors f{};
    f[One] = 1;
    for (int m = 1; m <= 2; ++m) {
        f[SinV + 2 * (m - 1)] = SinDeg(m * a.v);
        f[CosV + 2 * (m - 1)] = CosDeg(m * a.v);
    }
    f[SinW] = SinDeg(a.w);
    for (int m = 1; m <= 5; ++m) {
        f[SinZ1 + m - 1] = SinDeg(m * a.zeta);
        f[CosZ1 + m - 1] = CosDeg(m * a.zeta);
    }
    for (int m = 1; m <= 4; ++m) {
        f[SinQ1 + m - 1] = SinDeg(m * a.q);
        f[CosQ1 + m - 1] = CosDeg(m * a.q);
    }
    f[Sin2Psi] = SinDeg(2 * a.psi);
    f[Cos2Psi] = CosDeg(2 * a.psi);
    f[Sin3Psi] = SinDeg(3 * a.psi);
    f[Cos3Psi] = CosDeg(3 * a.psi);
    return f;
}

// Each planet takes its factors anew, as the driver does.
void BM_JupiterSaturnOneSinePerMultiple(benchmark::State& state) {
    int k = 0;
    for (auto _ : state) {
        const PerturbationArgs a = PerturbationArguments(CenturiesAt(k++ % kInstantCount));
        benchmark::DoNotOptimize(PerturbationFromFactors(5, FactorsOneSinePerMultiple(a), a.nu));
        benchmark::DoNotOptimize(PerturbationFromFactors(6, FactorsOneSinePerMultiple(a), a.nu));
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
