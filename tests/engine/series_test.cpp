// The long series summed by angle addition against one sine per term, the
// way the theories tabulate them, at seeded instants across the centuries
// the program accepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "engine/angles.hpp"
#include "engine/moon.hpp"
#include "engine/perturbations.hpp"
#include "engine/pluto.hpp"
#include "engine/sun.hpp"

namespace solvaris {
namespace {

double SinDirect(double xDeg) { return std::sin(xDeg * PI / 180); }
double CosDirect(double xDeg) { return std::cos(xDeg * PI / 180); }

// How far the evaluation by angle addition lies from one sine per term at
// one instant, and how large the series is there (so that the agreement is
// not that of two zeros).
struct Comparison {
    double differenceDeg;
    double sizeDeg;
};

Comparison CompareMoon(double t) {
    const MoonMeanArguments a = MoonArguments(t);
    const double l = a.meanAnomaly;
    const double g = a.sunMeanAnomaly;
    const double d = a.meanLongitude - a.sunMeanLongitude;
    const double f = a.meanLongitude - a.node;
    double directArcsec = 0;
    for (const MoonLongitudeTerm& term : MoonLongitudeTerms()) {
        directArcsec +=
            term.coefficientArcsec * SinDirect(term.l * l + term.g * g + term.d * d + term.f * f);
    }
    const double byAdditionArcsec = MoonLongitudeSeriesArcsec(l, g, d, f);
    return {std::fabs(byAdditionArcsec - directArcsec) / 3600, std::fabs(directArcsec) / 3600};
}

// Longitude and latitude in degrees; the radius in astronomical units is
// held to the same bound.
Comparison ComparePluto(double t) {
    const double j = Normalize360(238.74 + 3034.9057 * t);
    const double s = Normalize360(267.26 + 1222.1138 * t);
    const double p = Normalize360(93.48 + 144.96 * t);
    double lon = 0;
    double lat = 0;
    double rad = 0;
    for (const PlutoTerm& term : PlutoTerms()) {
        const double alphaDeg = term.j * j + term.s * s + term.p * p;
        const double sinA = SinDirect(alphaDeg);
        const double cosA = CosDirect(alphaDeg);
        lon += term.lonSin * sinA + term.lonCos * cosA;
        lat += term.latSin * sinA + term.latCos * cosA;
        rad += term.radSin * sinA + term.radCos * cosA;
    }
    const Heliocentric direct{93.297471 + 144.96 * t + lon / 1000000, lat / 1000000 - 3.909434,
                              rad / 1000000 + 40.724725};
    const Heliocentric byAddition = PlutoSeries(t);
    return {std::max({std::fabs(byAddition.longitude - direct.longitude),
                      std::fabs(byAddition.latitude - direct.latitude),
                      std::fabs(byAddition.radius - direct.radius)}),
            std::fabs(lon / 1000000)};
}

// The Sun's 35 planetary terms, arcseconds turned into degrees, at the mean
// anomalies of the instant.
Comparison CompareSun(double t) {
    SunAnomalies anomalies{};
    anomalies.sunDeg = Normalize360(358.4758333 + 35999 * t);
    anomalies.planetDeg[kVenus] = Normalize360(212.45 + 58517.493 * t);
    anomalies.planetDeg[kMars] = Normalize360(319.58 + 19139.977 * t);
    anomalies.planetDeg[kJupiter] = Normalize360(225.28 + 3034.583 * t);
    anomalies.planetDeg[kSaturn] = Normalize360(175.6 + 1221.794 * t);
    double directArcsec = 0;
    for (const SunPlanetaryTerm& term : SunPlanetaryTerms()) {
        directArcsec +=
            term.coefficientArcsec *
            CosDirect(term.phaseDeg + term.planetMultiple * anomalies.planetDeg[term.planet] +
                      term.sunMultiple * anomalies.sunDeg);
    }
    return {std::fabs(SunPlanetaryArcsec(anomalies) - directArcsec) / 3600,
            std::fabs(directArcsec) / 3600};
}

// Every factor with one sine or cosine of its own, as the formulae write them.
PerturbationFactors DirectFactors(const PerturbationArgs& a, const UranusNeptuneAngles& angles) {
    using namespace perturbation_factor;
    PerturbationFactors f{};
    f[One] = 1;
    for (int k = 1; k <= 2; ++k) {
        f[SinV + 2 * (k - 1)] = SinDirect(k * a.v);
        f[CosV + 2 * (k - 1)] = CosDirect(k * a.v);
        f[SinH + 2 * (k - 1)] = SinDirect(k * a.h);
        f[CosH + 2 * (k - 1)] = CosDirect(k * a.h);
    }
    f[SinW] = SinDirect(a.w);
    for (int k = 1; k <= 5; ++k) {
        f[SinZ1 + k - 1] = SinDirect(k * a.zeta);
        f[CosZ1 + k - 1] = CosDirect(k * a.zeta);
    }
    for (int k = 1; k <= 4; ++k) {
        f[SinQ1 + k - 1] = SinDirect(k * a.q);
        f[CosQ1 + k - 1] = CosDirect(k * a.q);
    }
    f[Sin2Psi] = SinDirect(2 * a.psi);
    f[Cos2Psi] = CosDirect(2 * a.psi);
    f[Sin3Psi] = SinDirect(3 * a.psi);
    f[Cos3Psi] = CosDirect(3 * a.psi);
    const double eta = angles.eta;
    const double theta = angles.theta;
    f[SinSEta] = SinDirect(a.s + eta);
    f[CosSEta] = CosDirect(a.s + eta);
    f[Cos2SEta] = CosDirect(2 * a.s + eta);
    f[SinS3Theta] = SinDirect(a.s + 3 * theta);
    f[SinZetaP] = SinDirect(angles.zetaPrime);
    f[SinEta] = SinDirect(eta);
    f[CosEta] = CosDirect(eta);
    f[SinTheta] = SinDirect(theta);
    f[Sin2Theta] = SinDirect(2 * theta);
    f[Sin3Theta] = SinDirect(3 * theta);
    f[Cos2Theta] = CosDirect(2 * theta);
    f[SinG] = SinDirect(a.g);
    f[CosG] = CosDirect(a.g);
    return f;
}

// The perturbations of one planet (mean longitude, perihelion and extra
// longitude in degrees; eccentricity and axis held to the same bound).
template <int kIndex>
Comparison ComparePerturbation(double t) {
    const PerturbationArgs a = PerturbationArguments(t);
    const Perturbation direct =
        PerturbationFromFactors(kIndex, DirectFactors(a, UranusNeptuneAnglesOf(kIndex, a)), a.nu);
    const Perturbation byAddition = PlanetPerturbation(kIndex, a);
    return {std::max({std::fabs(byAddition.meanLongitudeDeg - direct.meanLongitudeDeg),
                      std::fabs(byAddition.perihelionDeg - direct.perihelionDeg),
                      std::fabs(byAddition.eccentricity - direct.eccentricity),
                      std::fabs(byAddition.semiMajorAxisAu - direct.semiMajorAxisAu),
                      std::fabs(byAddition.extraLongitudeDeg - direct.extraLongitudeDeg)}),
            std::fabs(direct.meanLongitudeDeg)};
}

// 10,000 seeded instants a body: 9,000 over 1800-2100 and 500 in each of the
// years 100 and 2099, the ends of the range the program accepts.
TEST(Series, AngleAdditionAgreesWithOneSinePerTerm) {
    struct Case {
        const char* body;
        Comparison (*compare)(double t);
        double largestDifferenceDeg;
        double smallestLargestSizeDeg;  // of the series at the same instants
    };
    const Case cases[] = {
        {"Moon", CompareMoon, 1e-13, 5.0},
        {"Pluto", ComparePluto, 1e-12, 1.0},
        {"Sun", CompareSun, 1e-16, 0.002},
        {"Jupiter", ComparePerturbation<5>, 1e-13, 0.2},
        {"Saturn", ComparePerturbation<6>, 1e-13, 0.5},
        {"Uranus", ComparePerturbation<7>, 1e-14, 0.5},
        {"Neptune", ComparePerturbation<8>, 1e-14, 0.3},
    };
    struct Span {
        double fromCenturies;  // from JD 2415020.0
        double toCenturies;
        int instantCount;
    };
    const Span spans[] = {{-1.0, 2.0, 9000}, {-18.0, -17.99, 500}, {1.99, 2.0, 500}};
    std::mt19937_64 random(20261207);
    for (const Case& c : cases) {
        double largestDifferenceDeg = 0;
        double largestSizeDeg = 0;
        for (const Span& span : spans) {
            std::uniform_real_distribution<double> instant(span.fromCenturies, span.toCenturies);
            for (int k = 0; k < span.instantCount; ++k) {
                const Comparison comparison = c.compare(instant(random));
                largestDifferenceDeg = std::max(largestDifferenceDeg, comparison.differenceDeg);
                largestSizeDeg = std::max(largestSizeDeg, comparison.sizeDeg);
            }
        }
        EXPECT_LT(largestDifferenceDeg, c.largestDifferenceDeg) << c.body;
        EXPECT_GT(largestSizeDeg, c.smallestLargestSizeDeg) << c.body;
    }
}

}  // namespace
}  // namespace solvaris
