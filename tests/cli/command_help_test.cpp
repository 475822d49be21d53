// Every command's help and a worked example that runs as printed;
// --version; the exit statuses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>

#include "cli/command_line.hpp"
#include "support/run_program.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

TEST(CommandHelp, EveryCommandHasHelpAndAWorkedExampleThatRuns) {
    const TempFolder scratch;
    for (const char* command : {"positions", "chart", "return", "planetary-hours", "report",
                                "wheel", "names", "cities", "batch"}) {
        std::ostringstream byHelp, byOption, err;
        ASSERT_EQ(RunCommandLine({"help", command}, byHelp, err), 0) << command << err.str();
        EXPECT_EQ(RunCommandLine({command, "--help"}, byOption, err), 0) << command << err.str();
        const std::string help = byHelp.str();
        EXPECT_EQ(byOption.str(), help) << command;
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

}  // namespace
}  // namespace solvaris
