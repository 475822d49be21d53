#include "cli/command_table.hpp"

#include <algorithm>

#include "cli/chart_command.hpp"
#include "cli/names_command.hpp"
#include "cli/places_command.hpp"
#include "cli/planetary_hours_command.hpp"
#include "cli/positions_command.hpp"
#include "cli/report_command.hpp"
#include "cli/return_command.hpp"
#include "cli/timeline_command.hpp"
#include "cli/wheel_command.hpp"
#include "cli/zones_command.hpp"

namespace solvaris {

namespace {

// The commands that compute: the positions of the bodies at given instants,
// and the charts, reports and wheels of one birth.
constexpr std::array<CommandText, 7> kComputingCommands{{
    {"positions", kPositionsUsage,
     "longitude, latitude, declination, right ascension and next-day\n"
     "longitude of the Sun, Moon, planets and mean node as CSV, in degrees;\n"
     "instants as Julian days (UT), or N days from a date at DAYS steps\n"
     "(default 1) at HOURS universal time (default 0); --jobs N spreads the\n"
     "instants over N cores (default: all), the output the same as with one",
     false, true, "solvaris positions --from 2026-01-01 --days 7",
     "a week of daily positions at 0h UT", nullptr, DeclarePositionsCommand},
    {"chart", kChartUsage,
     "the natal, progressed, solar-arc and transit charts as JSON; each chart's\n"
     "\"points\" by name with sign, degree, minute, house and retrograde flag,\n"
     "and its \"house_cusps\", the 1st (the Ascendant) first",
     true, true,
     "solvaris chart --date 1950-12-05 --time 7:45pm --zone 5 --lon 74w00 --lat 40n43 "
     "--house koch",
     "the charts of a birth in New York at 7:45 in the evening, Koch houses", nullptr,
     DeclareChartCommand},
    {"return", kReturnUsage,
     "the solar return of the last birthday or the lunar return nearest\n"
     "the diurnal date, or N returns on or back, at the diurnal place;\n"
     "its date and moment in the calendar of --date",
     true, true, "solvaris return solar --person \"Sample Natal\" --next 3",
     "the next three solar returns of a person of the names file", nullptr, DeclareReturnCommand},
    {"planetary-hours", kPlanetaryHoursUsage,
     "sunrise, sunset and the 24 planetary hours of the natal date", true, true,
     "solvaris planetary-hours --date 2026-06-21 --zone -1 --lon 2e20 --lat 48n52",
     "the planetary hours of midsummer's day in Paris", nullptr, DeclarePlanetaryHoursCommand},
    {"report", kReportUsage, "what the data window shows for a Data-menu report", true, true,
     "solvaris report natal --person \"Sample Natal\"",
     "the natal data of a person of the names file", ReportNames, DeclareReportCommand},
    {"timeline", kTimelineUsage,
     "the exact moments (UT and the chart's clock) at which transiting bodies,\n"
     "the secondary progressed bodies and the solar-arc directed points aspect\n"
     "the natal points, with the stations and sign ingresses of the transiting\n"
     "bodies and the window of each aspect's orb (NAT2TRAN.ORB, NAT2PROG.ORB,\n"
     "NAT2SA.ORB); --format ics writes a calendar file. The dates printed are\n"
     "in the calendar of --from and --to (Julian before 1582-10-15); the\n"
     "calendar file's start times in the Gregorian calendar that calendar\n"
     "programs read, the Julian date named in the description",
     true, true, "solvaris timeline --person \"Sample Natal\" --from 2026-01-01 --to 2026-12-31",
     "a year of transits, progressions and directions", nullptr, DeclareTimelineCommand},
    {"wheel", kWheelUsage, "a chart wheel drawn into an image; the PDF is the full-page print",
     true, true, "solvaris wheel natal --person \"Sample Natal\" --out natal.png",
     "the natal wheel as a PNG picture", WheelKindNames, DeclareWheelCommand},
}};

// The commands over the program's files: the names and cities files, and
// every person of a names file cast at once.
constexpr std::array<CommandText, 3> kFileCommands{{
    {"names", kNamesUsage, "the persons of a names file, or one person's record", true, false,
     "solvaris names show \"Sample Natal\"", "the birth data of one person", nullptr,
     DeclareNamesCommand},
    {"cities", kCitiesUsage, "the places of a cities file, or one place's record", true, false,
     "solvaris cities list", "the places of the current cities file", nullptr,
     DeclareCitiesCommand},
    {"batch", kBatchUsage,
     "the natal positions and house cusps of every person of a names file;\n"
     "records that cannot be read are named on stderr and skipped;\n"
     "--jobs N spreads the persons over N cores (default: all), the output\n"
     "the same as with one",
     true, true, "solvaris batch --names ~/.local/share/solvaris/NAMES.FIL --format json",
     "every person of the names file as JSON", nullptr, DeclareBatchCommand},
}};

// The look-ups for the birth options: the zone names for --tz, the atlas's
// places for --place.
constexpr std::array<CommandText, 2> kLookUpCommands{{
    {"zones", kZonesUsage,
     "the zone names of the system's tz database that contain TEXT, for\n"
     "--tz and --diurnal-tz, which find the offset that held at the birth",
     false, false, "solvaris zones york", "America/New_York", nullptr, DeclareZonesCommand},
    {"places", kPlacesUsage,
     "the places of the world atlas (GeoNames, every place of 1,000 people or\n"
     "more) whose name or a word of it starts with NAME, the most populous\n"
     "first: region, country, population, latitude, longitude and zone, for\n"
     "--place and --diurnal-place",
     false, false, "solvaris places \"buffalo, new york\"",
     "the places called Buffalo in the state of New York", nullptr, DeclarePlacesCommand},
}};

// The groups one after the other, in the order the help lists them.
template <std::size_t... Sizes>
constexpr std::array<CommandText, (Sizes + ...)> Joined(
    const std::array<CommandText, Sizes>&... groups) {
    std::array<CommandText, (Sizes + ...)> all{};
    std::size_t next = 0;
    ((std::copy(groups.begin(), groups.end(), all.begin() + next), next += groups.size()), ...);
    return all;
}

constexpr std::array<CommandText, 12> kCommands =
    Joined(kComputingCommands, kFileCommands, kLookUpCommands);

}  // namespace

const std::array<CommandText, 12>& Commands() { return kCommands; }

const CommandText* FindCommand(std::string_view name) {
    for (const CommandText& command : Commands()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace solvaris
