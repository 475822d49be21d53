// Hostile command lines: status 0 only where every printed date and instant
// lies inside the years 100 to 2099 and agrees with itself; else 1, 2 or 3
// and one short reason. Output that cannot be written is no success. Every
// command's help and a worked example that runs as printed; --version.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <tuple>

#include "support/command_outcome.hpp"
#include "support/run_program.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

// 0100-01-01 and 2100-01-01 at 0h UT.
constexpr double kFirstJd = 1757582.5;
constexpr double kEndJd = 2488069.5;

bool YearInside(const std::string& year) {
    return year.size() == 4 && std::stoi(year) >= 100 && std::stoi(year) <= 2099;
}

// What a successful run printed outside the years or a date that contradicts
// itself; empty when nothing.
std::string PrintedOutsideSpan(const std::string& out) {
    const auto matches = [&out](const char* pattern, auto outside) {
        std::string found;
        const std::regex printed(pattern);
        for (std::sregex_iterator m(out.begin(), out.end(), printed), end; m != end; ++m) {
            found += outside(*m) ? m->str() + '\n' : "";
        }
        return found;
    };
    return matches(R"re("date":"(\d\d)/(\d\d)/([^"]*)".*?"moment":"([^-]+)-(\d\d)-(\d\d)T)re",
                   [](const std::smatch& d) {
                       return !YearInside(d[3]) || d[3] != d[4] || d[1] != d[5] || d[2] != d[6];
                   }) +
           matches(R"(RETURN  \d\d/\d\d/(\S+)  )",
                   [](const std::smatch& m) { return !YearInside(m[1]); }) +
           matches(R"((^|\n)(\d+\.\d+),)", [](const std::smatch& m) {
               return std::stod(m[2]) < kFirstJd || std::stod(m[2]) >= kEndJd;
           });
}

TEST(HostileCommandLines, StatusZeroOnlyInsideTheAcceptedSpan) {
    const testing::TempFolder scratch;
    const std::string image = (scratch / "w.png").string();
    const std::vector<std::string> person = {"--person", "Sample Natal"};
    using Case = std::tuple<std::vector<std::string>, int, const char*>;  // a part of stderr
    const Case cases[] = {
        // Returns: refused before computing, with how many fit.
        {{"return", "solar", "--next", "10000", "--format", "json"}, 2, "at most 73 solar returns"},
        {{"return", "solar", "--previous", "2000"}, 2, "at most 1926 solar returns"},
        {{"return", "solar", "--previous", "1926"}, 0, ""},
        {{"chart", "--names", "NAMES.FIL"}, 2, "--names is read only with --person"},
        {{"return", "solar", "--previous", "1927"}, 2, "would leave the years 100 to 2099"},
        {{"return", "lunar", "--next", "976", "--format", "json"}, 0, ""},
        {{"return", "lunar", "--next", "977"}, 2, "at most 976 lunar"},
        {{"return", "lunar", "--previous", "99999999999999999999"}, 2, "--previous"},
        {{"return", "solar", "--next", "3", "--previous", "3"}, 2, "--next excludes --previous"},
        {{"return", "solar", "--format", "xml"}, 2, "(formats: text, json)"},
        {{"return", "weekly"}, 2, "(returns: solar, lunar)"},
        {{"return"}, 2, "solar-or-lunar is required"},
        {{"wheel", "--out", "w.png"}, 2, "wheel is required"},
        {{"wheel", "natal", "--out", "w.pdf", "--paper", "a5"}, 2, "letter or a4, not 'a5'"},
        {{"wheel", "natal", "--out", "w.png", "--paper", "a4"},
         2,
         "--paper is read only for a .pdf"},
        {{"chart", "--format", "xml"}, 2, "(formats: json)"},
        {{"batch", "--names", "NAMES.FIL", "--format", "xml"}, 2, "(formats: csv, json)"},
        {{"report", "interpretations", "--diurnal-date", "2099-12-01", "--days", "31"}, 0, ""},
        {{"report", "interpretations", "--diurnal-date", "2099-12-01", "--days", "32"},
         2,
         "--days 32 would run past the year 2099; from this date at most 31 days"},
        // Positions: the years of a chart, and a short message past them.
        {{"positions", "--jd", "1e8"}, 2, "lies outside the years 100 to 2099, JD 1757582.5 to"},
        {{"positions", "--jd", "inf"}, 2, "--jd"},
        {{"positions", "--jd", "1757582.5", "--jd", "2488069.49"},
         0,
         "1 of the instants lie outside the years 1885 to 2099 that Pluto's series holds for"},
        {{"positions", "--jd", "2451545"}, 0, ""},
        {{"positions", "--jd", "1757582.49"}, 2, "outside"},
        {{"positions", "--from", "2099-12-01", "--days", "40"}, 2, "--days runs past the years"},
        {{"positions", "--from", "0099-12-31", "--days", "1"}, 2, "--from"},
        {{"positions", "--from", "2000-02-30", "--days", "1"}, 2, "--from"},
        {{"positions", "--from", "2000-01-01"}, 2, "--from requires --days"},
        {{"positions", "--jd", "2451545", "--ut", "3"}, 2, "--ut requires --from"},
        {{"positions", "--from", "2000-01-01", "--days", "2", "--ut", "24"}, 2, "--ut"},
        {{"positions", "--jd", "2451545", "--jobs", "0"}, 2, "--jobs"},
        {{"positions", "--jd", "2451545", "--home", "."}, 2, "unknown argument '--home'"},
        {{"positions"}, 2, "no instant given"},
        // Empty values are no values.
        {{"names", "list", "--home", ""}, 2, "--home: an empty value"},
        {{"batch", "--names", "NAMES.FIL", "--jobs", ""}, 2, "--jobs: an empty value"},
        {{"wheel", "natal", "--out", ""}, 2, "--out: an empty value"},
        {{"--home", ""}, 2, "--home"},
        // Options the command never reads.
        {{"report", "natal", "--pages", "5"}, 2, "--pages is read only by the ephemeris report"},
        {{"report", "natal", "--days", "5"}, 2, "--days is read only by the interpretations"},
        {{"report", "natal", "--noon"}, 2, "--noon is read only by the ephemeris report"},
        {{"report", "ephemeris", "--diurnal-zone", "99999999999999999999999"},
         2,
         "--diurnal-zone is not read by the ephemeris report"},
        {{"planetary-hours", "--diurnal-zone", "99999999999999999999999"},
         2,
         "--diurnal-zone is not read by planetary-hours"},
        {{"planetary-hours", "--house", "koch"}, 2, "--house is not read by planetary-hours"},
        {{"report", "planetary-hours", "--second-person", "Sample Natal"}, 2, "not read by"},
        {{"names", "list", "Sample Natal"}, 2, "list takes no name"},
        {{"names", "show"}, 2, "show needs the name"},
        {{"chart", "--bogus"}, 2, "unknown argument '--bogus'"},
        {{"help", "frobnicate"}, 2, "no command 'frobnicate'"},
        {{"help", "chart", "wheel"}, 2, "solvaris help"},
        {{"frobnicate", "--help"}, 2, "unknown command 'frobnicate'"},
        // Contradictions.
        {{"chart", "--now", "--date", "2000-01-01"}, 2, "--now excludes --date"},
        {{"chart", "--use-natal-data", "--diurnal-zone", "5"}, 2, "excludes"},
        // Values the checks refuse, said in the options' words (each option's
        // words: EntryOptionHints).
        {{"chart", "--date", "1950-12-05", "--zone", "5", "--lon", "74w00", "--lat", "69n39"},
         1,
         "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
         "systems.\n--lat 69n39: above 66°00' only Meridian (M), Morinus (I) and Whole Sign (W) "
         "houses"},
        {{"chart", "--zone", "5:00", "--lat", "69n39", "--house", "morinus"}, 0, ""},
        {{"planetary-hours", "--date", "2000-06-21", "--lat", "66S01"},
         1,
         "The latitude is too extreme. It must be 66 degrees"},
        {{"wheel", "natal", "--out", "/nonexistent-solvaris-folder/w.png"}, 3, "w.png"},
        {{"wheel", "natal", "--out", image, "--size", "10"}, 2, "--size"},
    };
    for (const auto& [given, status, said] : cases) {
        std::vector<std::string> args = given;
        if (args[0] == "return") {
            args.insert(args.end(), person.begin(), person.end());
        }
        SCOPED_TRACE(::testing::PrintToString(given));
        const Outcome r = RunArgs(args);
        EXPECT_EQ(r.status, status) << r.err;
        EXPECT_NE(r.err.find(said), std::string::npos) << r.err;
        if (r.status == 0) {
            EXPECT_EQ(PrintedOutsideSpan(r.out), "");
        } else {
            EXPECT_LT(r.err.size(), 400u) << r.err;  // one short reason, not a page of digits
            EXPECT_EQ(r.out, "");
        }
    }
}

// The command line says what to type: no window's buttons, each message
// once.
TEST(HostileCommandLines, StderrSpeaksCommandLineWords) {
    const testing::TempFolder scratch;
    const std::string broken = scratch.Write("BROKEN.FIL", "one field only\r\n").string();
    const std::vector<std::vector<std::string>> runs = {
        {"report", "ephemeris", "--date", "1960-06-15"},
        {"report", "ephemeris", "--date", "1960-06-15", "--noon"},
        {"names", "list", "--names", broken},
        {"chart", "--person", "x", "--names", broken},
        {"chart", "--date", "1950-12-05", "--zone", "-13.5"},
    };
    for (const auto& args : runs) {
        const Outcome r = RunArgs(args);
        SCOPED_TRACE(args[0] + '\n' + r.err);
        EXPECT_FALSE(std::regex_search(r.err, std::regex("Click|clicking")));
        EXPECT_EQ(r.err.find("Warning!", r.err.find("Warning!") + 1), std::string::npos);  // once
    }
    const Outcome names = RunArgs(runs[2]);  // a record that cannot be read
    EXPECT_EQ(names.status, 1);
    EXPECT_NE(names.err.find("text editor"), std::string::npos);
}

TEST(ExitStatus, OutputThatCannotBeWrittenIsNoSuccess) {
    // A full disk, then a closed output, for a command, help and the version.
    for (const char* args : {"positions --from 2026-01-01 --days 400", "help", "help chart",
                             "--version", "chart --help"}) {
        for (const char* output : {">/dev/full", ">&-"}) {
            const testing::ProgramRun run = testing::RunShell(
                "{ QT_QPA_PLATFORM=offscreen " + testing::ShellQuoted(SOLVARIS_BINARY) + " " +
                    args + " " + output + "; echo $? >&2; }",
                {});
            EXPECT_NE(run.err.find("the output cannot be written\n3\n"), std::string::npos)
                << args << output << run.err;
        }
    }
}

TEST(CommandHelp, EveryCommandHasHelpAndAWorkedExampleThatRuns) {
    const testing::TempFolder scratch;
    for (const char* command : {"positions", "chart", "return", "planetary-hours", "report",
                                "wheel", "names", "cities", "batch"}) {
        const Outcome byHelp = RunArgs({"help", command}), byOption = RunArgs({command, "--help"});
        ASSERT_EQ(byHelp.status + byOption.status, 0) << command << byHelp.err << byOption.err;
        const std::string& help = byHelp.out;
        EXPECT_EQ(byOption.out, help) << command;
        EXPECT_EQ(help.rfind(std::string("Usage: solvaris ") + command + " ", 0), 0u) << help;
        EXPECT_NE(help.find("Exit status"), std::string::npos) << command;

        // The example runs as printed, its files put in `scratch`.
        std::smatch printed;
        ASSERT_TRUE(std::regex_search(
            help, printed,
            std::regex(std::string("\nExample, [^\n]*:\n  solvaris ") + command + " ([^\n]*)\n")))
            << help;
        std::string example = std::string(command) + " " + printed[1].str();
        example = std::regex_replace(example, std::regex("~/.local/share/solvaris"),
                                     std::getenv("SOLVARIS_HOME"));
        example = std::regex_replace(example, std::regex("natal\\.png"),
                                     (scratch / "natal.png").string());
        const testing::ProgramRun run = testing::RunShell(
            "QT_QPA_PLATFORM=offscreen " + testing::ShellQuoted(SOLVARIS_BINARY) + " " + example,
            {});
        EXPECT_EQ(run.status, 0) << example << '\n' << run.err;
        EXPECT_GT(run.out.size(), 0u) << example;
    }
    EXPECT_GT(scratch.Read("natal.png").size(), 0u);
}

// The mistakes made asking for help: HostileCommandLines.
TEST(CommandHelp, VersionAndTheList) {
    for (const auto& [args, out] : std::initializer_list<std::pair<const char*, const char*>>{
             {"--version", "^solvaris [0-9]+\\.[0-9]+\n$"},
             {"help", "1 data the checks refuse, 2 a malformed command line,\n3 a file"},
             {"--help", "solvaris help COMMAND"}}) {
        const Outcome r = RunArgs({args});
        EXPECT_EQ(r.status, 0) << args;
        EXPECT_TRUE(std::regex_search(r.out, std::regex(out))) << args << ":\n" << r.out;
        EXPECT_EQ(r.err, "") << args;
    }
}

}  // namespace
}  // namespace solvaris
