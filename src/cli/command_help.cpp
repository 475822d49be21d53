#include "cli/command_help.hpp"

#include <array>

#include "cli/birth_options.hpp"
#include "cli/chart_command.hpp"
#include "cli/house_option.hpp"
#include "cli/names_command.hpp"
#include "cli/planetary_hours_command.hpp"
#include "cli/positions_command.hpp"
#include "cli/report_command.hpp"
#include "cli/return_command.hpp"
#include "cli/wheel_command.hpp"

namespace solvaris {

namespace {

struct CommandText {
    std::string_view name;
    std::string_view usage;
    std::string_view summary;  // indented lines under the usage
    bool birthOptions;         // takes the birth options
    std::string_view example;
    std::string_view exampleResult;
    std::string (*choices)() = nullptr;  // the names KIND or NAME may be
};

const std::array<CommandText, 9>& Commands() {
    static const std::array<CommandText, 9> commands{{
        {"positions", kPositionsUsage,
         "longitude, latitude, declination, right ascension and next-day\n"
         "longitude of the Sun, Moon, planets and mean node as CSV, in degrees;\n"
         "instants as Julian days (UT), or N days from a date at DAYS steps\n"
         "(default 1) at HOURS universal time (default 0); --jobs N spreads the\n"
         "instants over N cores (default: all), the output the same as with one",
         false, "solvaris positions --from 2026-01-01 --days 7",
         "a week of daily positions at 0h UT"},
        {"chart", kChartUsage,
         "the natal, progressed, solar-arc and transit charts as JSON; each chart's\n"
         "\"points\" by name with sign, degree, minute, house and retrograde flag,\n"
         "and its \"house_cusps\", the 1st (the Ascendant) first",
         true,
         "solvaris chart --date 1950-12-05 --time 7:45pm --zone 5 --lon 74w00 --lat 40n43 "
         "--house koch",
         "the charts of a birth in New York at 7:45 in the evening, Koch houses"},
        {"return", kReturnUsage,
         "the solar return of the last birthday or the lunar return nearest\n"
         "the diurnal date, or N returns on or back, at the diurnal place",
         true, "solvaris return solar --person \"Sample Natal\" --next 3",
         "the next three solar returns of a person of the names file"},
        {"planetary-hours", kPlanetaryHoursUsage,
         "sunrise, sunset and the 24 planetary hours of the natal date", true,
         "solvaris planetary-hours --date 2026-06-21 --zone -1 --lon 2e20 --lat 48n52",
         "the planetary hours of midsummer's day in Paris"},
        {"report", kReportUsage, "what the data window shows for a Data-menu report", true,
         "solvaris report natal --person \"Sample Natal\"",
         "the natal data of a person of the names file", ReportNames},
        {"wheel", kWheelUsage, "a chart wheel drawn into an image; the PDF is the full-page print",
         true, "solvaris wheel natal --person \"Sample Natal\" --out natal.png",
         "the natal wheel as a PNG picture", WheelKindNames},
        {"names", kNamesUsage, "the persons of a names file, or one person's record", false,
         "solvaris names show \"Sample Natal\"", "the birth data of one person"},
        {"cities", kCitiesUsage, "the places of a cities file, or one place's record", false,
         "solvaris cities list", "the places of the current cities file"},
        {"batch", kBatchUsage,
         "the natal positions and house cusps of every person of a names file;\n"
         "records that cannot be read are named on stderr and skipped;\n"
         "--jobs N spreads the persons over N cores (default: all), the output\n"
         "the same as with one",
         false, "solvaris batch --names ~/.local/share/solvaris/NAMES.FIL --format json",
         "every person of the names file as JSON"},
    }};
    return commands;
}

void WriteIndented(std::string_view text, std::string_view indent, std::ostream& out) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        out << indent << text.substr(0, end) << '\n';
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
}

void WriteBirthOptions(std::ostream& out) {
    out << "Birth options:\n"
           "  --name TEXT --date YYYY-MM-DD --time H:MMam|H:MMpm|H:MM\n"
           "  --zone HOURS  "
        << kZoneOptionHelp
        << "\n"
           "  --lon DDDwMM|DDDeMM --lat DDnMM|DDsMM\n"
           "  the second chart's: --diurnal-date --diurnal-time --diurnal-zone\n"
           "  --diurnal-lon --diurnal-lat, or --use-natal-data\n"
           "  --house SYSTEM  "
        << kHouseOptionValues
        << "\n"
           "  --person NAME, --second-person NAME  from the names file (--names FILE)\n"
           "  --now  the present moment; what is not given is the present moment and\n"
           "  the home place\n";
}

void WriteExitStatuses(std::ostream& out) {
    out << "Exit status: 0 done, " << kExitRefusedData << " data the checks refuse, "
        << kExitBadCommandLine << " a malformed command line,\n"
        << kExitFileProblem << " a file that cannot be read or written.\n";
}

}  // namespace

void WriteCommandList(std::ostream& out) {
    out << "SOLVARIS astrology workstation " << kProgramVersion
        << "\n"
           "\n"
           "Usage: solvaris            opens the workstation (needs a display)\n"
           "       solvaris COMMAND    runs headless; solvaris help COMMAND or\n"
           "                           solvaris COMMAND --help tells more\n"
           "       solvaris --version\n"
           "\n"
           "Commands:\n";
    for (const CommandText& command : Commands()) {
        out << "  " << command.usage << '\n';
        WriteIndented(command.summary, "      ", out);
    }
    out << "\nReports: " << ReportNames() << "\nWheels: " << WheelKindNames() << "\n\n";
    WriteBirthOptions(out);
    out << "\n"
           "Every command but positions takes --home DIR, the program folder (else\n"
           "$SOLVARIS_HOME, else ~/.local/share/solvaris, filled from the shipped data\n"
           "on first use).\n";
    WriteExitStatuses(out);
}

bool IsCommandName(std::string_view name) {
    for (const CommandText& command : Commands()) {
        if (command.name == name) {
            return true;
        }
    }
    return false;
}

bool WriteCommandHelp(std::string_view name, std::ostream& out) {
    for (const CommandText& command : Commands()) {
        if (command.name != name) {
            continue;
        }
        out << "Usage: " << command.usage << "\n\n";
        WriteIndented(command.summary, "", out);
        if (command.choices != nullptr) {
            out << "One of: " << command.choices() << '\n';
        }
        if (command.birthOptions) {
            out << '\n';
            WriteBirthOptions(out);
        }
        out << "\nExample, " << command.exampleResult << ":\n  " << command.example << "\n\n";
        WriteExitStatuses(out);
        return true;
    }
    return false;
}

bool AsksForHelp(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            return true;
        }
    }
    return false;
}

}  // namespace solvaris
