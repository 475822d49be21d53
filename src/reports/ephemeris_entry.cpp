#include "reports/ephemeris_entry.hpp"

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

}  // namespace

bool ValidateEphemerisEntry(const NatalEntryWindow& natal, HouseSystem houseSystem,
                            Platform& platform) {
    return ValidateEntries(natal, PassingDiurnalWindow(), houseSystem, platform);
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

void WriteEphemerisStart(NatalEntryWindow& natal, double dayNumber) {
    const CivilDate date = CalendarDateOfDayNumber(dayNumber);
    natal.fields.day = std::to_string(date.day);
    natal.fields.month = std::to_string(date.month);
    natal.fields.year = std::to_string(date.year);
}

}  // namespace solvaris
