// The long series summed by angle addition against one sine per term, the
// way the theories tabulate them, at seeded instants across the centuries
// the program accepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "engine/angles.hpp"
#include "engine/moon.hpp"

namespace solvaris {
namespace {

// The arguments MoonPosition feeds its longitude series, in degrees.
struct MoonSeriesArguments {
    double l, g, d, f;
};

MoonSeriesArguments MoonSeriesArgumentsAt(double t) {
    const MoonMeanArguments a = MoonArguments(t);
    return {a.meanAnomaly, a.sunMeanAnomaly, a.meanLongitude - a.sunMeanLongitude,
            a.meanLongitude - a.node};
}

double MoonSeriesDirectArcsec(const MoonSeriesArguments& x) {
    double sumArcsec = 0;
    for (const MoonLongitudeTerm& term : MoonLongitudeTerms()) {
        const double argumentDeg = term.l * x.l + term.g * x.g + term.d * x.d + term.f * x.f;
        sumArcsec += term.coefficientArcsec * std::sin(argumentDeg * PI / 180);
    }
    return sumArcsec;
}

double MoonSeriesByAdditionArcsec(const MoonSeriesArguments& x) {
    return MoonLongitudeSeriesArcsec(x.l, x.g, x.d, x.f);
}

TEST(Series, AngleAdditionAgreesWithOneSinePerTerm) {
    struct Case {
        const char* body;
        const char* span;
        double fromCenturies;  // from JD 2415020.0
        double toCenturies;
        int instantCount;
        double (*byAdditionArcsec)(const MoonSeriesArguments&);
        double (*directArcsec)(const MoonSeriesArguments&);
    };
    const Case cases[] = {
        {"Moon", "1800-2100", -1.0, 2.0, 4000, MoonSeriesByAdditionArcsec, MoonSeriesDirectArcsec},
        {"Moon", "year 100", -18.0, -17.99, 500, MoonSeriesByAdditionArcsec,
         MoonSeriesDirectArcsec},
        {"Moon", "year 2099", 1.99, 2.0, 500, MoonSeriesByAdditionArcsec, MoonSeriesDirectArcsec},
    };
    constexpr double kLargestDifferenceDeg = 1e-12;
    std::mt19937_64 random(20261207);
    for (const Case& c : cases) {
        std::uniform_real_distribution<double> instant(c.fromCenturies, c.toCenturies);
        double largestDifferenceDeg = 0;
        double largestSeriesDeg = 0;
        for (int k = 0; k < c.instantCount; ++k) {
            const MoonSeriesArguments x = MoonSeriesArgumentsAt(instant(random));
            const double directDeg = c.directArcsec(x) / 3600;
            largestDifferenceDeg =
                std::max(largestDifferenceDeg, std::fabs(c.byAdditionArcsec(x) / 3600 - directDeg));
            largestSeriesDeg = std::max(largestSeriesDeg, std::fabs(directDeg));
        }
        EXPECT_LT(largestDifferenceDeg, kLargestDifferenceDeg) << c.body << " " << c.span;
        // The series carries the equation of the centre and the evection:
        // several degrees, so the agreement is not that of two zeros.
        EXPECT_GT(largestSeriesDeg, 5.0) << c.body << " " << c.span;
    }
}

}  // namespace
}  // namespace solvaris
