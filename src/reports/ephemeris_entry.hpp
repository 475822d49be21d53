// The natal entry window as the ephemeris uses it: the checks of its fields,
// the preset it leaves there for the following pages, and the start date
// written back into it when the data window pages.
#pragma once

#include <string_view>

#include "chart/house_system.hpp"
#include "engine/calendar.hpp"
#include "people/entry_fields.hpp"
#include "platform/platform.hpp"

namespace solvaris {

inline constexpr std::string_view kEphemerisName = "Ephemeris";

// The hour of Universal Time every day of the ephemeris is listed at.
enum class EphemerisHour { Midnight, Noon };

// The chart computation's checks of the natal fields, each failure shown at
// once; the high-latitude check follows the house system in force.
bool ValidateEphemerisEntry(const NatalEntryWindow& natal, HouseSystem houseSystem,
                            Platform& platform);

// Greenwich at 0h (A.M.) or 12h (P.M.), zone 0, latitude 51 degrees 29
// minutes North, Placidus houses; the date fields are left as they are.
void WriteEphemerisPreset(NatalEntryWindow& natal, HouseSystem& houseSystem, EphemerisHour hour);

// The day's date into the date fields as "d", "m" and "yyyy".
void WriteEphemerisStart(NatalEntryWindow& natal, double dayNumber);

}  // namespace solvaris
