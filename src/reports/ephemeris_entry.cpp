#include "reports/ephemeris_entry.hpp"

#include <cmath>
#include <string>

#include "people/entry_rules.hpp"

namespace solvaris {

namespace {

// A diurnal window that passes every check, so that only the natal fields
// can fail.
DiurnalEntryWindow PassingDiurnalWindow() {
    DiurnalEntryWindow w;
    w.fields = {"1", "1", "2000", "12", "0", false, "0", "0", "0", false, "0", "0", false};
    return w;
}

// 1582 October 15, the first Gregorian day.
constexpr double kFirstGregorianDay = 2299161;

// Meeus's inversion of the Julian calendar.
CivilDate JulianCalendarDate(double dayNumber) {
    const double b = dayNumber + 1524;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    const int day = static_cast<int>(b - d - std::floor(30.6001 * e));
    const int month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    const int year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
    return {year, month, day};
}

}  // namespace

bool ValidateEphemerisEntry(const NatalEntryWindow& natal, HouseSystem houseSystem,
                            Platform& platform) {
    const bool meridianOrMorinus =
        houseSystem == HouseSystem::Meridian || houseSystem == HouseSystem::Morinus;
    return ValidateEntries(natal, PassingDiurnalWindow(), meridianOrMorinus, platform);
}

void WriteEphemerisPreset(NatalEntryWindow& natal, HouseSystem& houseSystem, EphemerisHour hour) {
    natal.txtName = kEphemerisName;
    natal.fields.zone = "0";
    natal.fields.hour = "12";
    natal.fields.minute = "0";
    natal.fields.pm = hour == EphemerisHour::Noon;
    natal.fields.longDeg = "0";
    natal.fields.longMin = "0";
    natal.fields.east = false;
    natal.fields.latDeg = "51";
    natal.fields.latMin = "29";
    natal.fields.south = false;
    houseSystem = HouseSystem::Placidus;
}

CivilDate CalendarDateOfDayNumber(double dayNumber) {
    return dayNumber < kFirstGregorianDay ? JulianCalendarDate(dayNumber)
                                          : CivilDateOfJulianDay(dayNumber);
}

void WriteEphemerisStart(NatalEntryWindow& natal, double dayNumber) {
    const CivilDate date = CalendarDateOfDayNumber(dayNumber);
    natal.fields.day = std::to_string(date.day);
    natal.fields.month = std::to_string(date.month);
    natal.fields.year = std::to_string(date.year);
}

}  // namespace solvaris
