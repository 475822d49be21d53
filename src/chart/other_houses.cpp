// Porphyry, the two equal systems, Meridian, Morinus and whole signs.
#include <cmath>

#include "chart/house_cusps.hpp"
#include "engine/angles.hpp"

namespace solvaris {

namespace {

double HouseOffset(int i) { return std::fmod(60.0 + 30.0 * i, 360.0); }

double Adjusted(double lambda, double raArgument) {
    if (lambda < 0) {
        lambda += 180;
    }
    if (SinDeg(raArgument) < 0) {
        lambda += 180;
    }
    return lambda;
}

}  // namespace

// Each quadrant between the angles divided into three equal parts.
HouseCusps PorphyryCusps(const CuspInputs& in) {
    const double q1 = Normalize360(in.ascendant - in.midheaven) / 3;
    const double q2 = Normalize360(in.midheaven + 180 - in.ascendant) / 3;
    HouseCusps h{};
    h[1] = in.ascendant;
    h[2] = in.ascendant + q2;
    h[3] = in.ascendant + 2 * q2;
    h[4] = in.midheaven + 180;
    h[5] = in.midheaven + 180 + q1;
    h[6] = in.midheaven + 180 + 2 * q1;
    for (int i = 7; i <= 12; ++i) {
        h[i] = h[i - 6] + 180;
    }
    return h;
}

HouseCusps EqualAscendantCusps(const CuspInputs& in) {
    HouseCusps h{};
    for (int i = 1; i <= 12; ++i) {
        h[i] = in.ascendant + 30 * (i - 1);
    }
    return h;
}

// House 10 is the MC, so house 1 is MC + 90, not the Ascendant.
HouseCusps EqualMidheavenCusps(const CuspInputs& in) {
    HouseCusps h{};
    for (int i = 1; i <= 12; ++i) {
        h[i] = in.midheaven + 30 * (i + 2);
    }
    return h;
}

HouseCusps MeridianCusps(const CuspInputs& in) {
    HouseCusps h{};
    for (int i = 1; i <= 12; ++i) {
        const double r = in.ramc + HouseOffset(i);
        h[i] = Adjusted(RadToDeg(std::atan(SinDeg(r) / (CosDeg(in.obliquity) * CosDeg(r)))), r);
    }
    return h;
}

HouseCusps MorinusCusps(const CuspInputs& in) {
    HouseCusps h{};
    for (int i = 1; i <= 12; ++i) {
        const double r = in.ramc + HouseOffset(i);
        h[i] = Adjusted(RadToDeg(std::atan(CosDeg(in.obliquity) * SinDeg(r) / CosDeg(r))), r);
    }
    return h;
}

HouseCusps WholeSignCusps(const CuspInputs& in) {
    const double firstSign = 30 * std::floor(Normalize360(in.ascendant) / 30);
    HouseCusps h{};
    for (int i = 1; i <= 12; ++i) {
        h[i] = firstSign + 30 * (i - 1);
    }
    return h;
}

}  // namespace solvaris
