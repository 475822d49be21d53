// The long series summed by angle addition against one sine per term, the
// way the theories tabulate them, at seeded instants across the centuries
// the program accepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "engine/angles.hpp"
#include "engine/moon.hpp"
#include "engine/pluto.hpp"

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

TEST(Series, AngleAdditionAgreesWithOneSinePerTerm) {
    struct Case {
        const char* body;
        const char* span;
        double fromCenturies;  // from JD 2415020.0
        double toCenturies;
        int instantCount;
        Comparison (*compare)(double t);
        double smallestLargestSizeDeg;
    };
    const Case cases[] = {
        {"Moon", "1800-2100", -1.0, 2.0, 4000, CompareMoon, 5.0},
        {"Moon", "year 100", -18.0, -17.99, 500, CompareMoon, 5.0},
        {"Moon", "year 2099", 1.99, 2.0, 500, CompareMoon, 5.0},
        {"Pluto", "1800-2100", -1.0, 2.0, 4000, ComparePluto, 20.0},
        {"Pluto", "year 100", -18.0, -17.99, 500, ComparePluto, 1.0},
        {"Pluto", "year 2099", 1.99, 2.0, 500, ComparePluto, 1.0},
    };
    constexpr double kLargestDifferenceDeg = 1e-12;
    std::mt19937_64 random(20261207);
    for (const Case& c : cases) {
        std::uniform_real_distribution<double> instant(c.fromCenturies, c.toCenturies);
        double largestDifferenceDeg = 0;
        double largestSizeDeg = 0;
        for (int k = 0; k < c.instantCount; ++k) {
            const Comparison comparison = c.compare(instant(random));
            largestDifferenceDeg = std::max(largestDifferenceDeg, comparison.differenceDeg);
            largestSizeDeg = std::max(largestSizeDeg, comparison.sizeDeg);
        }
        EXPECT_LT(largestDifferenceDeg, kLargestDifferenceDeg) << c.body << " " << c.span;
        EXPECT_GT(largestSizeDeg, c.smallestLargestSizeDeg) << c.body << " " << c.span;
    }
}

}  // namespace
}  // namespace solvaris
