// The ephemeris: 21 days of the longitudes and declinations of the Sun, the
// Moon and Mercury to Pluto at 0h or 12h UT, started from the natal entry
// window and paged 21 days at a time by the data window.
#pragma once

#include <string>
#include <string_view>

#include "chart/birth_data.hpp"
#include "chart/house_system.hpp"
#include "engine/calendar.hpp"
#include "engine/chart_point.hpp"
#include "people/entry_fields.hpp"
#include "reports/ephemeris_entry.hpp"
#include "reports/report_context.hpp"

namespace solvaris {

// What the ephemeris keeps between its pages; the caller holds it.
struct EphemerisPaging {
    EphemerisHour hour = EphemerisHour::Midnight;
    double nextDay = 0;  // Julian day number of the first day not yet listed
    // The data window's More menu pages the ephemeris; every chart
    // computation clears it.
    bool shown = false;
};

inline constexpr int kEphemerisDays = 21;

inline constexpr std::string_view kEphemerisColumns =
    "             Sun         Moon     Mercury  Venus   Mars   Jupiter Saturn  Uranus  Neptune  "
    "Pluto";
inline constexpr std::string_view kEphemerisUnderline =
    "             ---         ----     -------  -----   ----   ------- ------  ------  -------  "
    "-----";

// "  Ephemeris starting Tuesday, 05 Dec 1950 at TZ = 5.0, 07.45 P.M., 74.00 W,
// 40.43 N": the zone, time and place as they were checked.
std::string EphemerisHeadingLine(const BirthData& checked, double startDay);

// "  05 Dec  13SAG42m07  ..." and "  05 Dec     22 S 25  ...": 97 characters,
// the Sun and the Moon first, then Mercury to Pluto.
std::string EphemerisLongitudeLine(const CivilDate& date, const PointArray& longitude);
std::string EphemerisDeclinationLine(const CivilDate& date, const PointArray& declination);

// The ephemeris button, once the user has chosen the hour: the whole buffer
// emptied and the first page run. False when the fields fail their checks.
bool StartEphemeris(ReportContext& ctx, NatalEntryWindow& natal, HouseSystem& houseSystem,
                    EphemerisHour hour, EphemerisPaging& paging);

// One page from the date of the natal fields, which keep the preset
// afterwards. False when the fields fail their checks (nothing is written).
bool RunEphemeris(ReportContext& ctx, NatalEntryWindow& natal, HouseSystem& houseSystem,
                  EphemerisPaging& paging);

// The page after the one shown, and the one before it.
bool EphemerisForward(ReportContext& ctx, NatalEntryWindow& natal, HouseSystem& houseSystem,
                      EphemerisPaging& paging);
bool EphemerisBackward(ReportContext& ctx, NatalEntryWindow& natal, HouseSystem& houseSystem,
                       EphemerisPaging& paging);

}  // namespace solvaris
