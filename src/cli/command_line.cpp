#include "cli/command_line.hpp"

#include "app/session.hpp"
#include "cli/chart_command.hpp"
#include "cli/names_command.hpp"
#include "cli/planetary_hours_command.hpp"
#include "cli/positions_command.hpp"
#include "cli/program_setup.hpp"
#include "cli/report_command.hpp"
#include "cli/return_command.hpp"
#include "cli/wheel_command.hpp"
#include "platform/headless/scripted_platform.hpp"

namespace solvaris {

namespace {

void WriteHelp(std::ostream& out) {
    out << "SOLVARIS astrology workstation\n"
           "\n"
           "Commands:\n"
           "  solvaris help\n"
           "      this list\n"
           "  "
        << kPositionsUsage
        << "\n"
           "      longitude, latitude, declination, right ascension and next-day\n"
           "      longitude of the Sun, Moon, planets and mean node as CSV, in degrees;\n"
           "      instants as Julian days (UT), or N days from a date at DAYS steps\n"
           "      (default 1) at HOURS universal time (default 0)\n"
           "  "
        << kChartUsage
        << "\n"
           "      the natal, progressed, solar-arc and transit charts as JSON; birth\n"
           "      options --name TEXT --date YYYY-MM-DD --time H:MMam|pm --zone HOURS\n"
           "      --lon DDDwMM|DDDeMM --lat DDnMM|DDsMM, the second chart's with\n"
           "      --diurnal-date --diurnal-time --diurnal-zone --diurnal-lon\n"
           "      --diurnal-lat or --use-natal-data, and --house P|R|K|C|O|EA|EM|M|I;\n"
           "      what is not given is the present moment and the home place\n"
           "  "
        << kReturnUsage
        << "\n"
           "      the solar return of the last birthday or the lunar return nearest\n"
           "      the diurnal date, or N returns on or back, at the diurnal place\n"
           "  "
        << kPlanetaryHoursUsage
        << "\n"
           "      sunrise, sunset and the 24 planetary hours of the natal date\n"
           "  "
        << kReportUsage
        << "\n"
           "      what the data window shows for a Data-menu report: "
        << ReportNames()
        << "\n"
           "  "
        << kWheelUsage
        << "\n"
           "      a chart wheel drawn into an image; the PDF is the full-page print;\n"
           "      wheels: "
        << WheelKindNames()
        << "\n"
           "  "
        << kNamesUsage
        << "\n"
           "      the persons of a names file, or one person's record\n"
           "  "
        << kCitiesUsage
        << "\n"
           "      the places of a cities file, or one place's record\n"
           "  "
        << kBatchUsage
        << "\n"
           "      the natal positions and house cusps of every person of a names file;\n"
           "      records that cannot be read are named on stderr and skipped\n"
           "\n"
           "Every command but positions takes --home DIR, the program folder (else\n"
           "$SOLVARIS_HOME, else ~/.local/share/solvaris, filled from the shipped data\n"
           "on first use). Chart commands also take --person NAME and\n"
           "--second-person NAME from the names file (--names FILE), and --now.\n";
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        WriteHelp(out);
        return 0;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "positions") {
        return RunPositionsCommand(rest, out, err);
    }
    Session session;
    if (const int status = OpenSession(rest, session, err)) {
        return status;
    }
    ScriptedPlatform platform(&err);
    if (args[0] == "chart") {
        return RunChartCommand(rest, session, platform, out, err);
    }
    if (args[0] == "return") {
        return RunReturnCommand(rest, session, platform, out, err);
    }
    if (args[0] == "report") {
        return RunReportCommand(rest, session, platform, out, err);
    }
    if (args[0] == "wheel") {
        return RunWheelCommandLine(rest, session, platform, out, err);
    }
    if (args[0] == "names") {
        return RunNamesCommand(rest, session, platform, out, err);
    }
    if (args[0] == "cities") {
        return RunCitiesCommand(rest, session, platform, out, err);
    }
    if (args[0] == "batch") {
        return RunBatchCommand(rest, session, out, err);
    }
    if (args[0] == "planetary-hours") {
        return RunPlanetaryHoursCommand(rest, session, platform, out, err);
    }
    err << "solvaris: unknown command '" << args[0] << "' (solvaris help lists the commands)\n";
    return 2;
}

}  // namespace solvaris
