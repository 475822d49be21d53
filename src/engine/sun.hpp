// Newcomb's theory of the Sun with its principal periodic terms.
#pragma once

#include <array>
#include <span>

namespace solvaris {

enum PerturbingPlanet { kVenus, kMars, kJupiter, kSaturn, kPerturbingPlanetCount };

// One term c * cos(phase + planetMultiple * gPlanet + sunMultiple * g), in
// arcseconds.
struct SunPlanetaryTerm {
    double coefficientArcsec;
    double phaseDeg;
    PerturbingPlanet planet;
    int planetMultiple;
    int sunMultiple;
};

// The multipliers of the planetary terms reach 8 (Mars -7, the Sun -8).
inline constexpr int kLargestSunMultiple = 8;

std::span<const SunPlanetaryTerm> SunPlanetaryTerms();

// The mean anomalies the planetary terms are built from, degrees.
struct SunAnomalies {
    double sunDeg;
    std::array<double, kPerturbingPlanetCount> planetDeg;
};

// The sum of the planetary terms, arcseconds: one sine and cosine of each
// anomaly, the multiples by angle addition.
double SunPlanetaryArcsec(const SunAnomalies& anomalies);

// Apparent geocentric longitude of the Sun (aberration and nutation
// included), degrees 0 <= lon < 360; T in centuries from JD 2415020.0.
double SunPosition(double t);

struct SunAngleDistances {
    double fromAscendant;   // degrees, 0 ... 180
    double fromDescendant;  // degrees, 0 ... 180
};

// How far the Sun stands from the Ascendant and the Descendant; the sunrise
// and planetary-hour searches drive these to zero.
SunAngleDistances SunDistancesFromAngles(double sunLongitude, double ascendant);

}  // namespace solvaris
