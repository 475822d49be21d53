#include "cli/birth_options.hpp"

#include <cctype>

#include "base/number_text.hpp"
#include "cli/house_option.hpp"
#include "cli/iso_date.hpp"

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

std::string Malformed(const std::string& text, const std::string& expected) {
    return "malformed value '" + text + "' (expected " + expected + ")";
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

std::string DateProblem(const std::string& text) {
    return ParseDate(text) ? std::string() : Malformed(text, "YYYY-MM-DD");
}
std::string TimeProblem(const std::string& text) {
    return ParseTime(text) ? std::string() : Malformed(text, "H:MMam, H:MMpm or H:MM");
}
std::string ZoneProblem(const std::string& text) {
    return ZoneFieldText(text) ? std::string() : Malformed(text, kZoneOptionHelp);
}
std::string LongitudeProblem(const std::string& text) {
    return ParseCoordinate(text, 'W', 'E') ? std::string() : Malformed(text, "DDDwMM or DDDeMM");
}
std::string LatitudeProblem(const std::string& text) {
    return ParseCoordinate(text, 'N', 'S') ? std::string() : Malformed(text, "DDnMM or DDsMM");
}

void DeclarePlace(CLI::App& app, const std::string& prefix, const std::string& whose,
                  BirthOptionTexts::Place& place) {
    AddValue(app, prefix + "date", place.date, "YYYY-MM-DD", whose + "date, " + kIsoDateCalendar,
             DateProblem);
    AddValue(app, prefix + "time", place.time, "H:MMam|H:MMpm|H:MM", whose + "local clock time",
             TimeProblem);
    CLI::Option* zone = AddValue(app, prefix + "zone", place.zone, "HOURS",
                                 whose + "zone, " + kZoneOptionHelp, ZoneProblem);
    AddValue(app, prefix + "tz", place.tz, "AREA/CITY",
             whose + "zone by tz database name (see solvaris zones): the offset then")
        ->excludes(zone);
    AddValue(app, prefix + "lon", place.lon, "DDDwMM|DDDeMM", whose + "longitude, west or east",
             LongitudeProblem);
    CLI::Option* latitude = AddValue(app, prefix + "lat", place.lat, "DDnMM|DDsMM",
                                     whose + "latitude, north or south", LatitudeProblem);
    AddValue(app, prefix + "place", place.place, "\"NAME[, REGION][, COUNTRY]\"",
             whose +
                 "place in the world atlas (see solvaris places): its longitude, latitude "
                 "and zone")
        ->excludes(zone)
        ->excludes(app.get_option(prefix + "tz"))
        ->excludes(app.get_option(prefix + "lon"))
        ->excludes(latitude);
}

}  // namespace

void DeclareBirthOptions(CLI::App& app, BirthOptionTexts& texts) {
    CLI::Option* person = AddValue(app, "--person", texts.person, "NAME",
                                   "the birth data of a person of the names file");
    AddPath(app, "--names", texts.names, "FILE",
            "the names file of --person (default: the current one)");
    CLI::Option* now = app.add_flag("--now", texts.now,
                                    "the present moment at the home place (what is not given is "
                                    "that already)");
    AddValue(app, "--name", texts.name, "TEXT", "the name the reports show");
    DeclarePlace(app, "--", "the natal ", texts.natal);
    now->excludes(person)
        ->excludes(app.get_option("--date"))
        ->excludes(app.get_option("--time"))
        ->excludes(app.get_option("--tz"));
    AddValue(app, "--house", texts.house, "SYSTEM", "house system: " + HouseOptionValues(),
             HouseOptionProblem);
    CLI::Option* second = AddValue(app, "--second-person", texts.secondPerson, "NAME",
                                   "a second person of the names file as the second chart");
    DeclarePlace(app, "--diurnal-", "the second chart's ", texts.diurnal);
    CLI::Option* useNatal = app.add_flag("--use-natal-data", texts.useNatalData,
                                         "the natal time, zone and place for the second chart");
    useNatal->excludes(second);
    for (const char* field : {"time", "zone", "tz", "lon", "lat", "place"}) {
        useNatal->excludes(app.get_option(std::string("--diurnal-") + field));
    }
    AddChoice(app, "--fold", texts.fold, {"earlier", "later"}, "fold",
              "of a clock time that happened twice when the clocks went back: the first "
              "(earlier) or the second (later)");
}

std::string FirstDiurnalOption(const BirthOptionTexts& texts) {
    const BirthOptionTexts::Place& d = texts.diurnal;
    const std::pair<const char*, bool> given[] = {
        {"--diurnal-date", !d.date.empty()},      {"--diurnal-time", !d.time.empty()},
        {"--diurnal-zone", !d.zone.empty()},      {"--diurnal-tz", !d.tz.empty()},
        {"--diurnal-lon", !d.lon.empty()},        {"--diurnal-lat", !d.lat.empty()},
        {"--diurnal-place", !d.place.empty()},    {"--second-person", !texts.secondPerson.empty()},
        {"--use-natal-data", texts.useNatalData},
    };
    for (const auto& [name, typed] : given) {
        if (typed) {
            return name;
        }
    }
    return {};
}

std::string SecondChartProblem(const BirthOptionTexts& texts, const std::string& option) {
    if (!FirstDiurnalOption(texts).empty()) {
        return {};
    }
    return option +
           " needs the second person's birth data: --second-person NAME or the --diurnal- "
           "options";
}

std::string NatalOnlyProblem(const BirthOptionTexts& texts, const std::string& reader) {
    if (const std::string diurnal = FirstDiurnalOption(texts); !diurnal.empty()) {
        return diurnal + " is not read by " + reader + ", which reads the natal data only";
    }
    if (!texts.house.empty()) {
        return "--house is not read by " + reader + ", which has no houses";
    }
    return {};
}

void TypeBirthOptions(const BirthOptionTexts& texts, BirthOptions& o) {
    NatalEntryWindow& n = o.natal;
    DiurnalEntryWindow& d = o.diurnal;
    if (!texts.name.empty()) {
        n.txtName = texts.name;
    }
    for (const bool diurnal : {false, true}) {
        const BirthOptionTexts::Place& typed = diurnal ? texts.diurnal : texts.natal;
        EntryFields& f = diurnal ? d.fields : n.fields;
        if (const auto date = ParseDate(typed.date)) {
            f.year = date->year;
            f.month = date->month;
            f.day = date->day;
        }
        if (const auto time = ParseTime(typed.time)) {
            f.hour = time->hour;
            f.minute = time->minute;
            f.pm = time->pm;
        }
        if (const auto zone = ZoneFieldText(typed.zone)) {
            f.zone = *zone;
        }
        if (const auto c = ParseCoordinate(typed.lon, 'W', 'E')) {
            f.longDeg = c->degrees;
            f.longMin = c->minutes;
            f.east = c->negativeSide;
        }
        if (const auto c = ParseCoordinate(typed.lat, 'N', 'S')) {
            f.latDeg = c->degrees;
            f.latMin = c->minutes;
            f.south = c->negativeSide;
        }
    }
    if (texts.useNatalData) {
        d.chkNatOrNow = true;
    }
    if (const auto system = HouseSystemFromOption(texts.house)) {
        o.houseSystem = *system;
    }
}

ZoneNamesProblem ApplyZoneNames(const BirthOptionTexts& texts, BirthOptions& options) {
    const std::optional<Fold> fold =
        texts.fold.empty()
            ? std::nullopt
            : std::optional<Fold>(texts.fold == "later" ? Fold::Later : Fold::Earlier);
    bool foldRead = false;
    for (const bool diurnal : {false, true}) {
        const std::string& name = diurnal ? texts.diurnal.tz : texts.natal.tz;
        if (name.empty()) {
            continue;
        }
        const std::string option = diurnal ? "--diurnal-tz " : "--tz ";
        EntryFields& fields = diurnal ? options.diurnal.fields : options.natal.fields;
        const std::optional<LocalClock> local = TypedLocalClock(fields);
        if (!local) {
            return {option + name + " needs the date and time it is read for"};
        }
        const EntryZone zone =
            ZoneForClock(name, *local, fold.value_or(Fold::Earlier), TypedLongitude(fields));
        if (!zone.problem.empty()) {
            return {option + name + ": " + zone.problem, zone.databaseDamaged};
        }
        if (zone.kind == LocalTimeKind::Repeated && !fold) {
            return {option + name +
                    ": the clock time happened twice, when the clocks went back; "
                    "say which with --fold earlier or --fold later"};
        }
        foldRead = foldRead || zone.kind == LocalTimeKind::Repeated;
        fields.zone = zone.fieldText;
        fields.zoneFromDatabase = zone.fieldText;
        (diurnal ? options.diurnalZone : options.natalZone) =
            ZoneFound{name, zone.rule, zone.ruleLine,
                      zone.kind == LocalTimeKind::Repeated ? fold : std::nullopt};
    }
    if (fold && !foldRead) {
        return {
            "--fold is read only for a clock time that happened twice in the zone of --tz or "
            "--diurnal-tz"};
    }
    return {};
}

}  // namespace solvaris
