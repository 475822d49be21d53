// The long series summed with one sine or cosine per term, as the tables write
// them: what the sums by angle addition are held to and timed against.
#pragma once

#include "engine/angles.hpp"
#include "engine/moon.hpp"
#include "engine/perturbations.hpp"
#include "engine/pluto.hpp"
#include "engine/sun.hpp"

namespace solvaris::testing {

// The Moon's longitude terms, arcseconds.
inline double MoonLongitudeBySinesArcsec(double l, double g, double d, double f) {
    double sumArcsec = 0;
    for (const MoonLongitudeTerm& term : MoonLongitudeTerms()) {
        sumArcsec +=
            term.coefficientArcsec * SinDeg(term.l * l + term.g * g + term.d * d + term.f * f);
    }
    return sumArcsec;
}

// Pluto's periodic sums before scaling (millionths of a degree and of an
// astronomical unit), T in centuries from JD 2415020.0.
struct PlutoSums {
    double lon = 0, lat = 0, rad = 0;
};

inline PlutoSums PlutoSumsBySines(double t) {
    const double j = Normalize360(238.74 + 3034.9057 * t);
    const double s = Normalize360(267.26 + 1222.1138 * t);
    const double p = Normalize360(93.48 + 144.96 * t);
    PlutoSums sums;
    for (const PlutoTerm& term : PlutoTerms()) {
        const double alphaDeg = term.j * j + term.s * s + term.p * p;
        const double sinA = SinDeg(alphaDeg);
        const double cosA = CosDeg(alphaDeg);
        sums.lon += term.lonSin * sinA + term.lonCos * cosA;
        sums.lat += term.latSin * sinA + term.latCos * cosA;
        sums.rad += term.radSin * sinA + term.radCos * cosA;
    }
    return sums;
}

// The mean anomalies of the Sun's planetary terms at T.
inline SunAnomalies SunAnomaliesAt(double t) {
    SunAnomalies a{};
    a.sunDeg = Normalize360(358.4758333 + 35999 * t);
    a.planetDeg[kVenus] = Normalize360(212.45 + 58517.493 * t);
    a.planetDeg[kMars] = Normalize360(319.58 + 19139.977 * t);
    a.planetDeg[kJupiter] = Normalize360(225.28 + 3034.583 * t);
    a.planetDeg[kSaturn] = Normalize360(175.6 + 1221.794 * t);
    return a;
}

// The Sun's 35 planetary terms, arcseconds.
inline double SunPlanetaryByCosinesArcsec(const SunAnomalies& a) {
    double sumArcsec = 0;
    for (const SunPlanetaryTerm& term : SunPlanetaryTerms()) {
        sumArcsec += term.coefficientArcsec *
                     CosDeg(term.phaseDeg + term.planetMultiple * a.planetDeg[term.planet] +
                            term.sunMultiple * a.sunDeg);
    }
    return sumArcsec;
}

// Jupiter's and Saturn's factors, each multiple with a sine of its own.
inline PerturbationFactors JupiterSaturnFactorsBySines(const PerturbationArgs& a) {
    using namespace perturbation_factor;
    PerturbationFactors f{};
    f[One] = 1;
    const auto multiples = [&f](int sinAt, int cosAt, int step, int count, double angleDeg) {
        for (int m = 1; m <= count; ++m) {
            f[sinAt + step * (m - 1)] = SinDeg(m * angleDeg);
            f[cosAt + step * (m - 1)] = CosDeg(m * angleDeg);
        }
    };
    multiples(SinV, CosV, 2, 2, a.v);
    f[SinW] = SinDeg(a.w);
    multiples(SinZ1, CosZ1, 1, 5, a.zeta);
    multiples(SinQ1, CosQ1, 1, 4, a.q);
    f[Sin2Psi] = SinDeg(2 * a.psi);
    f[Cos2Psi] = CosDeg(2 * a.psi);
    f[Sin3Psi] = SinDeg(3 * a.psi);
    f[Cos3Psi] = CosDeg(3 * a.psi);
    return f;
}

}  // namespace solvaris::testing
