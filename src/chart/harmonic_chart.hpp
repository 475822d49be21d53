// The nth harmonic chart: every natal longitude times n, modulo 360. Its
// houses are equal houses from the harmonic Ascendant, as the natal house
// system's cusps times n would no longer follow one another; harmonic 1 is
// the natal chart itself, cusps included.
#pragma once

#include <string>

#include "base/options.hpp"
#include "chart/chart_store.hpp"

namespace solvaris {

inline constexpr int kMostHarmonic = 180;

// The harmonic of option 224: a whole number from 1 to 180, else 1.
int HarmonicOfOption(const OptionTable& options);

// "Harmonic 5".
std::string HarmonicTitle(int n);

double HarmonicLongitude(double longitude, int n);

struct HarmonicChart {
    int n = 1;
    PointArray longitude{};
    CuspSet cusps{};
    ChartTexts texts;  // the natal retrograde marks: a harmonic moves the same way
};

HarmonicChart HarmonicOf(const NatalSet& natal, int n);

}  // namespace solvaris
