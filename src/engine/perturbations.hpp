// The mutual perturbations of Jupiter and Saturn and their action on Uranus
// and Neptune, after Meeus's formulae for calculators.
#pragma once

namespace solvaris {

struct PerturbationArgs {
    double nu;  // T / 5 + 0.1, a number
    double p, q, s, v, w, zeta, psi;
    double g, h;             // Uranus and Neptune
    double uranusAnomaly;    // S'
    double neptuneAnomaly;   // N'
};

PerturbationArgs PerturbationArguments(double t);

struct Perturbation {
    double meanLongitudeDeg = 0;   // A
    double perihelionDeg = 0;      // B
    double eccentricity = 0;       // q, already divided by 1e7
    double semiMajorAxisAu = 0;    // delta a, in astronomical units
    double extraLongitudeDeg = 0;  // X, Uranus and Neptune only
};

// index 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune.
Perturbation PlanetPerturbation(int index, const PerturbationArgs& args);

}  // namespace solvaris
