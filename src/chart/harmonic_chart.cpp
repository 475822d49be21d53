#include "chart/harmonic_chart.hpp"

#include <cmath>

#include "base/option_numbers.hpp"
#include "chart/house_cusps.hpp"
#include "engine/angles.hpp"

namespace solvaris {

int HarmonicOfOption(const OptionTable& options) {
    const float value = options(opt::Harmonic);
    return value >= 1 && value <= kMostHarmonic && value == std::floor(value)
               ? static_cast<int>(value)
               : 1;
}

std::string HarmonicTitle(int n) { return "Harmonic " + std::to_string(n); }

double HarmonicLongitude(double longitude, int n) {
    return Normalize360(std::fmod(longitude * n, 360.0));
}

HarmonicChart HarmonicOf(const NatalSet& natal, int n) {
    HarmonicChart chart;
    chart.n = n;
    chart.longitude = natal.points.longitude;
    chart.cusps = natal.cusps;
    chart.texts = natal.texts;
    if (n == 1) {
        return chart;
    }
    for (int p = 1; p <= kPointCount; ++p) {
        chart.longitude[p] = HarmonicLongitude(natal.points.longitude[p], n);
    }
    for (int house = 1; house <= kCuspCount; ++house) {
        chart.cusps[SlotOfHouse(house)] =
            Normalize360(chart.longitude[Ascendant] + 30.0 * (house - 1));
    }
    HousePositions(chart.longitude, chart.cusps, chart.texts.housePositionText);
    return chart;
}

}  // namespace solvaris
