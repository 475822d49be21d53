#include "cli/command_line.hpp"

#include "app/session.hpp"
#include "base/visible_text.hpp"
#include "cli/command_help.hpp"
#include "cli/command_line_words.hpp"
#include "cli/command_table.hpp"
#include "cli/ephemeris_option.hpp"
#include "cli/exit_status.hpp"
#include "cli/option_parser.hpp"
#include "cli/points_option.hpp"
#include "cli/program_setup.hpp"
#include "cli/zodiac_option.hpp"
#include "platform/headless/headless_platform.hpp"

namespace solvaris {

namespace {

// The command's options parsed, then its program folder opened (every
// command but positions reads one), then the command run.
int RunCommand(const CommandText& command, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) {
    CLI::App app;
    PrepareParser(app);
    const CommandRun run = command.declare(app);
    Session session;
    if (const int status = OpenCommandSession(app, command, args, session, err)) {
        return status;
    }
    HeadlessPlatform platform(&err, CommandLineWords);
    return run(session, platform, out, err);
}

int RunArguments(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" ||
        (args[0] == "help" && args.size() == 1)) {
        WriteCommandList(out);
        return kExitDone;
    }
    if (args[0] == "--home") {
        // The workstation's folder, given empty or with more after it.
        err << "solvaris: --home takes one folder, not empty (solvaris --home DIR opens the "
               "workstation on it)\n";
        return kExitBadCommandLine;
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
            err << "solvaris help: no command '" << VisibleText(ValidUtf8Text(args[1]))
                << "' (solvaris help lists the commands)\n";
            return kExitBadCommandLine;
        }
        return kExitDone;
    }
    const CommandText* command = FindCommand(args[0]);
    if (command == nullptr) {
        err << "solvaris: unknown command '" << VisibleText(ValidUtf8Text(args[0]))
            << "' (solvaris help lists the commands)\n";
        return kExitBadCommandLine;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    // Before the program folder is opened: help needs none.
    if (AsksForHelp(rest) && WriteCommandHelp(args[0], out)) {
        return kExitDone;
    }
    return RunCommand(*command, rest, out, err);
}

}  // namespace

int OpenCommandSession(CLI::App& app, const CommandText& command,
                       const std::vector<std::string>& args, Session& session, std::ostream& err) {
    std::string home;
    if (command.readsProgramFolder) {
        AddPath(app, "--home", home, "DIR", "the program folder");
    }
    EphemerisOptionTexts ephemeris;
    ZodiacOptionTexts zodiac;
    std::string points;
    if (command.computes) {
        DeclareEphemerisOptions(app, ephemeris);
        DeclareZodiacOptions(app, zodiac);
        DeclarePointsOption(app, points);
    }
    if (const int status = ParseArguments(app, args, command.name, err)) {
        return status;
    }
    if (command.readsProgramFolder) {
        if (const int status = OpenSession(home, session, err)) {
            return status;
        }
    }
    ApplyEphemerisOptions(ephemeris, session);
    ApplyZodiacOptions(zodiac, session);
    ApplyPointsOption(points, session);
    return kExitDone;
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const int status = RunArguments(args, out, err);
    // A full disk or a closed pipe under the output is no success, for
    // help and the version as for every command.
    out.flush();
    if (!out) {
        const std::string command = args.empty() ? std::string("help") : args[0];
        err << "solvaris " << VisibleText(ValidUtf8Text(command))
            << ": the output cannot be written\n";
        return kExitFileProblem;
    }
    return status;
}

}  // namespace solvaris
