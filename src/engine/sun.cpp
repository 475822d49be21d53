#include "engine/sun.hpp"

#include <array>
#include <cmath>
#include <span>

#include "engine/angle_multiples.hpp"
#include "engine/angles.hpp"

namespace solvaris {

namespace {

constexpr std::array<SunPlanetaryTerm, 35> kPlanetaryTerms{{
    {4.838, 299.102, kVenus, 1, -1},   {0.116, 148.9, kVenus, 2, -1},
    {5.526, 148.313, kVenus, 2, -2},   {2.497, 315.943, kVenus, 2, -3},
    {0.666, 177.71, kVenus, 3, -3},    {1.559, 345.253, kVenus, 3, -4},
    {1.024, 318.15, kVenus, 3, -5},    {0.21, 206.2, kVenus, 4, -4},
    {0.144, 195.4, kVenus, 4, -5},     {0.152, 343.8, kVenus, 4, -6},
    {0.123, 195.3, kVenus, 5, -7},     {0.154, 359.6, kVenus, 5, -8},
    {0.273, 217.7, kMars, -1, 1},      {2.043, 343.888, kMars, -2, 2},
    {1.77, 200.402, kMars, -2, 1},     {0.129, 294.2, kMars, -3, 3},
    {0.425, 338.88, kMars, -3, 2},     {0.5, 105.18, kMars, -4, 3},
    {0.585, 334.06, kMars, -4, 2},     {0.204, 100.8, kMars, -5, 3},
    {0.154, 227.4, kMars, -6, 4},      {0.101, 96.3, kMars, -6, 3},
    {0.106, 222.7, kMars, -7, 4},      {0.163, 198.6, kJupiter, -1, 2},
    {7.208, 179.532, kJupiter, -1, 1}, {2.6, 263.217, kJupiter, -1, 0},
    {2.731, 87.145, kJupiter, -2, 2},  {1.61, 109.493, kJupiter, -2, 1},
    {0.164, 170.5, kJupiter, -3, 3},   {0.556, 82.65, kJupiter, -3, 2},
    {0.21, 98.5, kJupiter, -3, 1},     {0.419, 100.58, kSaturn, -1, 1},
    {0.32, 269.46, kSaturn, -1, 0},    {0.108, 290.6, kSaturn, -2, 2},
    {0.112, 293.6, kSaturn, -2, 1},
}};

constexpr bool EveryMultiplierWithin() {
    for (const SunPlanetaryTerm& term : kPlanetaryTerms) {
        if (!MultipleWithin<kLargestSunMultiple>(term.planetMultiple) ||
            !MultipleWithin<kLargestSunMultiple>(term.sunMultiple)) {
            return false;
        }
    }
    return true;
}
static_assert(EveryMultiplierWithin());

}  // namespace

std::span<const SunPlanetaryTerm> SunPlanetaryTerms() { return kPlanetaryTerms; }

double SunPlanetaryArcsec(const SunAnomalies& anomalies) {
    // The phases are constants: their rotations are taken once.
    static const std::array<Rotation, kPlanetaryTerms.size()> kPhases = [] {
        std::array<Rotation, kPlanetaryTerms.size()> phases{};
        for (std::size_t k = 0; k < kPlanetaryTerms.size(); ++k) {
            phases[k] = {CosDeg(kPlanetaryTerms[k].phaseDeg), SinDeg(kPlanetaryTerms[k].phaseDeg)};
        }
        return phases;
    }();
    std::array<AngleMultiples<kLargestSunMultiple>, kPerturbingPlanetCount> planet;
    for (int p = 0; p < kPerturbingPlanetCount; ++p) {
        planet[p] = MultiplesOf<kLargestSunMultiple>(anomalies.planetDeg[p]);
    }
    const AngleMultiples sun = MultiplesOf<kLargestSunMultiple>(anomalies.sunDeg);
    // Summed in the table's order, as one cosine per term would be.
    double sumArcsec = 0;
    for (std::size_t k = 0; k < kPlanetaryTerms.size(); ++k) {
        const SunPlanetaryTerm& term = kPlanetaryTerms[k];
        const Rotation r =
            kPhases[k] * planet[term.planet][term.planetMultiple] * sun[term.sunMultiple];
        sumArcsec += term.coefficientArcsec * r.cos;
    }
    return sumArcsec;
}

double SunPosition(double t) {
    const double longPeriodArcsec = (1.882 - 0.016 * t) * SinDeg(57.24 + 150.27 * t) +
                                    6.4 * SinDeg(231.19 + 20.2 * t) +
                                    0.266 * SinDeg(31.8 + 119.0 * t);
    const double meanLongitude =
        Normalize360(279.6966778 + 36000 * t + (2768.13 * t + 1.089 * t * t) / 3600 +
                     (0.202 * SinDeg(315.6 + 893.3 * t) + longPeriodArcsec) / 3600);

    SunAnomalies anomalies{};
    anomalies.sunDeg = Normalize360(358.4758333 + 35999 * t + (179.1 * t - 0.54 * t * t) / 3600 +
                                    longPeriodArcsec / 3600);
    anomalies.planetDeg[kVenus] = Normalize360(212.45 + 58517.493 * t);
    anomalies.planetDeg[kMars] = Normalize360(319.58 + 19139.977 * t);
    anomalies.planetDeg[kJupiter] =
        Normalize360(225.28 + 3034.583 * t + (1300 * SinDeg(133.775 + 39.804 * t)) / 3600);
    anomalies.planetDeg[kSaturn] = Normalize360(175.6 + 1221.794 * t);
    const double g = anomalies.sunDeg;
    const double elongation = Normalize360(350.737486 + 445267.114217 * t);
    const double moonAnomaly = Normalize360(296.104608 + 477198.849108 * t);

    const AngleMultiples<3> gMultiples = MultiplesOf<3>(g);
    const double centre = ((6910.057 - 17.24 * t) * gMultiples[1].sin +
                           (72.338 - 0.361 * t) * gMultiples[2].sin + 1.054 * gMultiples[3].sin) /
                          3600;

    const double planetaryArcsec = SunPlanetaryArcsec(anomalies);
    const Rotation e = MultiplesOf<1>(elongation)[1];
    const Rotation m = MultiplesOf<1>(moonAnomaly)[1];
    const double lunarArcsec = 6.454 * e.sin + 0.177 * (e * m).sin -
                               0.424 * (e * Rotation{m.cos, -m.sin}).sin +
                               0.172 * (e * gMultiples[-1]).sin;

    const double trueLongitude = meanLongitude + centre + (planetaryArcsec + lunarArcsec) / 3600;
    // Aberration and nutation.
    return Normalize360(trueLongitude - 0.00569 - 0.00479 * SinDeg(259.18 - 1934.142 * t));
}

SunAngleDistances SunDistancesFromAngles(double sunLongitude, double ascendant) {
    auto distance = [sunLongitude](double angle) {
        const double d = std::fabs(sunLongitude - angle);
        return d > 180 ? std::fabs(d - 360) : d;
    };
    return {distance(ascendant), distance(ascendant + 180)};
}

}  // namespace solvaris
