// The two births a relationship chart is drawn from, and how its charts are
// cast: the house system, the options (zodiac, Part of Fortune) and the
// engine.
#pragma once

#include <string>

#include "base/options.hpp"
#include "chart/birth_data.hpp"
#include "chart/house_system.hpp"
#include "engine/ephemeris.hpp"

namespace solvaris {

struct TwoBirths {
    const BirthData& first;   // the natal person
    const BirthData& second;  // the second person
    HouseSystem houseSystem;
    const OptionTable& options;
    const Ephemeris& ephemeris;
};

// What the message box says when a relationship chart's arithmetic fails.
inline constexpr const char* kRelationshipChartFault =
    "The chart could not be computed from these data.";

}  // namespace solvaris
