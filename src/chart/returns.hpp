// Solar and lunar returns: the iterative search for the moment the Sun or
// the Moon comes back to its natal longitude, and the chart cast for it.
#pragma once

#include <optional>
#include <string>

#include "chart/birth_data.hpp"
#include "chart/chart_store.hpp"
#include "chart/house_system.hpp"
#include "engine/ayanamsa.hpp"
#include "engine/calendar.hpp"
#include "engine/ephemeris.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// Inputs of the searches. The lunar start day is a plain number: each
// search and each step moves it in place, far outside 1-31 if need be, and
// the calendar conversion carries it into the right month.
struct ReturnSearch {
    int solarYear = 0;
    int lunarDay = 0;
    int lunarMonth = 0;
    int lunarYear = 0;
    float longitude = 0;  // d.mm, west positive
    float latitude = 0;   // d.mm, north positive
    std::string longitudeText = "WEST";
    std::string latitudeText = "NORTH";
    double zoneOffset = 6.0;  // hours
};

// Reset from the current data: the year of the last birthday, the diurnal
// date and the diurnal place.
ReturnSearch InitialReturnSearch(const BirthData& natal, const BirthData& diurnal);

// A found return: the UT moment as day number and day fraction.
struct ReturnMoment {
    double dayNumber = 0;
    double dayFraction = 0;
    double jd = 0;
    double t = 0;  // centuries from JD 2415020.0
};

// More evaluations than any converging search needs; past it the search
// gives up with a message instead of running on.
inline constexpr int kReturnPassLimit = 1000;

// Target minus current longitude, the short way round (-180 < d < 180).
double ReturnDifference(double target, double longitude);

// The natal clock time as decimal hours on a 24-hour clock.
double NatalClockHours(const BirthData& natal);

// The moment the Sun returns to `natalSun` (a longitude in `zodiac`) in the
// solar year, starting on the natal day and month at the natal clock time.
std::optional<ReturnMoment> SolarReturnSearch(const Ephemeris& ephemeris, const Zodiac& zodiac,
                                              double natalSun, const BirthData& natal,
                                              const ReturnSearch& search, Platform& platform);

// The first moment the Moon returns to `natalMoon` from the lunar start
// date; the start day is left on the day the search ended.
std::optional<ReturnMoment> LunarReturnSearch(const Ephemeris& ephemeris, const Zodiac& zodiac,
                                              double natalMoon, const BirthData& natal,
                                              ReturnSearch& search, Platform& platform);

struct ReturnSet {
    double jd = 0;
    PointArray longitude{};
    CuspSet cusps{};
    ChartTexts texts;
    CivilDate date{};
    double clockTime = 0;  // d.mm on a 12-hour clock, Greenwich time
    std::string meridiem;
};

// The chart of `moment` at the return place, in `zodiac`. Empty on a
// floating-point fault in the theories.
std::optional<ReturnSet> ComputeReturnSet(const Ephemeris& ephemeris, const Zodiac& zodiac,
                                          const ReturnMoment& moment, const ReturnSearch& search,
                                          HouseSystem system);

struct ReturnClock {
    double clockTime;  // d.mm, 12-hour
    std::string meridiem;
};

// Julian days begin at noon, so the second half of the JD day is "A.M"
// (written without its final point) and the first half "P.M.".
ReturnClock ReturnClockOf(double jd);

// The date of the return in the user's order.
std::string ReturnDateText(const ReturnSet& set, DateOrder order);

// Clock time "#0.00", the meridiem and " (0)": the time is Greenwich time.
std::string ReturnTimeLine(const ReturnSet& set);

enum class ReturnStep { Next, Previous };

// The solar year moves by one; the lunar start day by +22 or -35 days.
void StepSolarReturn(ReturnSearch& search, ReturnStep step);
void StepLunarReturn(ReturnSearch& search, ReturnStep step);

}  // namespace solvaris
