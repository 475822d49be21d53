#include "engine/perturbations.hpp"

#include <array>

#include "engine/angle_multiples.hpp"
#include "engine/angles.hpp"

namespace solvaris {

namespace {

using namespace perturbation_factor;

// (c0 + c1 nu + c2 nu^2) * first * second.
struct Term {
    double c0;
    double c1;
    double c2;
    Factor first;
    Factor second;
};

constexpr Term T(double c0, Factor a, Factor b = One) { return {c0, 0, 0, a, b}; }
constexpr Term T(double c0, double c1, Factor a, Factor b = One) { return {c0, c1, 0, a, b}; }
constexpr Term T(double c0, double c1, double c2, Factor a, Factor b = One) {
    return {c0, c1, c2, a, b};
}

template <std::size_t N>
double Sum(const std::array<Term, N>& terms, const PerturbationFactors& f, double nu) {
    double sum = 0;
    for (const Term& t : terms) {
        sum += (t.c0 + t.c1 * nu + t.c2 * nu * nu) * f[t.first] * f[t.second];
    }
    return sum;
}

// clang-format off
// Jupiter -----------------------------------------------------------------

constexpr std::array kJupiterA{
    T(0.331364, -0.010281, -0.004692, SinV), T(0.003228, -0.064436, 0.002075, CosV),
    T(-0.003083, -0.000275, 0.000489, Sin2V), T(0.002472, SinW), T(0.013619, SinZ1),
    T(0.018472, SinZ2), T(0.006717, SinZ3), T(0.002775, SinZ4),
    T(0.007275, -0.001253, SinZ1, SinQ1), T(0.006417, SinZ2, SinQ1),
    T(0.002439, SinZ3, SinQ1), T(-0.033839, -0.001125, CosZ1, SinQ1),
    T(-0.003767, CosZ2, SinQ1), T(-0.035681, -0.001208, SinZ1, CosQ1),
    T(-0.004261, SinZ2, CosQ1), T(0.002178, CosQ1), T(-0.006333, 0.001161, CosZ1, CosQ1),
    T(-0.006675, CosZ2, CosQ1), T(-0.002664, CosZ3, CosQ1), T(-0.002572, SinZ1, SinQ2),
    T(-0.003567, SinZ2, SinQ2), T(0.002094, CosZ1, CosQ2), T(0.003342, CosZ2, CosQ2),
};

constexpr std::array kJupiterQ{
    T(3606, 130, -43, SinV), T(1289, -580, CosV), T(-6764, SinZ1, SinQ1),
    T(-1110, SinZ2, SinQ1), T(-224, SinZ3, SinQ1), T(-204, SinQ1),
    T(1284, 116, CosZ1, SinQ1), T(188, CosZ2, SinQ1), T(1460, 130, SinZ1, CosQ1),
    T(224, SinZ2, CosQ1), T(-817, CosQ1), T(6074, CosZ1, CosQ1), T(992, CosZ2, CosQ1),
    T(508, CosZ3, CosQ1), T(230, CosZ4, CosQ1), T(108, CosZ5, CosQ1),
    T(-956, -73, SinZ1, SinQ2), T(448, SinZ2, SinQ2), T(137, SinZ3, SinQ2),
    T(-997, 108, CosZ1, SinQ2), T(480, CosZ2, SinQ2), T(148, CosZ3, SinQ2),
    T(-956, 99, SinZ1, CosQ2), T(490, SinZ2, CosQ2), T(158, SinZ3, CosQ2), T(179, CosQ2),
    T(1024, 75, CosZ1, CosQ2), T(-437, CosZ2, CosQ2), T(-132, CosZ3, CosQ2),
};

constexpr std::array kJupiterB{
    T(0.007192, -0.003147, SinV), T(-0.020428, -0.000675, 0.000197, CosV),
    T(0.007269, 0.000672, SinZ1, SinQ1), T(-0.004344, SinQ1), T(0.034036, CosZ1, SinQ1),
    T(0.005614, CosZ2, SinQ1), T(0.002964, CosZ3, SinQ1), T(0.037761, SinZ1, CosQ1),
    T(0.006158, SinZ2, CosQ1), T(-0.006603, CosZ1, CosQ1), T(-0.005356, SinZ1, SinQ2),
    T(0.002722, SinZ2, SinQ2), T(0.004483, CosZ1, SinQ2), T(-0.002536, SinZ2, CosQ2),
    T(-0.002642, CosZ2, SinQ2), T(0.005547, CosZ1, CosQ2), T(0.004403, SinZ1, CosQ2),
    T(-0.002689, CosZ2, CosQ2),
};

constexpr std::array kJupiterAxis{
    T(-263, CosV), T(205, CosZ1), T(693, CosZ2), T(312, CosZ3), T(147, CosZ4),
    T(299, SinZ1, SinQ1), T(181, CosZ2, SinQ1), T(204, SinZ2, CosQ1), T(111, SinZ3, CosQ1),
    T(-337, CosZ1, CosQ1), T(-111, CosZ2, CosQ1),
};

// Saturn ------------------------------------------------------------------

constexpr std::array kSaturnA{
    T(-0.814181, 0.01815, 0.016714, SinV), T(-0.010497, 0.160906, -0.0041, CosV),
    T(0.007581, Sin2V), T(-0.007986, SinW), T(-0.148811, SinZ1), T(-0.040786, SinZ2),
    T(-0.015208, SinZ3), T(-0.006339, SinZ4), T(-0.006244, SinQ1),
    T(0.008931, 0.002728, SinZ1, SinQ1), T(-0.0165, SinZ2, SinQ1), T(-0.005775, SinZ3, SinQ1),
    T(0.081344, 0.003206, CosZ1, SinQ1), T(0.015019, CosZ2, SinQ1),
    T(0.085581, 0.002494, SinZ1, CosQ1), T(0.025328, -0.003117, CosZ1, CosQ1),
    T(0.014394, CosZ2, CosQ1), T(0.006319, CosZ3, CosQ1), T(0.006369, SinZ1, SinQ2),
    T(0.009156, SinZ2, SinQ2), T(0.007525, Sin3Psi, SinQ2), T(-0.005236, CosZ1, CosQ2),
    T(-0.007736, CosZ2, CosQ2), T(-0.007528, Cos3Psi, CosQ2),
};

constexpr std::array kSaturnQ{
    T(-7927, 2548, 91, SinV), T(13381, 1226, -253, CosV), T(248, -121, Sin2V),
    T(-305, -91, Cos2V), T(412, SinZ2), T(12415, SinQ1), T(390, -617, SinZ1, SinQ1),
    T(165, -204, SinZ2, SinQ1), T(26599, CosZ1, SinQ1), T(-4687, CosZ2, SinQ1),
    T(-1870, CosZ3, SinQ1), T(-821, CosZ4, SinQ1), T(-377, CosZ5, SinQ1),
    T(497, Cos2Psi, SinQ1), T(163, -611, CosQ1), T(-12696, SinZ1, CosQ1),
    T(-4200, SinZ2, CosQ1), T(-1503, SinZ3, CosQ1), T(-619, SinZ4, CosQ1),
    T(-268, SinZ5, CosQ1), T(-282, -1306, CosZ1, CosQ1), T(-86, 230, CosZ2, CosQ1),
    T(461, Sin2Psi, CosQ1), T(-350, SinQ2), T(2211, -286, SinZ1, SinQ2),
    T(-2208, SinZ2, SinQ2), T(-568, SinZ3, SinQ2), T(-346, SinZ4, SinQ2),
    T(-2780, -222, CosZ1, SinQ2), T(2022, 263, CosZ2, SinQ2), T(248, CosZ3, SinQ2),
    T(242, Sin3Psi, SinQ2), T(467, Cos3Psi, SinQ2), T(-490, CosQ2),
    T(-2842, -279, SinZ1, CosQ2), T(128, 226, SinZ2, CosQ2), T(224, SinZ3, CosQ2),
    T(-1594, 282, CosZ1, CosQ2), T(2162, -207, CosZ2, CosQ2), T(561, CosZ3, CosQ2),
    T(343, CosZ4, CosQ2), T(469, Sin3Psi, CosQ2), T(-242, Cos3Psi, CosQ2),
    T(-205, SinZ1, SinQ3), T(262, SinZ3, SinQ3), T(208, CosZ1, CosQ3),
    T(-271, CosZ3, CosQ3), T(-382, CosZ3, SinQ4), T(-376, SinZ3, CosQ4),
};

constexpr std::array kSaturnB{
    T(0.077108, 0.007186, -0.001533, SinV), T(0.045803, -0.014766, -0.000536, CosV),
    T(-0.007075, SinZ1), T(-0.075825, SinZ1, SinQ1), T(-0.024839, SinZ2, SinQ1),
    T(-0.008631, SinZ3, SinQ1), T(-0.072586, CosQ1), T(-0.150383, CosZ1, CosQ1),
    T(0.026897, CosZ2, CosQ1), T(0.010053, CosZ3, CosQ1),
    T(-0.013597, -0.001719, SinZ1, SinQ2), T(-0.007742, 0.001517, CosZ1, SinQ2),
    T(0.013586, -0.001375, CosZ2, SinQ2), T(-0.013667, 0.001239, SinZ1, CosQ2),
    T(0.011981, SinZ2, CosQ2), T(0.014861, 0.001136, CosZ1, CosQ2),
    T(-0.013064, -0.001628, CosZ2, CosQ2),
};

constexpr std::array kSaturnAxis{
    T(0, 572, SinV), T(2933, CosV), T(33629, CosZ1), T(-3081, CosZ2), T(-1423, CosZ3),
    T(-671, CosZ4), T(-320, CosZ5), T(1098, SinQ1), T(-2812, SinZ1, SinQ1),
    T(688, SinZ2, SinQ1), T(-393, SinZ3, SinQ1), T(-228, SinZ4, SinQ1),
    T(2138, CosZ1, SinQ1), T(-999, CosZ2, SinQ1), T(-642, CosZ3, SinQ1),
    T(-325, CosZ4, SinQ1), T(-890, CosQ1), T(2206, SinZ1, CosQ1), T(-1590, SinZ2, CosQ1),
    T(-647, SinZ3, CosQ1), T(-344, SinZ4, CosQ1), T(2885, CosZ1, CosQ1),
    T(2172, 102, CosZ2, CosQ1), T(296, CosZ3, CosQ1), T(-267, SinZ2, SinQ2),
    T(-778, CosZ1, SinQ2), T(495, CosZ2, SinQ2), T(250, CosZ3, SinQ2),
    T(-856, SinZ1, CosQ2), T(441, SinZ2, CosQ2), T(296, CosZ2, CosQ2),
    T(211, CosZ3, CosQ2), T(-427, SinZ1, SinQ3), T(398, SinZ3, SinQ3),
    T(344, CosZ1, CosQ3), T(-427, CosZ3, CosQ3),
};

// Uranus ------------------------------------------------------------------

constexpr std::array kUranusA{
    T(0.864319, -0.001583, SinH), T(0.082222, -0.006833, CosH), T(0.036017, Sin2H),
    T(-0.003019, Cos2H), T(0.008122, SinW),
};
constexpr std::array kUranusB{
    T(0.120303, SinH), T(0.019472, -0.000947, CosH), T(0.006197, Sin2H),
};
constexpr std::array kUranusQ{T(-3349, 163, SinH), T(20981, CosH), T(1311, Cos2H)};
constexpr std::array kUranusAxis{T(-0.003825, CosH)};
constexpr std::array kUranusX{
    T(0.010122, -0.000988, SinSEta), T(-0.038581, 0.002031, -0.00191, CosSEta),
    T(0.034964, -0.001038, 0.000868, Cos2SEta), T(0.005594, SinS3Theta),
    T(-0.014808, SinZetaP), T(-0.005794, SinEta), T(0.002347, CosEta),
    T(0.009872, SinTheta), T(0.008803, Sin2Theta), T(-0.004308, Sin3Theta),
};

// Neptune -----------------------------------------------------------------

constexpr std::array kNeptuneA{
    T(-0.589833, 0.001089, SinH), T(-0.056094, 0.004658, CosH), T(-0.024286, Sin2H),
};
constexpr std::array kNeptuneB{
    T(0.024039, SinH), T(-0.025303, CosH), T(0.006206, Sin2H), T(-0.005992, Cos2H),
};
constexpr std::array kNeptuneQ{T(4389, SinH), T(1129, Sin2H), T(4262, CosH), T(1089, Cos2H)};
constexpr std::array kNeptuneAxis{T(-817, SinH), T(8189, CosH), T(781, Cos2H)};
constexpr std::array kNeptuneX{
    T(-0.009556, SinZetaP), T(-0.005178, SinEta), T(0.002572, Sin2Theta),
    T(-0.002972, Cos2Theta, SinG), T(-0.002833, Sin2Theta, CosG),
};

// clang-format on

}  // namespace

// One sine and cosine of each argument; the multiples by angle addition.
PerturbationFactors JupiterSaturnFactors(const PerturbationArgs& a) {
    const AngleMultiples v = MultiplesOf<2>(a.v);
    const AngleMultiples zeta = MultiplesOf<5>(a.zeta);
    const AngleMultiples q = MultiplesOf<4>(a.q);
    const AngleMultiples psi = MultiplesOf<3>(a.psi);
    PerturbationFactors f{};
    f[One] = 1;
    f[SinV] = v[1].sin;
    f[CosV] = v[1].cos;
    f[Sin2V] = v[2].sin;
    f[Cos2V] = v[2].cos;
    f[SinW] = SinDeg(a.w);
    for (int k = 1; k <= 5; ++k) {
        f[SinZ1 + k - 1] = zeta[k].sin;
        f[CosZ1 + k - 1] = zeta[k].cos;
    }
    for (int k = 1; k <= 4; ++k) {
        f[SinQ1 + k - 1] = q[k].sin;
        f[CosQ1 + k - 1] = q[k].cos;
    }
    f[Sin2Psi] = psi[2].sin;
    f[Cos2Psi] = psi[2].cos;
    f[Sin3Psi] = psi[3].sin;
    f[Cos3Psi] = psi[3].cos;
    return f;
}

UranusNeptuneAngles UranusNeptuneAnglesOf(int index, const PerturbationArgs& a) {
    if (index == 7) {
        return {a.s - a.p, a.s - a.q, a.g - a.s};
    }
    return {a.g - a.p, a.g - a.q, a.g - a.s};
}

// The multiples of H and theta by angle addition, the other arguments one
// sine each.
PerturbationFactors UranusNeptuneFactors(const PerturbationArgs& a,
                                         const UranusNeptuneAngles& angles) {
    const AngleMultiples h = MultiplesOf<2>(a.h);
    const AngleMultiples theta = MultiplesOf<3>(angles.theta);
    const double eta = angles.eta;
    PerturbationFactors f{};
    f[One] = 1;
    f[SinW] = SinDeg(a.w);
    f[SinH] = h[1].sin;
    f[CosH] = h[1].cos;
    f[Sin2H] = h[2].sin;
    f[Cos2H] = h[2].cos;
    f[SinSEta] = SinDeg(a.s + eta);
    f[CosSEta] = CosDeg(a.s + eta);
    f[Cos2SEta] = CosDeg(2 * a.s + eta);
    f[SinS3Theta] = SinDeg(a.s + 3 * angles.theta);
    f[SinZetaP] = SinDeg(angles.zetaPrime);
    f[SinEta] = SinDeg(eta);
    f[CosEta] = CosDeg(eta);
    f[SinTheta] = theta[1].sin;
    f[Sin2Theta] = theta[2].sin;
    f[Sin3Theta] = theta[3].sin;
    f[Cos2Theta] = theta[2].cos;
    f[SinG] = SinDeg(a.g);
    f[CosG] = CosDeg(a.g);
    return f;
}

PerturbationArgs PerturbationArguments(double t) {
    PerturbationArgs a{};
    a.nu = t / 5 + 0.1;
    a.p = 237.47555 + 3034.9061 * t;
    a.q = 265.9165 + 1222.1139 * t;
    a.s = 243.51721 + 428.4677 * t;
    a.v = 5 * a.q - 2 * a.p;
    a.w = 2 * a.p - 6 * a.q + 3 * a.s;
    a.zeta = a.q - a.p;
    a.psi = a.s - a.q;
    a.g = 83.76922 + 218.4901 * t;
    a.h = 2 * a.g - a.s;
    a.uranusAnomaly = 72.64878 + 428.37911 * t + 0.000079 * t * t;
    a.neptuneAnomaly = 37.73063 + 218.46134 * t - 0.00007 * t * t;
    return a;
}

Perturbation PerturbationFromFactors(int index, const PerturbationFactors& f, double nu) {
    Perturbation p;
    switch (index) {
        case 5:
            p.meanLongitudeDeg = Sum(kJupiterA, f, nu);
            p.eccentricity = Sum(kJupiterQ, f, nu) / 1e7;
            p.perihelionDeg = Sum(kJupiterB, f, nu);
            p.semiMajorAxisAu = Sum(kJupiterAxis, f, nu) / 1e6;
            break;
        case 6:
            p.meanLongitudeDeg = Sum(kSaturnA, f, nu);
            p.eccentricity = Sum(kSaturnQ, f, nu) / 1e7;
            p.perihelionDeg = Sum(kSaturnB, f, nu);
            p.semiMajorAxisAu = Sum(kSaturnAxis, f, nu) / 1e6;
            break;
        case 7:
            p.meanLongitudeDeg = Sum(kUranusA, f, nu);
            p.perihelionDeg = Sum(kUranusB, f, nu);
            p.eccentricity = Sum(kUranusQ, f, nu) / 1e7;
            // Uranus's correction to the axis is tabulated in astronomical units.
            p.semiMajorAxisAu = Sum(kUranusAxis, f, nu);
            p.extraLongitudeDeg = Sum(kUranusX, f, nu);
            break;
        case 8:
            p.meanLongitudeDeg = Sum(kNeptuneA, f, nu);
            p.perihelionDeg = Sum(kNeptuneB, f, nu);
            p.eccentricity = Sum(kNeptuneQ, f, nu) / 1e7;
            p.semiMajorAxisAu = Sum(kNeptuneAxis, f, nu) / 1e6;
            p.extraLongitudeDeg = Sum(kNeptuneX, f, nu);
            break;
        default: break;
    }
    return p;
}

Perturbation PlanetPerturbation(int index, const PerturbationArgs& a) {
    if (index == 5 || index == 6) {
        return PerturbationFromFactors(index, JupiterSaturnFactors(a), a.nu);
    }
    if (index == 7 || index == 8) {
        return PerturbationFromFactors(
            index, UranusNeptuneFactors(a, UranusNeptuneAnglesOf(index, a)), a.nu);
    }
    return {};
}

}  // namespace solvaris
