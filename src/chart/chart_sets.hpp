// One pass of the chart computation: the natal, progressed, solar-arc and
// transit sets from the two birth records.
#pragma once

#include "base/options.hpp"
#include "chart/birth_data.hpp"
#include "chart/chart_store.hpp"

namespace solvaris {

struct ChartInputs {
    const BirthData& natal;
    const BirthData& diurnal;
    int ageYears;
    HouseSystem houseSystem;
    const OptionTable& options;  // 17, 33, 212
    const Ephemeris& ephemeris;
};

// Overwrites every set of the store. Returns false on a floating-point
// fault, when the store is left as it was.
bool ComputeChartSets(const ChartInputs& in, ChartStore& store);

// Whether a natal set carries the retrograde marks, which take a second
// evaluation of the bodies one day later. Omitted leaves them empty.
enum class NatalMotion { Computed, Omitted };

// The natal set alone, for work that prints nothing else. False on a
// floating-point fault, when `set` is left as it was.
bool ComputeNatalSet(const BirthData& natal, HouseSystem houseSystem, const OptionTable& options,
                     const Ephemeris& ephemeris, NatalSet& set,
                     NatalMotion motion = NatalMotion::Computed);

// A moment: the day number of its civil date and the fraction of the day
// in universal time (which may fall outside 0-1).
struct ChartMoment {
    double dayNumber = 0;
    double dayFraction = 0;
};

// The moment of a record's date, clock time and zone.
ChartMoment MomentOf(const BirthData& birth);

// A natal set with what the charts derived from it read besides: the
// obliquity, RAMC and ayanamsa of its moment (degrees).
struct BirthChart {
    NatalSet set;
    double obliquity = 0;
    double ramc = 0;
    double ayanamsa = 0;
};

// The natal chart of `moment` at `place`'s longitude and latitude (its date
// and clock are not read). False on a floating-point fault, when `chart` is
// left as it was.
bool CastBirthChart(const ChartMoment& moment, const BirthData& place, HouseSystem houseSystem,
                    const OptionTable& options, const Ephemeris& ephemeris, BirthChart& chart);

}  // namespace solvaris
