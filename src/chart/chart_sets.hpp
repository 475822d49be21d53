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

}  // namespace solvaris
