// The sines and cosines of the multiples of one angle by angle addition,
// for the long periodic series: one sin and cos per argument, not per term.
#pragma once

#include <array>

#include "engine/angles.hpp"

namespace solvaris {

// cos and sin of one angle; multiplying two adds their angles.
struct Rotation {
    double cos;
    double sin;
};

inline Rotation operator*(Rotation a, Rotation b) {
    return {a.cos * b.cos - a.sin * b.sin, a.sin * b.cos + a.cos * b.sin};
}

// Multiples -6..6 serve the Moon's and Pluto's series; the Sun's planetary
// terms reach -8.
inline constexpr int kLargestMultiple = 6;

template <int Largest = kLargestMultiple>
struct AngleMultiples {
    std::array<Rotation, 2 * Largest + 1> byMultiple;
    Rotation operator[](int k) const { return byMultiple[Largest + k]; }
};

template <int Largest = kLargestMultiple>
constexpr bool MultipleWithin(int k) {
    return -Largest <= k && k <= Largest;
}

// e^(ik x) for k = -Largest..Largest from one sine and cosine of x (degrees)
// by repeated rotation; the negative multiples are the conjugates.
template <int Largest = kLargestMultiple>
AngleMultiples<Largest> MultiplesOf(double xDeg) {
    const Rotation once{CosDeg(xDeg), SinDeg(xDeg)};
    AngleMultiples<Largest> m{};
    m.byMultiple[Largest] = {1, 0};
    for (int k = 1; k <= Largest; ++k) {
        const Rotation r = m.byMultiple[Largest + k - 1] * once;
        m.byMultiple[Largest + k] = r;
        m.byMultiple[Largest - k] = {r.cos, -r.sin};
    }
    return m;
}

}  // namespace solvaris
