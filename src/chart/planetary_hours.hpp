// Sunrise, sunset and the planetary hours of a day: twelve unequal hours of
// daylight and twelve of night, each with its ruling planet.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/birth_data.hpp"
#include "engine/ephemeris.hpp"
#include "platform/platform.hpp"

namespace solvaris {

inline constexpr std::string_view kPlanetaryHoursCaption = "Planetary Hours";
inline constexpr std::string_view kPlanetaryHoursNote = " NOTE: Click on planet for keywords";

// Refuses (with its message, worded for the hemisphere) a latitude beyond
// 66 degrees 0 minutes, north or south: past it the Sun can stay up or down
// all day.
bool PlanetaryHoursLatitudeAllowed(float latitudePacked, Platform& platform);

// Julian day of the date at 0h UT.
double PlanetaryHoursAnchor(int year, int month, int day);

// 0 Wednesday, 1 Thursday, ... 3 Saturday, ... 6 Tuesday.
int WeekdayIndex(double anchor);
std::string_view WeekdayName(int weekday);  // trailing blanks removed

// "SATURDAY - 01 Jan 2000".
std::string DateHeading(double anchor);
// "73.59 W, 40.45 N".
std::string PlaceHeading(const BirthData& place);
// The place heading with the time zone as typed: "73.59 W, 40.45 N (5)".
std::string PlaceLabel(const BirthData& place, std::string_view zoneTyped);

struct SunTimes {
    double sunrise = 0;  // local clock hours, 0-24; 0 when not found
    double sunset = 0;
    bool sunriseFound = false;
    bool sunsetFound = false;
    bool BothFound() const { return sunriseFound && sunsetFound; }
};

// The Sun on the Ascendant (sunrise) and on the Descendant (sunset) of the
// anchor day at the place, in the engine's positions and Earth frame; a
// time not found is 0 after its message.
SunTimes SunriseSunset(const Ephemeris& ephemeris, double anchor, const BirthData& place,
                       Platform& platform);

// The starting gain of the searches for a latitude in d.mm.
double SearchGain(float latitudePacked);

// "Mer ", "Moo ", "Sat ", "Jup ", "Mar ", "Sun ", "Ven ".
std::string_view DayHourRuler(int weekday, int hour);
std::string_view NightHourRuler(int weekday, int hour);

// Six characters on a 12-hour clock: " 6.45a", "12.30p".
std::string HourTimeText(double hours);

// The start of an hour of a day without sunrise or sunset: there are no
// unequal hours to divide, so no time is shown.
inline constexpr std::string_view kNoHourTimeText = "   ---";

struct HourRow {
    std::string dayRuler;
    std::string dayStart;
    std::string nightRuler;
    std::string nightStart;
};

struct PlanetaryDay {
    double anchor = 0;
    int weekday = 0;
    SunTimes sun;
    std::array<HourRow, 12> rows;
    std::string dateHeading;
    std::string placeHeading;
};

// A day without sunrise or sunset keeps its rulers and shows
// kNoHourTimeText for every start time.
PlanetaryDay ComputePlanetaryDay(const Ephemeris& ephemeris, double anchor, const BirthData& place,
                                 Platform& platform);

// Opening the hours for the natal data: the entry check, then the day of
// the natal date at the natal place. Empty when the latitude is refused.
std::optional<PlanetaryDay> OpenPlanetaryHours(const Ephemeris& ephemeris, const BirthData& natal,
                                               Platform& platform);

// Day ruler, start, four blanks, night ruler, start: 24 characters.
std::string RowText(const HourRow& row);

// The date heading, the place heading and the twelve rows.
std::vector<std::string> DayLines(const PlanetaryDay& day);

// The shown day and the two following it side by side: a blank line, the
// two headings and the twelve rows. The anchor moves on by two days.
std::vector<std::string> ThreeDayReport(const Ephemeris& ephemeris, double& anchor,
                                        const BirthData& place, Platform& platform);

inline double ForwardDay(double anchor) { return anchor + 1; }
inline double BackwardDay(double anchor) { return anchor - 1; }

struct RulerKeywords {
    std::string_view ruler;
    std::string_view title;
    std::string_view text;
};

// The keywords of a grid cell that holds a ruler.
std::optional<RulerKeywords> RulerKeywordsOf(std::string_view cell);

// A click on a ruler's cell shows its keywords; other cells do nothing.
bool ShowRulerKeywords(std::string_view cell, Platform& platform);

}  // namespace solvaris
