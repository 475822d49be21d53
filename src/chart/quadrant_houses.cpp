// Placidus, Koch, Regiomontanus and Campanus: cusps from the RAMC, the
// obliquity and the latitude, house by house.
#include <cmath>

#include "chart/house_cusps.hpp"
#include "engine/angles.hpp"

namespace solvaris {

namespace {

// Just south of the equator, keeping tan(latitude) off zero.
constexpr double kEquatorLatitudeRad = -0.00001;

// House i's right-ascension offset from the MC: house 1 at 90, 10 at 0.
double HouseOffset(int i) { return std::fmod(60.0 + 30.0 * i, 360.0); }

// atan(num / den) in degrees, +180 when negative, +180 more when the sine of
// the right-ascension argument is negative.
double AdjustedCusp(double num, double den, double raArgument) {
    double lambda = RadToDeg(std::atan(num / den));
    if (lambda < 0) {
        lambda += 180;
    }
    if (SinDeg(raArgument) < 0) {
        lambda += 180;
    }
    return lambda;
}

// The semi-arc iteration stops once a round moves the right ascension by
// less than this; near 66 degrees of latitude that takes about 60 rounds.
constexpr double kPlacidusConvergedDeg = 1e-9;
// A bound on the rounds, so that no input can keep the iteration going.
constexpr int kPlacidusMaxRounds = 500;

// Placidus: trisect the semi-arc, refining the right ascension until it
// settles.
double PlacidusCusp(const CuspInputs& in, double offset, double divisor, bool diurnal) {
    const double s = diurnal ? -1 : 1;
    const double phi = in.latitude == 0 ? kEquatorLatitudeRad : DegToRad(in.latitude);
    const double tanEps = std::tan(DegToRad(in.obliquity));
    double r = in.ramc + offset;
    for (int round = 0; round < kPlacidusMaxRounds; ++round) {
        const double x = s * SinDeg(r) * tanEps * std::tan(phi);
        double semiArc = RadToDeg(std::atan(std::sqrt(1 - x * x) / x));
        if (semiArc < 0) {
            semiArc += 180;
        }
        const double next =
            diurnal ? in.ramc + semiArc / divisor : in.ramc + 180 - semiArc / divisor;
        const bool settled = std::fabs(next - r) < kPlacidusConvergedDeg;
        r = next;
        if (settled) {
            break;
        }
    }
    return AdjustedCusp(std::tan(DegToRad(r)), CosDeg(in.obliquity), r);
}

}  // namespace

HouseCusps PlacidusCusps(const CuspInputs& in) {
    HouseCusps h{};
    h[1] = in.ascendant;
    h[4] = in.midheaven + 180;
    h[11] = PlacidusCusp(in, 30, 3, true);
    h[12] = PlacidusCusp(in, 60, 1.5, true);
    h[2] = PlacidusCusp(in, 120, 1.5, false);
    h[3] = PlacidusCusp(in, 150, 3, false);
    h[5] = h[11] + 180;
    h[6] = h[12] + 180;
    for (int i = 7; i <= 12; ++i) {
        h[i] = h[i - 6] + 180;
    }
    return h;
}

HouseCusps KochCusps(const CuspInputs& in) {
    const double tanPhi = std::tan(DegToRad(in.latitude));
    const double ascensionalDifference =
        RadToDeg(ArcSin(SinDeg(in.ramc) * tanPhi * std::tan(DegToRad(in.obliquity))));
    HouseCusps h{};
    for (int i = 1; i <= 12; ++i) {
        const double d = HouseOffset(i);
        const double k = d >= 180 ? -1 : 1;
        const double a = d >= 180 ? d / 90 - 3 : d / 90 - 1;
        const double r = std::fmod(in.ramc + d + a * ascensionalDifference, 360.0);
        h[i] = AdjustedCusp(
            SinDeg(r), CosDeg(r) * CosDeg(in.obliquity) - k * tanPhi * SinDeg(in.obliquity), r);
    }
    return h;
}

HouseCusps RegiomontanusCusps(const CuspInputs& in) {
    const double tanPhi = std::tan(DegToRad(in.latitude));
    HouseCusps h{};
    for (int i = 1; i <= 12; ++i) {
        const double d = HouseOffset(i);
        const double r = in.ramc + d;
        h[i] = AdjustedCusp(
            SinDeg(r), CosDeg(in.obliquity) * CosDeg(r) - SinDeg(in.obliquity) * tanPhi * SinDeg(d),
            r);
    }
    return h;
}

HouseCusps CampanusCusps(const CuspInputs& in) {
    const double tanPhi = std::tan(DegToRad(in.latitude));
    HouseCusps h{};
    for (int i = 1; i <= 12; ++i) {
        // The millionth of a degree keeps tan(d) finite at 90 and 270.
        const double d = 60.000001 + 30 * i;
        double a = RadToDeg(std::atan(CosDeg(in.latitude) * std::tan(DegToRad(d))));
        if (a < 0) {
            a += 180;
        }
        if (SinDeg(d) < 0) {
            a += 180;
        }
        const double r = in.ramc + a;
        h[i] = AdjustedCusp(
            SinDeg(r), CosDeg(in.obliquity) * CosDeg(r) - SinDeg(in.obliquity) * tanPhi * SinDeg(a),
            r);
    }
    return h;
}

}  // namespace solvaris
