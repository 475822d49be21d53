// `solvaris` alone or with --home opens the workstation; without a display
// it says so in one line and exits with 2, even with an empty environment.
#include "cli/workstation_start.hpp"

#include <gtest/gtest.h>

#include "support/run_program.hpp"

namespace solvaris {
namespace {

TEST(WorkstationStart, WhichArgumentsOpenTheWorkstation) {
    struct Case {
        std::vector<std::string> args;
        bool workstation;
        const char* home;
    };
    const Case cases[] = {
        {{}, true, ""},
        {{"--home", "/data/astro"}, true, "/data/astro"},
        {{"--home"}, false, ""},
        {{"help"}, false, ""},
        {{"report", "natal"}, false, ""},
        {{"--home", "/data/astro", "report"}, false, ""},
    };
    for (const Case& c : cases) {
        std::string home = "unchanged";
        EXPECT_EQ(IsWorkstationCommand(c.args, home), c.workstation) << c.args.size();
        if (c.workstation) {
            EXPECT_EQ(home, c.home);
        }
    }
}

TEST(WorkstationStart, WhetherADisplayCanBeUsed) {
    struct Case {
        DisplayEnvironment environment;
        bool available;
    };
    const Case cases[] = {
        {{"", "", ""}, false},
        {{":0", "", ""}, true},
        {{"", "wayland-0", ""}, true},
        {{"", "", "offscreen"}, true},
        {{"", "", "vnc"}, true},
        {{"", "", "xcb"}, false},
        {{":94", "", "xcb"}, true},
        {{"", "", "wayland"}, false},
        {{"", "wayland-1", "wayland-egl"}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DisplayAvailable(c.environment), c.available)
            << c.environment.display << "|" << c.environment.waylandDisplay << "|"
            << c.environment.qpaPlatform;
    }
}

// With no environment at all: one line, status 2; the headless commands run.
TEST(WorkstationStart, WithoutADisplayOneLineAndStatusTwo) {
    const std::string bare = "env -i " + testing::ShellQuoted(SOLVARIS_BINARY);
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"--home", "/tmp"}}) {
        const testing::ProgramRun run = testing::RunShell(bare, args);
        EXPECT_EQ(run.status, 2) << args.size();
        EXPECT_EQ(run.out + run.err, std::string(kNoDisplayMessage) + "\n") << args.size();
        EXPECT_NE(run.err.find("solvaris help"), std::string::npos);
    }
    const testing::ProgramRun help = testing::RunShell(bare, {"help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Commands:"), std::string::npos);
}

}  // namespace
}  // namespace solvaris
