// `solvaris` alone or with --home opens the workstation, without a display
// one line and status 2. `solvaris` itself loads no GUI library and hands
// the workstation and the pictures to the workstation program, or says why not.
// The installed program: every file in its place, and a moved copy finds its
// own shipped data.
#include "cli/workstation_start.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "support/run_program.hpp"

namespace solvaris {
namespace {

using testing::ProgramRun;
using testing::RunShell;
using testing::ShellQuoted;

TEST(WorkstationStart, WhichArgumentsOpenTheWorkstation) {
    using Case = std::tuple<std::vector<std::string>, bool, const char*>;  // and the home
    const Case cases[] = {{{}, true, ""},
                          {{"--home", "/data/astro"}, true, "/data/astro"},
                          {{"--home"}, false, ""},
                          {{"help"}, false, ""},
                          {{"--home", "/data/astro", "report"}, false, ""}};
    for (const auto& [args, workstation, opened] : cases) {
        std::string home = "unchanged";
        EXPECT_EQ(IsWorkstationCommand(args, home), workstation) << args.size();
        if (workstation) {
            EXPECT_EQ(home, opened);
        }
    }
}

TEST(WorkstationStart, WhetherADisplayCanBeUsed) {
    using Environment = std::pair<DisplayEnvironment, bool>;  // and whether a display is there
    for (const auto& [environment, available] :
         {Environment{{"", "", ""}, false}, Environment{{":0", "", ""}, true},
          Environment{{"", "wayland-0", ""}, true}, Environment{{"", "", "offscreen"}, true},
          Environment{{"", "", "xcb"}, false}, Environment{{":94", "", "xcb"}, true},
          Environment{{"", "", "wayland"}, false},
          Environment{{"", "wayland-1", "wayland-egl"}, true}}) {
        EXPECT_EQ(DisplayAvailable(environment), available)
            << environment.display << "|" << environment.waylandDisplay << "|"
            << environment.qpaPlatform;
    }
}

// A bare environment keeps a sanitized build's settings (Qt's leak
// suppressions used without a word, so that stderr holds only what the
// program says).
constexpr const char* kSanitizerSettings =
    "ASAN_OPTIONS=\"${ASAN_OPTIONS:-}\" UBSAN_OPTIONS=\"${UBSAN_OPTIONS:-}\" "
    "LSAN_OPTIONS=\"${LSAN_OPTIONS:-}:print_suppressions=0\" ";

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
    const std::string desk = std::string(kSanitizerSettings) +
                             "HOME=" + ShellQuoted(scratch.path().string()) +
                             " QT_QPA_PLATFORM=offscreen ";
    const std::string bare = "env -i " + ShellQuoted(SOLVARIS_BINARY);
    const std::string lone = desk + ShellQuoted(alone);
    const std::string noDisplay = std::string(kNoDisplayMessage) + "\n";
    struct Case {
        const char* what;
        std::string program;  // with its environment
        std::vector<std::string> args;
        int status;
        std::string saidOnStderr{};  // a part of it, or "" for nothing said
    };
    const Case cases[] = {
        {"no display", bare, {}, 2, noDisplay},
        {"no display, a home", bare, {"--home", "/tmp"}, 2, noDisplay},
        {"help without a display", bare, {"help"}, 0},
        {"a wheel through the workstation program", desk + ShellQuoted(SOLVARIS_BINARY), wheel, 0},
        {"the wheel's help, headless", lone, {"wheel", "--help"}, 0},
        {"a wheel without the workstation program", lone, wheel, 3,
         "pictures are drawn by solvaris-workstation"},
        {"a bad option without it", lone, {"wheel", "natal", "--size", "9"}, 2, "--size"},
        {"the workstation without it", lone, {}, 3, "cannot be started"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(picture);
        const ProgramRun run = RunShell(c.program, c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err.empty(), c.saidOnStderr.empty()) << run.err;
        EXPECT_NE(run.err.find(c.saidOnStderr), std::string::npos) << run.err;
        EXPECT_LE(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;  // one line
        EXPECT_EQ(std::filesystem::exists(picture), c.args == wheel && c.status == 0);
        EXPECT_EQ(run.out.empty(), c.status != 0) << run.out;
    }
}

// A program tree directly under a folder others may write (a build in
// /tmp/build puts ../libexec and ../share in /tmp): what another user
// planted there is neither run nor copied; under a folder only its owner
// writes, the same tree is used.
TEST(HeadlessProgram, NeverRunsOrSeedsFromAFolderOthersMayWrite) {
    const testing::TempFolder scratch;
    const std::filesystem::path parent = scratch / "shared";
    const std::filesystem::path program = parent / "bin" / "solvaris";
    const std::filesystem::path planted = parent / "libexec" / "solvaris" / "solvaris-workstation";
    const std::filesystem::path marker = scratch / "planted-program-ran";
    std::filesystem::create_directories(program.parent_path());
    std::filesystem::create_directories(planted.parent_path());
    std::filesystem::create_directories(parent / "share" / "solvaris");
    std::filesystem::copy_file(SOLVARIS_BINARY, program);
    std::ofstream(planted) << "#!/bin/sh\ntouch " << ShellQuoted(marker.string()) << "\n";
    std::filesystem::permissions(planted, std::filesystem::perms::owner_all);
    std::ofstream(parent / "share" / "solvaris" / "OPTIONS.OPT") << "1\r\n";
    std::ofstream(parent / "share" / "solvaris" / "NAMES.FIL")
        << "Planted,1.1.1900,12.00,P,0,0.00,0.00\r\n";
    const std::filesystem::path home = scratch / "home";
    std::filesystem::create_directories(home);
    const std::string run = std::string(kSanitizerSettings) + "QT_QPA_PLATFORM=offscreen " +
                            ShellQuoted(program.string());
    const std::vector<std::string> wheel = {
        "wheel", "natal", "--person", "Sample Natal", "--out", (scratch / "natal.svg").string()};
    const std::vector<std::string> names = {"names", "list", "--home", home.string()};
    using std::filesystem::perms;
    struct Case {
        const char* what;
        perms parentMode;
        std::vector<std::string> args;
        int status;
        bool plantedUsed;
    };
    const Case cases[] = {
        {"planted program, open parent", perms::all, wheel, 3, false},
        {"planted seed, open parent", perms::all, names, 3, false},
        {"the same tree, private parent", perms::owner_all, wheel, 0, true},
        {"its data, private parent", perms::owner_all, names, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::permissions(parent, c.parentMode);
        std::filesystem::remove(marker);
        std::filesystem::remove(home / "NAMES.FIL");
        const ProgramRun ran = RunShell(run, c.args);
        EXPECT_EQ(ran.status, c.status) << ran.err;
        const bool used =
            std::filesystem::exists(marker) || std::filesystem::exists(home / "NAMES.FIL");
        EXPECT_EQ(used, c.plantedUsed) << ran.err;
        if (c.status == 3) {
            EXPECT_NE(ran.err.find(parent.string() + " can be written by other users"),
                      std::string::npos)
                << ran.err;
        }
    }
}

const std::vector<std::string> kNatalReport = {"report", "natal",  "--date", "1950-12-05",
                                               "--time", "7:45pm", "--zone", "5",
                                               "--lon",  "74w00",  "--lat",  "40n43"};

TEST(Install, MovedInstallSeedsFromItsOwnDataAndRunsReports) {
    const testing::TempFolder scratch;
    const std::filesystem::path prefix = scratch / "prefix";
    const ProgramRun install =
        RunShell(ShellQuoted(SOLVARIS_CMAKE_COMMAND),
                 {"--install", SOLVARIS_BUILD_DIR, "--prefix", prefix.string()});
    ASSERT_EQ(install.status, 0) << install.out << install.err;

    for (const char* file :
         {"bin/solvaris", "share/solvaris/OPTIONS.OPT", "share/solvaris/NAMES.FIL",
          "share/applications/solvaris.desktop", "share/icons/hicolor/scalable/apps/solvaris.svg",
          "share/metainfo/io.github.solvaris.Solvaris.metainfo.xml", "share/man/man1/solvaris.1.gz",
          "share/man/man1/solvaris-workstation.1.gz", "share/doc/solvaris/LICENSE",
          "share/doc/solvaris/copyright", "share/doc/solvaris/changelog.gz"}) {
        EXPECT_GT(testing::ReadBytes(prefix / file).size(), 0u) << file;
    }
    // A PNG of 128 by 128 pixels: the signature, then the header's width and height.
    const std::string icon =
        testing::ReadBytes(prefix / "share/icons/hicolor/128x128/apps/solvaris.png");
    EXPECT_EQ(icon.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(icon.substr(16, 8), std::string("\0\0\0\x80\0\0\0\x80", 8));

    // A file only the installed data has tells where the user's folder was
    // filled from: neither the source tree nor the compiled-in prefix.
    std::ofstream(prefix / "share/solvaris/INSTALLED.TXT") << "installed copy\n";
    const std::filesystem::path moved = scratch / "moved";
    std::filesystem::rename(prefix, moved);

    const ProgramRun expected = testing::RunSolvaris(kNatalReport);
    ASSERT_EQ(expected.status, 0) << expected.err;
    // What is set, the environment and the per-user folder the run fills.
    using Case = std::tuple<const char*, std::string, std::filesystem::path>;
    const Case cases[] = {
        {"XDG_DATA_HOME", "XDG_DATA_HOME=" + ShellQuoted((scratch / "xdg").string()),
         scratch / "xdg" / "solvaris"},
        {"HOME alone", "", scratch / "home" / ".local" / "share" / "solvaris"},
    };
    for (const auto& [what, environment, seeded] : cases) {
        SCOPED_TRACE(what);
        const std::string prefixCommand =
            std::string("env -i ") + kSanitizerSettings +
            "QT_QPA_PLATFORM=offscreen HOME=" + ShellQuoted((scratch / "home").string()) + " " +
            environment + " " + ShellQuoted((moved / "bin" / "solvaris").string());
        const ProgramRun run = RunShell(prefixCommand, kNatalReport);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, expected.out);
        EXPECT_EQ(testing::ReadBytes(seeded / "INSTALLED.TXT"), "installed copy\n");
        EXPECT_GT(testing::ReadBytes(seeded / "OPTIONS.OPT").size(), 0u);

        // A wheel, without Qt's complaint about a bare environment's runtime folder.
        const std::filesystem::path picture = scratch / (std::string(what) + ".svg");
        const ProgramRun wheel =
            RunShell(prefixCommand,
                     {"wheel", "natal", "--person", "Sample Natal", "--out", picture.string()});
        EXPECT_EQ(wheel.status, 0) << wheel.err;
        EXPECT_EQ(wheel.err, "");
        EXPECT_NE(testing::ReadBytes(picture).find("<svg"), std::string::npos);
    }
}

}  // namespace
}  // namespace solvaris
