#include "cli/command_help.hpp"

#include <array>

#include "cli/birth_options.hpp"
#include "cli/command_table.hpp"
#include "cli/ephemeris_option.hpp"
#include "cli/points_option.hpp"
#include "cli/report_command.hpp"
#include "cli/wheel_command.hpp"
#include "cli/zodiac_option.hpp"

namespace solvaris {

namespace {

void WriteIndented(std::string_view text, std::string_view indent, std::ostream& out) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        out << indent << text.substr(0, end) << '\n';
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
}

// The birth options as every chart command declares them.
void WriteBirthOptions(std::ostream& out) {
    CLI::App app;
    PrepareParser(app);
    BirthOptionTexts texts;
    DeclareBirthOptions(app, texts);
    out << "Birth options (what is not given is the present moment and the home place):\n";
    WriteOptionHelp(app, out);
}

void WriteExitStatuses(std::ostream& out) {
    out << "Exit status: " << kExitDone << " done, " << kExitRefusedData
        << " data the checks refuse, " << kExitBadCommandLine << " a malformed command line,\n"
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

bool WriteCommandHelp(std::string_view name, std::ostream& out) {
    const CommandText* command = FindCommand(name);
    if (command == nullptr) {
        return false;
    }
    out << "Usage: " << command->usage << "\n\n";
    WriteIndented(command->summary, "", out);
    if (command->choices != nullptr) {
        out << "One of: " << command->choices() << '\n';
    }
    CLI::App app;
    PrepareParser(app);
    command->declare(app);
    // The engine, zodiac and points that every computing command takes.
    EphemerisOptionTexts ephemeris;
    ZodiacOptionTexts zodiac;
    std::string points;
    if (command->computes) {
        DeclareEphemerisOptions(app, ephemeris);
        DeclareZodiacOptions(app, zodiac);
        DeclarePointsOption(app, points);
    }
    out << "\nOptions:\n";
    WriteOptionHelp(app, out);
    if (command->readsProgramFolder) {
        out << "  --home DIR\n      the program folder\n";
    }
    out << "\nExample, " << command->exampleResult << ":\n  " << command->example << "\n\n";
    WriteExitStatuses(out);
    return true;
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
