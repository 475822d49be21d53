#include "formats/json_text.hpp"

#include <cmath>
#include <cstdio>

#include "base/format_pattern.hpp"
#include "engine/calendar.hpp"

namespace solvaris {

std::string Quoted(const std::string& text) {
    std::string q(1, '"');
    for (char c : text) {
        if (c == '"' || c == '\\') {
            q += '\\';
            q += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            q += escaped;
        } else {
            q += c;
        }
    }
    q += '"';
    return q;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string q(1, '"');
    for (char c : text) {
        if (c == '"') {
            q += '"';
        }
        q += c;
    }
    q += '"';
    return q;
}

namespace {

constexpr long long kSecondsPerDay = 86400;
constexpr double kSecondsPerHalfDay = 43200;

// Seconds from the civil midnight of day number 0, to the nearest second:
// the date and the moment are read from the same rounding.
long long RoundedSeconds(double jd) {
    return std::llround(jd * kSecondsPerDay + kSecondsPerHalfDay);
}

std::string IsoMoment(double jd, CivilDate (*dateOfDay)(double)) {
    constexpr int kSecondsPerHour = 3600;
    constexpr int kSecondsPerMinute = 60;
    // Civil days begin at midnight, half a day before the Julian day.
    const long long seconds = RoundedSeconds(jd);
    const long long dayNumber = seconds / kSecondsPerDay;
    const int ofDay = static_cast<int>(seconds - dayNumber * kSecondsPerDay);
    const CivilDate date = dateOfDay(static_cast<double>(dayNumber));
    return FormatNumber(date.year, "0000") + "-" + FormatNumber(date.month, "00") + "-" +
           FormatNumber(date.day, "00") + "T" + FormatNumber(ofDay / kSecondsPerHour, "00") + ":" +
           FormatNumber(ofDay % kSecondsPerHour / kSecondsPerMinute, "00") + ":" +
           FormatNumber(ofDay % kSecondsPerMinute, "00") + "+00:00";
}

}  // namespace

std::string DateOfJulianDay(double jd, DateOrder order) {
    const CivilDate d =
        CalendarDateOfDayNumber(static_cast<double>(RoundedSeconds(jd) / kSecondsPerDay));
    const std::string dd = FormatNumber(d.day, "00");
    const std::string mm = FormatNumber(d.month, "00");
    const std::string yyyy = FormatNumber(d.year, "0000");
    switch (order) {
        case DateOrder::DayMonthYear: return dd + "/" + mm + "/" + yyyy;
        case DateOrder::YearMonthDay: return yyyy + "/" + mm + "/" + dd;
        case DateOrder::MonthDayYear: break;
    }
    return mm + "/" + dd + "/" + yyyy;
}

std::string IsoMomentOfJulianDay(double jd) { return IsoMoment(jd, CalendarDateOfDayNumber); }

std::string GregorianIsoMomentOfJulianDay(double jd) { return IsoMoment(jd, CivilDateOfJulianDay); }

}  // namespace solvaris
