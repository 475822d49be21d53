// The mutual perturbations of Jupiter and Saturn and their action on Uranus
// and Neptune, after Meeus's formulae for calculators.
#pragma once

#include <array>
#include <cstdint>

namespace solvaris {

struct PerturbationArgs {
    double nu;  // T / 5 + 0.1, a number
    double p, q, s, v, w, zeta, psi;
    double g, h;            // Uranus and Neptune
    double uranusAnomaly;   // S'
    double neptuneAnomaly;  // N'
};

PerturbationArgs PerturbationArguments(double t);

struct Perturbation {
    double meanLongitudeDeg = 0;   // A
    double perihelionDeg = 0;      // B
    double eccentricity = 0;       // q, already divided by 1e7
    double semiMajorAxisAu = 0;    // delta a, in astronomical units
    double extraLongitudeDeg = 0;  // X, Uranus and Neptune only
};

namespace perturbation_factor {
// clang-format off
// The trigonometric factors the series multiply together, evaluated once per
// call. Z is zeta, Q, V, W, Psi and H the arguments of the same names; the
// rest serve the extra longitude terms of Uranus and Neptune.
enum Factor : std::uint8_t {
    One,
    SinV, CosV, Sin2V, Cos2V, SinW,
    SinZ1, SinZ2, SinZ3, SinZ4, SinZ5,
    CosZ1, CosZ2, CosZ3, CosZ4, CosZ5,
    SinQ1, SinQ2, SinQ3, SinQ4,
    CosQ1, CosQ2, CosQ3, CosQ4,
    Sin2Psi, Cos2Psi, Sin3Psi, Cos3Psi,
    SinH, CosH, Sin2H, Cos2H,
    SinSEta, CosSEta, Cos2SEta, SinS3Theta,
    SinZetaP, SinEta, CosEta, SinTheta, Sin2Theta, Sin3Theta, Cos2Theta,
    SinG, CosG,
    kFactorCount
};
// clang-format on
}  // namespace perturbation_factor

using PerturbationFactors = std::array<double, perturbation_factor::kFactorCount>;

// The factors Jupiter's and Saturn's series take.
PerturbationFactors JupiterSaturnFactors(const PerturbationArgs& args);

// zetaPrime, eta and theta differ between Uranus (S - P, S - Q, G - S) and
// Neptune (G - P, G - Q, G - S).
struct UranusNeptuneAngles {
    double zetaPrime;
    double eta;
    double theta;
};
UranusNeptuneAngles UranusNeptuneAnglesOf(int index, const PerturbationArgs& args);

// The factors Uranus's and Neptune's series take.
PerturbationFactors UranusNeptuneFactors(const PerturbationArgs& args,
                                         const UranusNeptuneAngles& angles);

// The series of one planet summed over the given factors; index 5 Jupiter,
// 6 Saturn, 7 Uranus, 8 Neptune.
Perturbation PerturbationFromFactors(int index, const PerturbationFactors& factors, double nu);

Perturbation PlanetPerturbation(int index, const PerturbationArgs& args);

}  // namespace solvaris
