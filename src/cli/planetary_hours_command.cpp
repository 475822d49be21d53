#include "cli/planetary_hours_command.hpp"

#include "chart/planetary_hours.hpp"
#include "cli/chart_setup.hpp"
#include "cli/exit_status.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

CommandRun DeclarePlanetaryHoursCommand(CLI::App& app) {
    auto texts = std::make_shared<BirthOptionTexts>();
    DeclareBirthOptions(app, *texts);
    return [texts](Session& session, HeadlessPlatform& platform, std::ostream& out,
                   std::ostream& err) {
        // The window takes the natal entry as it stands: no second chart, no houses.
        if (const std::string unread = NatalOnlyProblem(*texts, "planetary-hours");
            !unread.empty()) {
            err << "solvaris planetary-hours: " << unread << '\n';
            return kExitBadCommandLine;
        }
        BirthOptions options;
        if (const int status =
                FillBirthOptions(*texts, "planetary-hours", session, platform, err, options)) {
            return status;
        }
        const BirthData natal = ReadNatalData(options.natal, platform.UserDateOrder());
        const Ephemeris ephemeris = session.ChosenEphemeris();
        const auto day = OpenPlanetaryHours(ephemeris, natal, platform);
        if (!day) {
            return kExitRefusedData;
        }
        for (const std::string& line : DayLines(*day)) {
            out << line << '\n';
        }
        if (const std::string line = EphemerisReportLine(ephemeris); !line.empty()) {
            out << line << '\n';
        }
        // A day without sunrise or sunset shows its rulers without times.
        return day->sun.BothFound() ? kExitDone : kExitRefusedData;
    };
}

}  // namespace solvaris
