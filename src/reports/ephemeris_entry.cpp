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
    w.txtDiurnalMonth = "1";
    w.txtDiurnalDay = "1";
    w.txtDiurnalYear = "2000";
    w.txtDiurnalHour = "12";
    w.txtDiurnalMinute = "0";
    w.txtDiurnalTZ = "0";
    w.txtDiurnalLongDeg = "0";
    w.txtDiurnalLongMin = "0";
    w.txtDiurnalLatDeg = "0";
    w.txtDiurnalLatMin = "0";
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
    natal.txtTZ = "0";
    natal.txtBirthHour = "12";
    natal.txtBirthMinute = "0";
    natal.optPM = hour == EphemerisHour::Noon;
    natal.txtLongDeg = "0";
    natal.txtLongMin = "0";
    natal.optEast = false;
    natal.txtLatDeg = "51";
    natal.txtLatMin = "29";
    natal.optSouth = false;
    houseSystem = HouseSystem::Placidus;
}

CivilDate CalendarDateOfDayNumber(double dayNumber) {
    return dayNumber < kFirstGregorianDay ? JulianCalendarDate(dayNumber)
                                          : CivilDateOfJulianDay(dayNumber);
}

void WriteEphemerisStart(NatalEntryWindow& natal, double dayNumber) {
    const CivilDate date = CalendarDateOfDayNumber(dayNumber);
    natal.txtDay = std::to_string(date.day);
    natal.txtMonth = std::to_string(date.month);
    natal.txtYear = std::to_string(date.year);
}

}  // namespace solvaris
