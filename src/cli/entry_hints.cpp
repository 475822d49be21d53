#include "cli/entry_hints.hpp"

#include <algorithm>
#include <cmath>

#include "base/number_text.hpp"
#include "engine/calendar.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

namespace {

// The entry check's limits.
constexpr double kMostWestZoneHours = 12;
constexpr double kMostEastZoneHours = -13;
constexpr double kEastZoneWithoutEastLongitude = -2;
constexpr double kDegreesInLatitude = 90;
constexpr double kDegreesInLongitude = 180;
constexpr double kLastMinute = 59;
constexpr double kMonthsInYear = 12;

double Value(const std::string& field) { return ParseNumber(field).value_or(0); }

std::string Typed(const std::string& degrees, char side, const std::string& minutes) {
    return degrees + side + minutes;
}

// One window's fields as the options name them, `prefix` "--" or
// "--diurnal-".
void AddHints(const std::string& prefix, const EntryFields& f, HouseSystem system,
              std::vector<std::string>& hints) {
    const std::string lat = prefix + "lat " + Typed(f.latDeg, f.south ? 's' : 'n', f.latMin);
    const std::string lon = prefix + "lon " + Typed(f.longDeg, f.east ? 'e' : 'w', f.longMin);
    const std::string zone = prefix + "zone " + f.zone;
    const std::string date = prefix + "date " + f.year + "-" + f.month + "-" + f.day;

    const double month = Value(f.month);
    const double year = Value(f.year);
    const bool monthKnown = month >= 1 && month <= kMonthsInYear;
    // A year no field can hold is cut to one the calendar takes; its own
    // range hint follows.
    const int calendarYear = static_cast<int>(std::clamp(std::trunc(year), -32768.0, 32767.0));
    const bool dayInMonth =
        !monthKnown || Value(f.day) <= DaysInMonth(calendarYear, static_cast<int>(month));
    // The diurnal year is held to the natal years too (chart_setup).
    if (month > kMonthsInYear || !dayInMonth || year > kLastEntryYear || year < kFirstNatalYear) {
        hints.push_back(date + ": a calendar date in the years " + std::to_string(kFirstNatalYear) +
                        " to " + std::to_string(kLastEntryYear));
    }
    const double zoneHours = Value(f.zone);
    if (zoneHours > kMostWestZoneHours || zoneHours < kMostEastZoneHours) {
        hints.push_back(zone + ": from -13 to 12 hours west of Greenwich, so Paris is -1");
    } else if (zoneHours < kEastZoneWithoutEastLongitude && !f.east) {
        hints.push_back(zone + ": a zone east of Greenwich below -2 needs an east longitude (" +
                        prefix + "lon DDDeMM)");
    }
    const double longDeg = Value(f.longDeg), longMin = Value(f.longMin);
    if (longDeg > kDegreesInLongitude || (longDeg == kDegreesInLongitude && longMin > 0) ||
        longMin > kLastMinute) {
        hints.push_back(lon + ": at most 180°00' east or west, minutes 00 to 59");
    }
    const double latDeg = Value(f.latDeg), latMin = Value(f.latMin);
    if (latDeg > kDegreesInLatitude || (latDeg == kDegreesInLatitude && latMin > 0) ||
        latMin > kLastMinute) {
        hints.push_back(lat + ": at most 90°00' north or south, minutes 00 to 59");
    } else if (!ComputedAtPackedLatitude(system, latDeg + latMin / 100)) {
        hints.push_back(lat + ": above 66°00' only " + AnyLatitudeSystemsText() +
                        " houses can be computed");
    }
}

}  // namespace

std::vector<std::string> EntryOptionHints(const BirthOptions& options) {
    std::vector<std::string> hints;
    AddHints("--", options.natal.fields, options.houseSystem, hints);
    std::vector<std::string> diurnal;
    AddHints("--diurnal-", options.diurnal.fields, options.houseSystem, diurnal);
    // A place copied from the natal data (--use-natal-data) is named once.
    for (const std::string& hint : diurnal) {
        if (std::find(hints.begin(), hints.end(), "--" + hint.substr(10)) == hints.end()) {
            hints.push_back(hint);
        }
    }
    return hints;
}

}  // namespace solvaris
