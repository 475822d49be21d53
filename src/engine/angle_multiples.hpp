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

// Multiples -6..6, enough for every multiplier in the engine's series.
inline constexpr int kLargestMultiple = 6;

struct AngleMultiples {
    std::array<Rotation, 2 * kLargestMultiple + 1> byMultiple;
    Rotation operator[](int k) const { return byMultiple[kLargestMultiple + k]; }
};

constexpr bool MultipleWithin(int k) { return -kLargestMultiple <= k && k <= kLargestMultiple; }

// e^(ik x) for k = -6..6 from one sine and cosine of x (degrees) by
// repeated rotation; the negative multiples are the conjugates.
inline AngleMultiples MultiplesOf(double xDeg) {
    const Rotation once{CosDeg(xDeg), SinDeg(xDeg)};
    AngleMultiples m{};
    m.byMultiple[kLargestMultiple] = {1, 0};
    for (int k = 1; k <= kLargestMultiple; ++k) {
        const Rotation r = m.byMultiple[kLargestMultiple + k - 1] * once;
        m.byMultiple[kLargestMultiple + k] = r;
        m.byMultiple[kLargestMultiple - k] = {r.cos, -r.sin};
    }
    return m;
}

}  // namespace solvaris
