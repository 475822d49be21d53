#include "cli/command_line.hpp"

#include "cli/positions_command.hpp"

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
           "      (default 1) at HOURS universal time (default 0)\n";
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        WriteHelp(out);
        return 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "positions") {
        return RunPositionsCommand(rest, out, err);
    }
    err << "solvaris: unknown command '" << args[0] << "' (solvaris help lists the commands)\n";
    return 2;
}

}  // namespace solvaris
