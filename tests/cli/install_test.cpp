// The installed program: every file in its place, and a moved copy finds
// its own shipped data.
#include <gtest/gtest.h>

#include <fstream>

#include "support/run_program.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::ProgramRun;
using testing::ReadBytes;
using testing::RunShell;
using testing::ShellQuoted;
using testing::TempFolder;

const std::vector<std::string> kNatalReport = {"report", "natal",  "--date", "1950-12-05",
                                               "--time", "7:45pm", "--zone", "5",
                                               "--lon",  "74w00",  "--lat",  "40n43"};

// A bare environment keeps a sanitized build's settings (Qt's leak
// suppressions used without a word, so that stderr holds only what the
// program says).
constexpr const char* kSanitizerSettings =
    "ASAN_OPTIONS=\"${ASAN_OPTIONS:-}\" UBSAN_OPTIONS=\"${UBSAN_OPTIONS:-}\" "
    "LSAN_OPTIONS=\"${LSAN_OPTIONS:-}:print_suppressions=0\" ";

TEST(Install, MovedInstallSeedsFromItsOwnDataAndRunsReports) {
    const TempFolder scratch;
    const std::filesystem::path prefix = scratch / "prefix";
    const ProgramRun install =
        RunShell(ShellQuoted(SOLVARIS_CMAKE_COMMAND),
                 {"--install", SOLVARIS_BUILD_DIR, "--prefix", prefix.string()});
    ASSERT_EQ(install.status, 0) << install.out << install.err;

    for (const char* file :
         {"bin/solvaris", "share/solvaris/OPTIONS.OPT", "share/solvaris/NAMES.FIL",
          "share/applications/solvaris.desktop", "share/icons/hicolor/scalable/apps/solvaris.svg",
          "share/metainfo/io.github.solvaris.Solvaris.metainfo.xml", "share/man/man1/solvaris.1"}) {
        EXPECT_GT(ReadBytes(prefix / file).size(), 0u) << file;
    }
    // A PNG of 128 by 128 pixels: the signature, then the header's width and height.
    const std::string icon = ReadBytes(prefix / "share/icons/hicolor/128x128/apps/solvaris.png");
    EXPECT_EQ(icon.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(icon.substr(16, 8), std::string("\0\0\0\x80\0\0\0\x80", 8));

    // A file only the installed data has tells where the user's folder was
    // filled from: neither the source tree nor the compiled-in prefix.
    std::ofstream(prefix / "share/solvaris/INSTALLED.TXT") << "installed copy\n";
    const std::filesystem::path moved = scratch / "moved";
    std::filesystem::rename(prefix, moved);

    const ProgramRun expected = testing::RunSolvaris(kNatalReport);
    ASSERT_EQ(expected.status, 0) << expected.err;
    struct Case {
        const char* what;
        std::string environment;
        std::filesystem::path seeded;  // the per-user folder the run fills
    };
    const Case cases[] = {
        {"XDG_DATA_HOME", "XDG_DATA_HOME=" + ShellQuoted((scratch / "xdg").string()),
         scratch / "xdg" / "solvaris"},
        {"HOME alone", "", scratch / "home" / ".local" / "share" / "solvaris"},
    };
    for (const Case& c : cases) {
        const std::string prefixCommand =
            std::string("env -i ") + kSanitizerSettings +
            "QT_QPA_PLATFORM=offscreen HOME=" + ShellQuoted((scratch / "home").string()) + " " +
            c.environment + " " + ShellQuoted((moved / "bin" / "solvaris").string());
        const ProgramRun run = RunShell(prefixCommand, kNatalReport);
        EXPECT_EQ(run.status, 0) << c.what << ": " << run.err;
        EXPECT_EQ(run.err, "") << c.what;
        EXPECT_EQ(run.out, expected.out) << c.what;
        EXPECT_EQ(ReadBytes(c.seeded / "INSTALLED.TXT"), "installed copy\n") << c.what;
        EXPECT_GT(ReadBytes(c.seeded / "OPTIONS.OPT").size(), 0u) << c.what;

        // A wheel, without Qt's complaint about a bare environment's runtime folder.
        const std::filesystem::path picture = scratch / (std::string(c.what) + ".svg");
        const ProgramRun wheel =
            RunShell(prefixCommand,
                     {"wheel", "natal", "--person", "Sample Natal", "--out", picture.string()});
        EXPECT_EQ(wheel.status, 0) << c.what << ": " << wheel.err;
        EXPECT_EQ(wheel.err, "") << c.what;
        EXPECT_NE(ReadBytes(picture).find("<svg"), std::string::npos) << c.what;
    }
}

}  // namespace
}  // namespace solvaris
