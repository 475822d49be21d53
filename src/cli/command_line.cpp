#include "cli/command_line.hpp"

#include "app/session.hpp"
#include "cli/chart_command.hpp"
#include "cli/command_help.hpp"
#include "cli/names_command.hpp"
#include "cli/planetary_hours_command.hpp"
#include "cli/positions_command.hpp"
#include "cli/program_setup.hpp"
#include "cli/report_command.hpp"
#include "cli/return_command.hpp"
#include "cli/wheel_command.hpp"
#include "platform/headless/scripted_platform.hpp"

namespace solvaris {

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" ||
        (args[0] == "help" && args.size() == 1)) {
        WriteCommandList(out);
        return 0;
    }
    if (args[0] == "--version") {
        out << "solvaris " << kProgramVersion << '\n';
        return 0;
    }
    if (args[0] == "help") {
        if (args.size() > 2) {
            err << "solvaris help: one command at a time (solvaris help COMMAND)\n";
            return kExitBadCommandLine;
        }
        if (!WriteCommandHelp(args[1], out)) {
            err << "solvaris help: no command '" << args[1]
                << "' (solvaris help lists the commands)\n";
            return kExitBadCommandLine;
        }
        return 0;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    // Before the program folder is opened: help needs none.
    if (AsksForHelp(rest) && WriteCommandHelp(args[0], out)) {
        return 0;
    }
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
    return kExitBadCommandLine;
}

}  // namespace solvaris
