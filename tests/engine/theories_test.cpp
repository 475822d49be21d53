// The theories' own equations (their positions are the oracle's), and their long series
// by angle addition against one sine per term at seeded instants of the accepted years.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "engine/angles.hpp"
#include "engine/moon.hpp"
#include "engine/orbit.hpp"
#include "engine/pluto.hpp"
#include "engine/sun.hpp"
#include "support/series_by_sines.hpp"

namespace solvaris {
namespace {

TEST(Sun, DistancesFromTheAngles) {
    struct Case {
        double sun, asc, fromAsc, fromDesc;
    };
    for (const Case& c : {Case{10, 350, 20, 160}, Case{350, 10, 20, 160}, Case{100, 90, 10, 170},
                          Case{275, 90, 175, 5}, Case{0, 0, 0, 180}}) {
        const SunAngleDistances d = SunDistancesFromAngles(c.sun, c.asc);
        EXPECT_NEAR(d.fromAscendant, c.fromAsc, 1e-12) << c.sun << " " << c.asc;
        EXPECT_NEAR(d.fromDescendant, c.fromDesc, 1e-12) << c.sun << " " << c.asc;
    }
}

// The true node keeps near the mean one (the mean node is the oracle's).
TEST(Moon, TrueNodeStaysNearTheMeanNode) {
    double maxNodeGap = 0;
    for (int day = 0; day < 6800; day += 3) {  // a full nodal cycle
        const MoonResult m = MoonPosition(0.8 + day / 36525.0);
        double gap = std::fabs(Normalize360(m.trueNode) - m.meanNode);
        maxNodeGap = std::max(maxNodeGap, std::min(gap, 360 - gap));
    }
    EXPECT_LT(maxNodeGap, 2.0);
    EXPECT_GT(maxNodeGap, 1.0);  // the true node does swing
}

// Tighter than the oracle's bound on the geocentric Pluto; precession 50.29" a year.
TEST(Pluto, SeriesAndPrecessionAtJ2000) {
    const Heliocentric h = PlutoSeries(1);
    EXPECT_NEAR(h.longitude, 249.85, 0.01);
    EXPECT_NEAR(h.latitude, 11.17, 0.01);
    EXPECT_NEAR(h.radius, 30.22, 0.01);
    EXPECT_NEAR(PlutoPrecession(2451545), 50 * 50.29 / 3600, 0.0005);
}

using testing::JupiterSaturnFactorsBySines;
using testing::MoonLongitudeBySinesArcsec;
using testing::PlutoSums;
using testing::PlutoSumsBySines;
using testing::SunAnomaliesAt;
using testing::SunPlanetaryByCosinesArcsec;

// Angle addition against one sine per term, and the series' size (not two zeros agreeing).
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
    const double directArcsec = MoonLongitudeBySinesArcsec(l, g, d, f);
    const double byAdditionArcsec = MoonLongitudeSeriesArcsec(l, g, d, f);
    return {std::fabs(byAdditionArcsec - directArcsec) / 3600, std::fabs(directArcsec) / 3600};
}

// The radius in astronomical units held to the degrees' bound.
Comparison ComparePluto(double t) {
    const PlutoSums sums = PlutoSumsBySines(t);
    const Heliocentric direct{93.297471 + 144.96 * t + sums.lon / 1000000,
                              sums.lat / 1000000 - 3.909434, sums.rad / 1000000 + 40.724725};
    const Heliocentric byAddition = PlutoSeries(t);
    return {std::max({std::fabs(byAddition.longitude - direct.longitude),
                      std::fabs(byAddition.latitude - direct.latitude),
                      std::fabs(byAddition.radius - direct.radius)}),
            std::fabs(sums.lon / 1000000)};
}

// The Sun's 35 planetary terms at the mean anomalies of the instant.
Comparison CompareSun(double t) {
    const SunAnomalies anomalies = SunAnomaliesAt(t);
    const double directArcsec = SunPlanetaryByCosinesArcsec(anomalies);
    return {std::fabs(SunPlanetaryArcsec(anomalies) - directArcsec) / 3600,
            std::fabs(directArcsec) / 3600};
}

// Every factor with one sine or cosine of its own, as the formulae write them.
PerturbationFactors DirectFactors(const PerturbationArgs& a, const UranusNeptuneAngles& angles) {
    using namespace perturbation_factor;
    PerturbationFactors f = JupiterSaturnFactorsBySines(a);
    for (int k = 1; k <= 2; ++k) {
        f[SinH + 2 * (k - 1)] = SinDeg(k * a.h);
        f[CosH + 2 * (k - 1)] = CosDeg(k * a.h);
    }
    const double eta = angles.eta;
    const double theta = angles.theta;
    f[SinSEta] = SinDeg(a.s + eta);
    f[CosSEta] = CosDeg(a.s + eta);
    f[Cos2SEta] = CosDeg(2 * a.s + eta);
    f[SinS3Theta] = SinDeg(a.s + 3 * theta);
    f[SinZetaP] = SinDeg(angles.zetaPrime);
    f[SinEta] = SinDeg(eta);
    f[CosEta] = CosDeg(eta);
    f[SinTheta] = SinDeg(theta);
    f[Sin2Theta] = SinDeg(2 * theta);
    f[Sin3Theta] = SinDeg(3 * theta);
    f[Cos2Theta] = CosDeg(2 * theta);
    f[SinG] = SinDeg(a.g);
    f[CosG] = CosDeg(a.g);
    return f;
}

// One planet's perturbations, eccentricity and axis held to the degrees' bound.
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

// 10,000 seeded instants a body: 9,000 over 1800-2100, 500 in each of the years 100 and 2099.
TEST(Series, AngleAdditionAgreesWithOneSinePerTerm) {
    struct Case {
        const char* body;
        Comparison (*compare)(double t);
        double largestDifferenceDeg;
        double smallestLargestSizeDeg;  // of the series at the same instants
    };
    const Case cases[] = {{"Moon", CompareMoon, 1e-13, 5.0},
                          {"Pluto", ComparePluto, 1e-12, 1.0},
                          {"Sun", CompareSun, 1e-16, 0.002},
                          {"Jupiter", ComparePerturbation<5>, 1e-13, 0.2},
                          {"Saturn", ComparePerturbation<6>, 1e-13, 0.5},
                          {"Uranus", ComparePerturbation<7>, 1e-14, 0.5},
                          {"Neptune", ComparePerturbation<8>, 1e-14, 0.3}};
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
