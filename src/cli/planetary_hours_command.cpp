#include "cli/planetary_hours_command.hpp"

#include "chart/planetary_hours.hpp"
#include "cli/chart_setup.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

int RunPlanetaryHoursCommand(const std::vector<std::string>& args, Session& session,
                             Platform& platform, std::ostream& out, std::ostream& err) {
    std::vector<std::string> rest;
    BirthOptions options;
    if (const int status = ReadBirthOptionsWithDefaults(args, "planetary-hours", session, platform,
                                                        err, rest, options)) {
        return status;
    }
    if (!rest.empty()) {
        err << "solvaris planetary-hours: unknown argument '" << rest.front() << "'\n";
        return 2;
    }
    // The window takes the natal entry as it stands.
    const BirthData natal = ReadNatalData(options.natal, platform.UserDateOrder());
    const auto day = OpenPlanetaryHours(natal, platform);
    if (!day) {
        return 1;
    }
    for (const std::string& line : DayLines(*day)) {
        out << line << '\n';
    }
    // A day without sunrise or sunset shows its rulers without times.
    return day->sun.BothFound() ? 0 : 1;
}

}  // namespace solvaris
