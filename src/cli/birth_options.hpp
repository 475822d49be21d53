// The birth-data options every chart command shares, declared once and
// typed into the two entry windows exactly as a user would type them there.
#pragma once

#include <optional>
#include <string>

#include "chart/house_system.hpp"
#include "cli/option_parser.hpp"
#include "people/entry_fields.hpp"
#include "people/entry_zone.hpp"

namespace solvaris {

// How --zone is given, for the help and its message.
inline constexpr const char* kZoneOptionHelp =
    "hours west of Greenwich, so Paris is -1: 5, -5.5 or -5:30";

// A zone found in the tz database for --tz or --diurnal-tz.
struct ZoneFound {
    std::string name;  // "America/New_York"
    ZoneRule rule;
    std::string ruleText;
    std::optional<Fold> fold;  // for a clock time that happened twice
};

struct BirthOptions {
    NatalEntryWindow natal;
    DiurnalEntryWindow diurnal;
    HouseSystem houseSystem = HouseSystem::Placidus;
    std::optional<ZoneFound> natalZone;
    std::optional<ZoneFound> diurnalZone;
    // The atlas places of --place and --diurnal-place, as the atlas names them.
    std::string natalPlace;
    std::string diurnalPlace;
};

// The options as typed; an option not given is empty (an empty value is
// refused).
struct BirthOptionTexts {
    struct Place {
        std::string date, time, zone, tz, lon, lat, place;
    };
    std::string name;
    Place natal, diurnal;
    std::string house;
    std::string person, secondPerson, names;
    std::string fold;  // "earlier" or "later"
    bool now = false;
    bool useNatalData = false;
};

// --person --names --now --name --date --time --zone --lon --lat --house
// --second-person, the --diurnal- options and --use-natal-data, each value
// checked as it is parsed.
void DeclareBirthOptions(CLI::App& app, BirthOptionTexts& texts);

// The first option typed that only the second chart reads, else empty.
std::string FirstDiurnalOption(const BirthOptionTexts& texts);

// For a chart of the natal person and the second person (`option` names
// it): empty when a second chart is typed, else why it is needed.
std::string SecondChartProblem(const BirthOptionTexts& texts, const std::string& option);

// For what reads the natal data and no houses (`reader` names it): empty,
// or why an option typed is refused.
std::string NatalOnlyProblem(const BirthOptionTexts& texts, const std::string& reader);

// The typed values into the windows, which hold their defaults and any
// person picked (the values were checked when parsed).
void TypeBirthOptions(const BirthOptionTexts& texts, BirthOptions& options);

struct ZoneNamesProblem {
    std::string text;              // empty when the zones were filled
    bool databaseDamaged = false;  // a zone file there that is no zone file
};

// --tz and --diurnal-tz: the zone field filled with the offset that held at
// the window's date, clock time and longitude. Why it cannot be when it
// cannot (an unknown zone, a damaged zone file, a skipped time, a repeated
// time without --fold).
ZoneNamesProblem ApplyZoneNames(const BirthOptionTexts& texts, BirthOptions& options);

}  // namespace solvaris
