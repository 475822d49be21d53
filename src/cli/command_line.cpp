#include "cli/command_line.hpp"

#include "app/session.hpp"
#include "cli/chart_command.hpp"
#include "cli/command_help.hpp"
#include "cli/exit_status.hpp"
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

int RunCommand(const std::string& command, std::vector<std::string>& rest, std::ostream& out,
               std::ostream& err) {
    if (command == "positions") {
        return RunPositionsCommand(rest, out, err);
    }
    Session session;
    if (const int status = OpenSession(rest, session, err)) {
        return status;
    }
    ScriptedPlatform platform(&err);
    if (command == "chart") {
        return RunChartCommand(rest, session, platform, out, err);
    }
    if (command == "return") {
        return RunReturnCommand(rest, session, platform, out, err);
    }
    if (command == "report") {
        return RunReportCommand(rest, session, platform, out, err);
    }
    if (command == "wheel") {
        return RunWheelCommandLine(rest, session, platform, out, err);
    }
    if (command == "names") {
        return RunNamesCommand(rest, session, platform, out, err);
    }
    if (command == "cities") {
        return RunCitiesCommand(rest, session, platform, out, err);
    }
    if (command == "batch") {
        return RunBatchCommand(rest, session, out, err);
    }
    return RunPlanetaryHoursCommand(rest, session, platform, out, err);
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" ||
        (args[0] == "help" && args.size() == 1)) {
        WriteCommandList(out);
        return kExitDone;
    }
    if (args[0] == "--version") {
        out << "solvaris " << kProgramVersion << '\n';
        return kExitDone;
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
        return kExitDone;
    }
    if (!IsCommandName(args[0])) {
        err << "solvaris: unknown command '" << args[0] << "' (solvaris help lists the commands)\n";
        return kExitBadCommandLine;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    // Before the program folder is opened: help needs none.
    if (AsksForHelp(rest) && WriteCommandHelp(args[0], out)) {
        return kExitDone;
    }
    const int status = RunCommand(args[0], rest, out, err);
    // A full disk or a closed pipe under the output is no success.
    out.flush();
    if (!out) {
        err << "solvaris " << args[0] << ": the output cannot be written\n";
        return kExitFileProblem;
    }
    return status;
}

}  // namespace solvaris
