#include "engine/moon.hpp"

#include <array>
#include <span>

#include "engine/angle_multiples.hpp"
#include "engine/angles.hpp"

namespace solvaris {

namespace {

// The argument l - 4D stands three times (terms 17, 47, 64); each is kept.
constexpr std::array<MoonLongitudeTerm, 71> kLongitudeTerms{{
    {22639.55, 1, 0, 0, 0}, {769.02, 2, 0, 0, 0},  {-125.15, 0, 0, 1, 0},  {2369.912, 0, 0, 2, 0},
    {-668.15, 0, 1, 0, 0},  {-411.61, 0, 0, 0, 2}, {211.66, -2, 0, 2, 0},  {4586.47, -1, 0, 2, 0},
    {191.95, 1, 0, 2, 0},   {165.15, 0, -1, 2, 0}, {205.96, -1, -1, 2, 0}, {-109.67, 1, 1, 0, 0},
    {147.69, 1, -1, 0, 0},  {-55.17, 0, 0, -2, 2}, {-45.099, 1, 0, 0, 2},  {39.53, 1, 0, 0, -2},
    {-38.43, 1, 0, -4, 0},  {36.12, 3, 0, 0, 0},   {-30.77, 2, 0, -4, 0},  {28.48, 1, -1, -2, 0},
    {-24.42, 0, 1, 2, 0},   {18.61, 1, 0, -1, 0},  {18.02, 0, 1, 1, 0},    {14.58, 1, -1, 2, 0},
    {14.39, 2, 0, 2, 0},    {13.9, 0, 0, 4, 0},    {-13.19, 3, 0, -2, 0},  {9.7, 2, -1, 0, 0},
    {9.37, 1, 0, -2, -2},   {-8.63, 2, 1, -2, 0},  {-8.47, 1, 0, 1, 0},    {-8.096, 0, 2, -2, 0},
    {-7.65, 2, 1, 0, 0},    {-7.49, 0, 2, 0, 0},   {-7.41, 1, 2, -2, 0},   {-6.38, 1, 0, 2, -2},
    {-5.74, 0, 0, 2, 2},    {-4.39, 1, 1, -4, 0},  {-3.99, 2, 0, 0, 2},    {3.22, 1, 0, -3, 0},
    {-2.92, 1, 1, 2, 0},    {-2.74, 2, 1, -4, 0},  {-2.49, 2, -1, -2, 0},  {2.58, 1, -2, 0, 0},
    {2.53, 1, -2, -2, 0},   {-2.15, 0, 1, -2, 2},  {1.98, 1, 0, -4, 0},    {1.94, 4, 0, 0, 0},
    {-1.88, 0, 1, -4, 0},   {1.75, 2, 0, -1, 0},   {-1.44, 0, 1, 2, -2},   {-1.298, 2, 0, 0, -2},
    {1.27, 1, 1, 1, 0},     {1.23, 2, 0, -3, 0},   {-1.19, 3, 0, -4, 0},   {1.18, 2, -1, 2, 0},
    {-1.17, 1, 2, 0, 0},    {-1.09, 1, -1, -1, 0}, {1.06, 3, 0, 2, 0},     {-0.59, 2, 0, 1, 0},
    {-0.99, 1, 0, 2, 2},    {-0.95, 4, 0, -2, 0},  {-0.57, 2, 0, -6, 0},   {0.64, 1, 0, -4, 0},
    {0.56, 0, 1, -1, 0},    {0.76, 1, -2, 2, 0},   {0.58, 0, 0, -1, 2},    {-0.55, 3, 1, 0, 0},
    {0.68, 3, -1, 0, 0},    {0.557, 2, 0, -2, 2},  {0.538, 2, 0, -2, -2},
}};

constexpr bool EveryMultiplierWithin() {
    for (const MoonLongitudeTerm& term : kLongitudeTerms) {
        if (!MultipleWithin(term.l) || !MultipleWithin(term.g) || !MultipleWithin(term.d) ||
            !MultipleWithin(term.f)) {
            return false;
        }
    }
    return true;
}
static_assert(EveryMultiplierWithin());

}  // namespace

std::span<const MoonLongitudeTerm> MoonLongitudeTerms() { return kLongitudeTerms; }

double MoonLongitudeSeriesArcsec(double l, double g, double d, double f) {
    const AngleMultiples ml = MultiplesOf(l);
    const AngleMultiples mg = MultiplesOf(g);
    const AngleMultiples md = MultiplesOf(d);
    const AngleMultiples mf = MultiplesOf(f);
    // Summed in the table's order, as one sine per term would be.
    double seriesArcsec = 0;
    for (const MoonLongitudeTerm& term : kLongitudeTerms) {
        const Rotation r = ml[term.l] * mg[term.g] * md[term.d] * mf[term.f];
        seriesArcsec += term.coefficientArcsec * r.sin;
    }
    return seriesArcsec;
}

MoonMeanArguments MoonArguments(double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    return {
        Normalize360(270.434164 + 481267.883142 * t - 0.001133 * t2 + 0.0000019 * t3),
        Normalize360(296.104608 + 477198.849108 * t + 0.009192 * t2 + 0.0000144 * t3),
        Normalize360(259.183275 - 1934.142008 * t + 0.002078 * t2 + 0.0000022 * t3),
        Normalize360(279.696678 + 36000.768925 * t + 0.000303 * t2),
        Normalize360(358.475833 + 35999.04975 * t - 0.00015 * t2 - 0.0000033 * t3),
    };
}

MoonResult MoonPosition(double t) {
    const MoonMeanArguments a = MoonArguments(t);
    const double L = a.meanLongitude;
    const double l = a.meanAnomaly;
    const double node = a.node;
    const double g = a.sunMeanAnomaly;
    const double d = L - a.sunMeanLongitude;
    const double f = L - node;
    const double h = 2 * a.sunMeanLongitude - L - node;  // F - 2D

    const double trueNodeArcsec = 3600 * node + 5392 * SinDeg(2 * f - 2 * d) - 541 * SinDeg(g) -
                                  442 * SinDeg(2 * d) + 423 * SinDeg(2 * f) -
                                  291 * SinDeg(2 * l - 2 * f);

    const double nutationArcsec = -17.2 * SinDeg(node) + 0.206 * SinDeg(2 * node) -
                                  1.319 * SinDeg(2 * a.sunMeanLongitude) + 0.143 * SinDeg(g) -
                                  0.227 * SinDeg(2 * L) + 0.071 * SinDeg(l);

    const double seriesArcsec = MoonLongitudeSeriesArcsec(l, g, d, f);
    const double longitude = Normalize360(L + seriesArcsec / 3600 + nutationArcsec / 3600);

    const double s = longitude - node + 0.114 * SinDeg(2 * f) + 0.15 * SinDeg(g);
    const double latitude = (18519.7 * SinDeg(s) - 526.1 * SinDeg(h) + 44.3 * SinDeg(h + l) -
                             30.6 * SinDeg(h - l) - 22.6 * SinDeg(h + g) + 11.0 * SinDeg(h - g) -
                             24.6 * SinDeg(f - 2 * l) + 20.6 * SinDeg(f - l)) /
                            3600;

    return {longitude, latitude, node, trueNodeArcsec / 3600};
}

}  // namespace solvaris
