// `solvaris help COMMAND` and `COMMAND --help`: every command's usage and a
// worked example that runs as printed; --version; the exit statuses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>

#include "cli/command_line.hpp"
#include "support/run_program.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

// The example command printed under "Example, ...:".
std::string ExampleLine(const std::string& help) {
    const auto label = help.find("\nExample, ");
    if (label == std::string::npos) {
        return {};
    }
    const auto start = help.find("\n  ", label + 1);
    const auto end = help.find('\n', start + 1);
    return start == std::string::npos ? std::string() : help.substr(start + 3, end - start - 3);
}

// Runs an example as printed, through the shell, its files put in
// `scratch`: status 0 and output.
void ExpectExampleRuns(std::string example, const TempFolder& scratch) {
    example = std::regex_replace(example, std::regex("~/.local/share/solvaris"),
                                 std::getenv("SOLVARIS_HOME"));
    example = std::regex_replace(example, std::regex("natal\\.(png|svg)"),
                                 (scratch / "natal.$1").string());
    const testing::ProgramRun run = testing::RunShell(
        "QT_QPA_PLATFORM=offscreen " + testing::ShellQuoted(SOLVARIS_BINARY) + " " + example, {});
    EXPECT_EQ(run.status, 0) << example << '\n' << run.err;
    EXPECT_GT(run.out.size(), 0u) << example;
}

TEST(CommandHelp, EveryCommandHasHelpAndAWorkedExampleThatRuns) {
    const TempFolder scratch;
    for (const char* command : {"positions", "chart", "return", "planetary-hours", "report",
                                "wheel", "names", "cities", "batch"}) {
        std::ostringstream byHelp, byOption, err;
        ASSERT_EQ(RunCommandLine({"help", command}, byHelp, err), 0) << command << err.str();
        EXPECT_EQ(RunCommandLine({command, "--help"}, byOption, err), 0) << command << err.str();
        EXPECT_EQ(byOption.str(), byHelp.str()) << command;
        EXPECT_EQ(byHelp.str().rfind(std::string("Usage: solvaris ") + command + " ", 0), 0u)
            << byHelp.str();
        EXPECT_NE(byHelp.str().find("Exit status"), std::string::npos) << command;

        const std::string example = ExampleLine(byHelp.str());
        ASSERT_EQ(example.rfind(std::string("solvaris ") + command + " ", 0), 0u)
            << command << ": " << example;
        ExpectExampleRuns(example.substr(9), scratch);
    }
    EXPECT_GT(scratch.Read("natal.png").size(), 0u);
}

TEST(CommandHelp, VersionListAndMistakes) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* out;  // in stdout (a regular expression)
        const char* err;  // in stderr; empty: nothing
    };
    const Case cases[] = {
        {{"--version"}, 0, "^solvaris [0-9]+\\.[0-9]+\n$", ""},
        {{"help"}, 0, "1 data the checks refuse, 2 a malformed command line,\n3 a file", ""},
        {{"--help"}, 0, "solvaris help COMMAND", ""},
        {{"help", "frobnicate"}, 2, "^$", "no command 'frobnicate'"},
        {{"help", "chart", "wheel"}, 2, "^$", "solvaris help"},
        {{"frobnicate", "--help"}, 2, "^$", "unknown command 'frobnicate'"},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCommandLine(c.args, out, err), c.status) << c.args.back();
        EXPECT_TRUE(std::regex_search(out.str(), std::regex(c.out))) << c.args.back() << ":\n"
                                                                     << out.str();
        EXPECT_EQ(err.str().empty(), *c.err == '\0') << c.args.back();
        EXPECT_NE(err.str().find(c.err), std::string::npos) << err.str();
    }
}

TEST(CommandHelp, TheReadmeExamplesRun) {
    const TempFolder scratch;
    const std::string readme =
        testing::ReadBytes(std::filesystem::path(SOLVARIS_DATA_DIR).parent_path() / "README.md");
    const auto section = readme.find("\n## Examples\n");
    ASSERT_NE(section, std::string::npos);
    std::istringstream lines(readme.substr(section, readme.find("\n## ", section + 1) - section));
    const std::string prompt = "    ./build/solvaris ";
    int examples = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(prompt, 0) != 0) {
            continue;
        }
        ExpectExampleRuns(line.substr(prompt.size()), scratch);
        ++examples;
    }
    // A chart typed, one with its zone found, a report, a wheel, a comparison
    // and a batch.
    EXPECT_EQ(examples, 6);
    EXPECT_NE(scratch.Read("natal.svg").find("<svg"), std::string::npos);
}

}  // namespace
}  // namespace solvaris
