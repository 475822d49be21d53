// `solvaris` alone or with --home opens the workstation; without a display
// it says so in one line and exits with 2, even with an empty environment.
#include "cli/workstation_start.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

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

// The program's stderr and exit status with no environment at all.
std::pair<std::string, int> RunWithEmptyEnvironment(const std::string& arguments) {
    const std::string command =
        std::string("env -i ") + SOLVARIS_BINARY + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    std::array<char, 256> buffer{};
    while (pipe != nullptr && std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        output += buffer.data();
    }
    const int status = pipe != nullptr ? ::pclose(pipe) : -1;
    return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(WorkstationStart, WithoutADisplayOneLineAndStatusTwo) {
    for (const char* arguments : {"", "--home /tmp"}) {
        const auto [output, status] = RunWithEmptyEnvironment(arguments);
        EXPECT_EQ(status, 2) << arguments;
        EXPECT_EQ(output, std::string(kNoDisplayMessage) + "\n") << arguments;
        EXPECT_NE(output.find("solvaris help"), std::string::npos);
    }
    // The headless commands still run.
    const auto [help, status] = RunWithEmptyEnvironment("help");
    EXPECT_EQ(status, 0);
    EXPECT_NE(help.find("Commands:"), std::string::npos);
}

}  // namespace
}  // namespace solvaris
