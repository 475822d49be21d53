#include "cli/birth_options.hpp"

#include <cctype>

#include "base/number_text.hpp"
#include "cli/house_option.hpp"

namespace solvaris {

namespace {

bool AllDigits(const std::string& text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// The digits as a user types them, without leading zeros ("06" is "6").
std::string Typed(const std::string& digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

struct DateFields {
    std::string year, month, day;
};

std::optional<DateFields> ParseDate(const std::string& text) {
    const auto a = text.find('-');
    const auto b = text.find('-', a == std::string::npos ? a : a + 1);
    if (a == std::string::npos || b == std::string::npos) {
        return std::nullopt;
    }
    DateFields d{text.substr(0, a), text.substr(a + 1, b - a - 1), text.substr(b + 1)};
    if (!AllDigits(d.year) || !AllDigits(d.month) || !AllDigits(d.day) || d.year.size() > 4 ||
        d.month.size() > 2 || d.day.size() > 2) {
        return std::nullopt;
    }
    return DateFields{Typed(d.year), Typed(d.month), Typed(d.day)};
}

struct TimeFields {
    std::string hour, minute;
    bool pm;
};

// H:MMam, H:MMpm, or H:MM on a 24-hour clock.
std::optional<TimeFields> ParseTime(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::optional<bool> pm;
    if (text.size() > 2 && (text.ends_with("am") || text.ends_with("pm"))) {
        pm = text.ends_with("pm");
        text.resize(text.size() - 2);
    }
    const auto colon = text.find(':');
    if (colon == std::string::npos) {
        return std::nullopt;
    }
    const std::string hour = text.substr(0, colon);
    const std::string minute = text.substr(colon + 1);
    if (!AllDigits(hour) || !AllDigits(minute) || hour.size() > 2 || minute.size() != 2) {
        return std::nullopt;
    }
    int h = std::stoi(hour);
    if (pm) {
        if (h < 1 || h > 12) {
            return std::nullopt;
        }
        return TimeFields{Typed(hour), minute, *pm};
    }
    if (h > 23) {
        return std::nullopt;
    }
    // The entry window's hour rule: 0 is 12 A.M., above 12 is P.M.
    const bool afternoon = h >= 12;
    if (h == 0) {
        h = 12;
    } else if (h > 12) {
        h -= 12;
    }
    return TimeFields{std::to_string(h), minute, afternoon};
}

struct CoordinateFields {
    std::string degrees, minutes;
    bool negativeSide;  // East or South
};

// 74W00, 13e24, 40N43, 33s52.
std::optional<CoordinateFields> ParseCoordinate(const std::string& text, char positive,
                                                char negative) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        if (c == positive || c == negative) {
            const std::string degrees = text.substr(0, i);
            const std::string minutes = text.substr(i + 1);
            if (!AllDigits(degrees) || !AllDigits(minutes) || degrees.size() > 3 ||
                minutes.size() > 2) {
                return std::nullopt;
            }
            return CoordinateFields{Typed(degrees), minutes, c == negative};
        }
    }
    return std::nullopt;
}

// The zone as the time-zone field takes it (digits, ".", "-"): decimal
// hours as given, or the clock form -5:30 turned into -5.5.
std::optional<std::string> ZoneFieldText(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos) {
        const bool fieldText = !text.empty() && ParseNumber(text).has_value() &&
                               text.find_first_not_of("0123456789.-") == std::string::npos;
        return fieldText ? std::optional<std::string>(text) : std::nullopt;
    }
    const bool negative = text.starts_with('-');
    const std::string hours = text.substr(negative ? 1 : 0, colon - (negative ? 1 : 0));
    const std::string minutes = text.substr(colon + 1);
    constexpr long long kMinutesPerHour = 60;
    if (!AllDigits(hours) || hours.size() > 2 || !AllDigits(minutes) || minutes.size() != 2 ||
        std::stoll(minutes) >= kMinutesPerHour) {
        return std::nullopt;
    }
    const double zoneHours = static_cast<double>(std::stoll(hours)) +
                             static_cast<double>(std::stoll(minutes)) / kMinutesPerHour;
    return NumberAsTyped(negative ? -zoneHours : zoneHours);
}

}  // namespace

BirthOptionsResult ReadBirthOptions(const std::vector<std::string>& args, BirthOptions& o) {
    BirthOptionsResult result;
    NatalEntryWindow& n = o.natal;
    DiurnalEntryWindow& d = o.diurnal;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                result.error = a + " needs a value";
                return std::nullopt;
            }
            return args[++i];
        };
        auto malformed = [&](const std::string& expected) {
            result.error =
                "malformed value for " + a + ": '" + args[i] + "' (expected " + expected + ")";
        };
        const bool diurnal = a.starts_with("--diurnal-");
        const std::string key = diurnal ? "--" + a.substr(10) : a;
        if (a == "--name") {
            const auto v = value();
            if (!v) return result;
            n.txtName = *v;
        } else if (key == "--date") {
            const auto v = value();
            if (!v) return result;
            const auto date = ParseDate(*v);
            if (!date) return malformed("YYYY-MM-DD"), result;
            (diurnal ? d.txtDiurnalYear : n.txtYear) = date->year;
            (diurnal ? d.txtDiurnalMonth : n.txtMonth) = date->month;
            (diurnal ? d.txtDiurnalDay : n.txtDay) = date->day;
        } else if (key == "--time") {
            const auto v = value();
            if (!v) return result;
            const auto time = ParseTime(*v);
            if (!time) return malformed("H:MMam, H:MMpm or H:MM"), result;
            (diurnal ? d.txtDiurnalHour : n.txtBirthHour) = time->hour;
            (diurnal ? d.txtDiurnalMinute : n.txtBirthMinute) = time->minute;
            (diurnal ? d.optDiurnalPM : n.optPM) = time->pm;
        } else if (key == "--zone") {
            const auto v = value();
            if (!v) return result;
            const auto zone = ZoneFieldText(*v);
            if (!zone) return malformed(kZoneOptionHelp), result;
            (diurnal ? d.txtDiurnalTZ : n.txtTZ) = *zone;
        } else if (key == "--lon") {
            const auto v = value();
            if (!v) return result;
            const auto c = ParseCoordinate(*v, 'W', 'E');
            if (!c) return malformed("DDDwMM or DDDeMM"), result;
            (diurnal ? d.txtDiurnalLongDeg : n.txtLongDeg) = c->degrees;
            (diurnal ? d.txtDiurnalLongMin : n.txtLongMin) = c->minutes;
            (diurnal ? d.optDiurnalEast : n.optEast) = c->negativeSide;
        } else if (key == "--lat") {
            const auto v = value();
            if (!v) return result;
            const auto c = ParseCoordinate(*v, 'N', 'S');
            if (!c) return malformed("DDnMM or DDsMM"), result;
            (diurnal ? d.txtDiurnalLatDeg : n.txtLatDeg) = c->degrees;
            (diurnal ? d.txtDiurnalLatMin : n.txtLatMin) = c->minutes;
            (diurnal ? d.optDiurnalSouth : n.optSouth) = c->negativeSide;
        } else if (a == "--use-natal-data") {
            d.chkNatOrNow = true;
        } else if (a == "--house") {
            const auto v = value();
            if (!v) return result;
            const auto system = HouseSystemFromOption(*v);
            if (!system) return malformed(kHouseOptionValues), result;
            o.houseSystem = *system;
        } else {
            result.rest.push_back(a);
        }
    }
    return result;
}

}  // namespace solvaris
