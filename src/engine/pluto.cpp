#include "engine/pluto.hpp"

#include <array>
#include <span>

#include "engine/angle_multiples.hpp"
#include "engine/angles.hpp"
#include "engine/calendar.hpp"

namespace solvaris {

namespace {

constexpr std::array<PlutoTerm, 32> kPlutoTerms{{
    {0, 0, 1, -19977972, 19667536, -5323113, -15024245, 6623876, 6955990},
    {0, 0, 2, 987114, -4939350, 3497557, 1735457, -1181808, -54836},
    {0, 0, 3, 577978, 1226898, -1059559, 299464, 163227, -139603},
    {0, 0, 4, -334695, -201966, 189102, -285383, -3644, 48144},
    {0, 0, 5, 130519, -29025, 14231, 101218, -6268, -8851},
    {0, 0, 6, -39851, 28968, -29164, -27461, 3111, -408},
    {0, 1, -1, 20387, -9832, 4935, 11282, -621, 2223},
    {0, 1, 0, -3986, -4954, 312, -128, 438, 450},
    {0, 1, 1, -5817, -3365, 2057, -904, -153, 61},
    {0, 1, 2, -3903, 2895, 19, -674, -61, 79},
    {0, 1, 3, -738, 3443, -307, -576, 50, 54},
    {0, 2, -2, 1234, 472, -65, 39, -54, -22},
    {0, 2, -1, 1101, -894, -97, 208, 84, -48},
    {0, 2, 0, 625, -1214, 0, -160, -30, 61},
    {1, -1, 0, 2485, -486, -177, 259, 26, -39},
    {1, -1, 1, 852, -1407, 15, 235, -19, -40},
    {1, 0, -3, -948, 1073, 578, -293, -321, 42},
    {1, 0, -2, -2309, -1024, -294, 694, 797, -792},
    {1, 0, -1, 7047, 770, 156, 201, -4, 4564},
    {1, 0, 0, 1184, -344, 294, 829, 852, 855},
    {1, 0, 1, 394, -55, -123, -31, -88, -82},
    {1, 0, 2, 119, -264, 0, 0, 21, -12},
    {1, 0, 3, -46, -156, 0, 0, -14, 6},
    {1, 0, 4, -77, -33, 0, 0, 0, 0},
    {1, 1, -3, -34, -26, 0, 0, 0, 0},
    {1, 1, -2, -43, 0, 0, 0, 0, 0},
    {1, 1, -1, -15, 21, 0, 0, 0, 0},
    {2, 0, -3, 10, 22, 0, 0, -6, 6},
    {2, 0, -2, -57, -32, 0, 0, 0, 0},
    {2, 0, -1, 158, -43, 0, 0, 25, 107},
    {2, 1, -2, 0, 0, 0, 0, 13, -23},
    {2, 0, 0, 0, 0, 0, 0, 25, 16},
}};

constexpr bool EveryMultiplierWithin() {
    for (const PlutoTerm& term : kPlutoTerms) {
        if (!MultipleWithin(term.j) || !MultipleWithin(term.s) || !MultipleWithin(term.p)) {
            return false;
        }
    }
    return true;
}
static_assert(EveryMultiplierWithin());

}  // namespace

std::span<const PlutoTerm> PlutoTerms() { return kPlutoTerms; }

Heliocentric PlutoSeries(double t) {
    const double j = Normalize360(238.74 + 3034.9057 * t);
    const double s = Normalize360(267.26 + 1222.1138 * t);
    const double p = Normalize360(93.48 + 144.96 * t);
    const AngleMultiples mj = MultiplesOf(j);
    const AngleMultiples ms = MultiplesOf(s);
    const AngleMultiples mp = MultiplesOf(p);
    // Summed in the table's order, as one sine and cosine per term would be.
    double lon = 0;
    double lat = 0;
    double rad = 0;
    for (const PlutoTerm& term : kPlutoTerms) {
        const Rotation alpha = mj[term.j] * ms[term.s] * mp[term.p];
        const double sinA = alpha.sin;
        const double cosA = alpha.cos;
        lon += term.lonSin * sinA + term.lonCos * cosA;
        lat += term.latSin * sinA + term.latCos * cosA;
        rad += term.radSin * sinA + term.radCos * cosA;
    }
    return {93.297471 + 144.96 * t + lon / 1000000, lat / 1000000 - 3.909434,
            rad / 1000000 + 40.724725};
}

// General precession in longitude, 5029.0966" (1.396971 degrees) per Julian
// century, counted from JD 2433283 (1950 January 1).
double PlutoPrecession(double dayNumber) { return (dayNumber - 2433283) * 1.396971 / 36525; }

bool PlutoSeriesHolds(double dayNumber) {
    return dayNumber >= JulianDayNumber(1885, 1, 1) && dayNumber <= JulianDayNumber(2099, 12, 31);
}

}  // namespace solvaris
