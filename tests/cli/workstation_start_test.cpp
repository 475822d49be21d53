// `solvaris` alone or with --home opens the workstation, without a display
// one line and status 2. `solvaris` itself loads no GUI library and hands
// the workstation and the pictures to the workstation program, or says why not.
#include "cli/workstation_start.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_program.hpp"

namespace solvaris {
namespace {

using testing::ProgramRun;
using testing::RunShell;
using testing::ShellQuoted;

TEST(WorkstationStart, WhichArgumentsOpenTheWorkstation) {
    struct Case {
        std::vector<std::string> args;
        bool workstation;
        const char* home;
    };
    const Case cases[] = {{{}, true, ""},
                          {{"--home", "/data/astro"}, true, "/data/astro"},
                          {{"--home"}, false, ""},
                          {{"help"}, false, ""},
                          {{"--home", "/data/astro", "report"}, false, ""}};
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
        {{"", "", ""}, false},         {{":0", "", ""}, true},
        {{"", "wayland-0", ""}, true}, {{"", "", "offscreen"}, true},
        {{"", "", "xcb"}, false},      {{":94", "", "xcb"}, true},
        {{"", "", "wayland"}, false},  {{"", "wayland-1", "wayland-egl"}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DisplayAvailable(c.environment), c.available)
            << c.environment.display << "|" << c.environment.waylandDisplay << "|"
            << c.environment.qpaPlatform;
    }
}

// Without a display: one line, status 2; the headless commands run. Without
// the workstation program beside it or in its library folder, the pictures
// and the workstation are refused.
TEST(HeadlessProgram, LoadsNoQtAndHandsPicturesOver) {
    const ProgramRun loaded =
        RunShell("LD_TRACE_LOADED_OBJECTS=1 " + ShellQuoted(SOLVARIS_BINARY), {});
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_NE(loaded.out.find("libstdc++"), std::string::npos) << loaded.out;
    EXPECT_EQ(loaded.out.find("libQt"), std::string::npos) << loaded.out;

    const testing::TempFolder scratch;
    const std::filesystem::path alone = scratch / "bin" / "solvaris";
    std::filesystem::create_directories(alone.parent_path());
    std::filesystem::copy_file(SOLVARIS_BINARY, alone);
    const std::string picture = (scratch / "natal.svg").string();
    const std::vector<std::string> wheel = {"wheel",        "natal", "--person",
                                            "Sample Natal", "--out", picture};
    // A sanitized build's leak suppressions used without a word.
    const std::string desk = "LSAN_OPTIONS=\"${LSAN_OPTIONS:-}:print_suppressions=0\" HOME=" +
                             ShellQuoted(scratch.path().string()) + " QT_QPA_PLATFORM=offscreen ";
    const std::string bare = "env -i " + ShellQuoted(SOLVARIS_BINARY);
    const std::string noDisplay = std::string(kNoDisplayMessage) + "\n";
    struct Case {
        const char* what;
        std::string program;  // with its environment
        std::vector<std::string> args;
        int status;
        std::string saidOnStderr;  // a part of it, or "" for nothing said
    };
    const Case cases[] = {
        {"no display", bare, {}, 2, noDisplay},
        {"no display, a home", bare, {"--home", "/tmp"}, 2, noDisplay},
        {"help without a display", bare, {"help"}, 0, ""},
        {"a wheel through the workstation program", desk + ShellQuoted(SOLVARIS_BINARY), wheel, 0,
         ""},
        {"the wheel's help, headless", desk + ShellQuoted(alone), {"wheel", "--help"}, 0, ""},
        {"a wheel without the workstation program", desk + ShellQuoted(alone), wheel, 3,
         "pictures are drawn by solvaris-workstation"},
        {"a bad option without it",
         desk + ShellQuoted(alone),
         {"wheel", "natal", "--size", "9"},
         2,
         "--size"},
        {"the workstation without it", desk + ShellQuoted(alone), {}, 3, "cannot be started"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(picture);
        const ProgramRun run = RunShell(c.program, c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err.empty(), c.saidOnStderr.empty()) << run.err;
        EXPECT_NE(run.err.find(c.saidOnStderr), std::string::npos) << run.err;
        if (c.saidOnStderr == noDisplay) {  // one line
            EXPECT_EQ(run.out + run.err, noDisplay);
        }
        EXPECT_EQ(std::filesystem::exists(picture), c.args == wheel && c.status == 0);
        EXPECT_EQ(run.out.empty(), c.status != 0 || c.args == wheel) << run.out;
    }
}

}  // namespace
}  // namespace solvaris
