#include "people/entry_rules.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "base/lenient_number.hpp"
#include "base/option_numbers.hpp"
#include "base/visible_text.hpp"
#include "engine/calendar.hpp"
#include "people/zone_clock.hpp"

namespace solvaris {

namespace {

// The leading number of a field, as the checks and the reading take it.
double FieldValue(const std::string& text) { return LenientNumber(text); }

std::int16_t Field16(const std::string& text) {
    const double v = std::clamp(std::trunc(FieldValue(text)), -32768.0, 32767.0);
    return static_cast<std::int16_t>(v);
}

// An option value as it would be typed: no blank, no ".0" on whole numbers.
std::string OptionText(float value) {
    if (value == std::floor(value) && std::fabs(value) < 1e9f) {
        return std::to_string(static_cast<long long>(value));
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

// The present moment in the home zone into the date and time fields
// (patterns "m", "d", "yyyy", "h", "n"), with the hour field's rule applied
// (0 is 12, above 12 is P.M.).
void WritePresentClock(EntryFields& f, const Platform& platform, const OptionTable& options) {
    const LocalDateTime now = HomeClockNow(platform, options);
    int hour = now.hour;
    f.pm = hour >= 12;
    if (hour == 0) {
        hour = 12;
    } else if (hour > 12) {
        hour -= 12;
    }
    f.month = std::to_string(now.month);
    f.day = std::to_string(now.day);
    f.year = std::to_string(now.year);
    f.hour = std::to_string(hour);
    f.minute = std::to_string(now.minute);
}

// A zone filled from the tz database may be any offset it gives
// (Kiritimati's 14 hours east on a west longitude); a typed one is held to
// the entry's range.
bool ZoneFromDatabase(const EntryFields& f) {
    return !f.zone.empty() && f.zone == f.zoneFromDatabase;
}

// The presence checks: each failing condition shows its own box.
int CountMissing(const EntryFields& f) {
    const double month = FieldValue(f.month), day = FieldValue(f.day), year = FieldValue(f.year);
    const bool failures[] = {
        month == 0 || day == 0 || year == 0,
        f.month.empty() || f.day.empty() || f.year.empty(),
        f.hour.empty() || f.minute.empty() || f.zone.empty(),
        f.longDeg.empty() || f.longMin.empty(),
        f.latDeg.empty() || f.latMin.empty(),
        FieldValue(f.zone) < -2 && !f.east && !ZoneFromDatabase(f),
    };
    return static_cast<int>(std::count(std::begin(failures), std::end(failures), true));
}

// The last day of the typed month, 31 while the month itself is out of range
// (that has its own check).
double LastDayOfMonth(double year, double month) {
    if (month < 1 || month > 12) {
        return 31;
    }
    const double y = std::clamp(std::trunc(year), -32768.0, 32767.0);
    return DaysInMonth(static_cast<int>(y), static_cast<int>(month));
}

// The range checks; the diurnal date has no lower year bound. A place can
// lie no further than 180 degrees east or west and 90 north or south.
int CountOutOfRange(const EntryFields& f, bool natal) {
    const double year = FieldValue(f.year);
    const double zone = FieldValue(f.zone);
    const double longDeg = FieldValue(f.longDeg), longMin = FieldValue(f.longMin);
    const double latDeg = FieldValue(f.latDeg), latMin = FieldValue(f.latMin);
    const bool failures[] = {
        FieldValue(f.month) > 12,
        FieldValue(f.day) > LastDayOfMonth(year, FieldValue(f.month)),
        year > kLastEntryYear || (natal && year < kFirstNatalYear),
        FieldValue(f.hour) > 12,
        FieldValue(f.minute) > 59,
        (zone > 12 || zone < -13) && !ZoneFromDatabase(f),
        (longDeg > 180 || (longDeg == 180 && longMin > 0)),
        longMin > 59,
        latDeg > 90 || (latDeg == 90 && latMin > 0),
        latMin > 59,
    };
    return static_cast<int>(std::count(std::begin(failures), std::end(failures), true));
}

double PackedLatitude(const EntryFields& f) {
    return FieldValue(f.latDeg) + FieldValue(f.latMin) / 100;
}

void Show(Platform& platform, const char* text, int times) {
    for (int i = 0; i < times; ++i) {
        platform.ShowMessage(text, "Warning!", MessageIcon::Information);
    }
}

std::string JoinDate(const std::string& month, const std::string& day, const std::string& year,
                     DateOrder order) {
    switch (order) {
        case DateOrder::DayMonthYear: return day + "/" + month + "/" + year;
        case DateOrder::YearMonthDay: return year + "/" + month + "/" + day;
        case DateOrder::MonthDayYear: break;
    }
    return month + "/" + day + "/" + year;
}

constexpr const char* kNatalError = "Error in natal input data section. Please correct.";
constexpr const char* kDiurnalError = "Error in diurnal input data section. Please correct.";
constexpr const char* kLatitudeError =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
    "systems.";

}  // namespace

void FillNow(EntryFields& f, const OptionTable& options, const Platform& platform) {
    WritePresentClock(f, platform, options);
    f.zone = OptionText(options(opt::HomeZone));
    f.longDeg = OptionText(options(opt::HomeLongitudeDegrees));
    f.longMin = OptionText(options(opt::HomeLongitudeMinutes));
    f.east = options(opt::HomeEast) != 0;
    f.latDeg = OptionText(options(opt::HomeLatitudeDegrees));
    f.latMin = OptionText(options(opt::HomeLatitudeMinutes));
    f.south = options(opt::HomeSouth) != 0;
}

void FillNatalNow(NatalEntryWindow& w, const OptionTable& options, const Platform& platform) {
    w.txtName = "Now";
    FillNow(w.fields, options, platform);
}

void CopyTimeAndPlace(const EntryFields& from, EntryFields& to) {
    EntryFields copy = from;
    copy.month = to.month;
    copy.day = to.day;
    copy.year = to.year;
    to = std::move(copy);
}

void AfterNatalPick(const NatalEntryWindow& natal, DiurnalEntryWindow& diurnal,
                    const OptionTable& options, const Platform& platform) {
    if (diurnal.chkNatOrNow) {
        CopyTimeAndPlace(natal.fields, diurnal.fields);
    } else {
        FillNow(diurnal.fields, options, platform);
    }
}

BirthData ReadBirthData(const EntryFields& f, DateOrder order) {
    BirthData b;
    b.day = Field16(f.day);
    b.month = Field16(f.month);
    b.year = Field16(f.year);
    b.dateText = JoinDate(f.month, f.day, f.year, order);
    b.time = static_cast<float>(FieldValue(f.hour) + FieldValue(f.minute) / 100);
    b.meridiem = f.pm ? "P.M." : "A.M.";
    b.timeZone = FieldValue(f.zone);
    const float longitude = static_cast<float>(FieldValue(f.longDeg) + FieldValue(f.longMin) / 100);
    b.longitude = f.east ? -longitude : longitude;
    b.longitudeText = LongitudeText(b.longitude);
    const float latitude = static_cast<float>(FieldValue(f.latDeg) + FieldValue(f.latMin) / 100);
    b.latitude = f.south ? -latitude : latitude;
    b.latitudeText = LatitudeText(b.latitude);
    return b;
}

BirthData ReadNatalData(const NatalEntryWindow& w, DateOrder order) {
    BirthData b = ReadBirthData(w.fields, order);
    // The name goes into report headings and onto the terminal.
    b.name = VisibleText(w.txtName);
    return b;
}

BirthData ReadDiurnalData(const DiurnalEntryWindow& w, DateOrder order) {
    BirthData b = ReadBirthData(w.fields, order);
    // The diurnal record keeps its zone in single precision.
    b.timeZone = static_cast<float>(b.timeZone);
    return b;
}

bool ValidateEntries(const NatalEntryWindow& natalWindow, const DiurnalEntryWindow& diurnalWindow,
                     HouseSystem houseSystem, Platform& platform) {
    const EntryFields& natal = natalWindow.fields;
    const EntryFields& diurnal = diurnalWindow.fields;
    int failures = 0;
    auto check = [&](int count, const char* message) {
        Show(platform, message, count);
        failures += count;
    };
    check(CountMissing(natal), kNatalError);
    check(CountMissing(diurnal), kDiurnalError);
    check(ComputedAtPackedLatitude(houseSystem, PackedLatitude(natal)) &&
                  ComputedAtPackedLatitude(houseSystem, PackedLatitude(diurnal))
              ? 0
              : 1,
          kLatitudeError);
    check(CountOutOfRange(natal, true), kNatalError);
    check(CountOutOfRange(diurnal, false), kDiurnalError);
    return failures == 0;
}

}  // namespace solvaris
