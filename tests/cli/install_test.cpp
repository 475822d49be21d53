// The installed program: every file in its place, the desktop entry and
// metadata valid, and a copy moved elsewhere still finds its own shipped
// data and prints the same report as the build tree.
#include <gtest/gtest.h>

#include <cstdlib>
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

// A PNG's width and height from its header chunk.
std::pair<int, int> PngSize(const std::string& bytes) {
    const auto number = [&bytes](std::size_t at) {
        int value = 0;
        for (std::size_t i = at; i < at + 4; ++i) {
            value = value * 256 + static_cast<unsigned char>(bytes[i]);
        }
        return value;
    };
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) {
        return {0, 0};
    }
    return {number(16), number(20)};
}

// A bare environment keeps the sanitizers' settings of a sanitized build
// (the leak suppressions for Qt's own statics, used without a word, so that
// stderr holds only what the program says); the shell fills them in.
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
    EXPECT_EQ(PngSize(ReadBytes(prefix / "share/icons/hicolor/128x128/apps/solvaris.png")),
              std::make_pair(128, 128));

    // A file only the installed data has tells where the user's folder was
    // filled from; the moved tree is neither the source tree nor the prefix
    // compiled into the program.
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

        // A wheel from the installed copy, without Qt's complaint about the
        // runtime folder a bare environment lacks.
        const std::filesystem::path picture = scratch / (std::string(c.what) + ".svg");
        const ProgramRun wheel =
            RunShell(prefixCommand,
                     {"wheel", "natal", "--person", "Sample Natal", "--out", picture.string()});
        EXPECT_EQ(wheel.status, 0) << c.what << ": " << wheel.err;
        EXPECT_EQ(wheel.err, "") << c.what;
        EXPECT_NE(ReadBytes(picture).find("<svg"), std::string::npos) << c.what;
    }
}

TEST(Install, DesktopEntryAndMetadataPassTheirValidators) {
    const std::filesystem::path desktop =
        std::filesystem::path(SOLVARIS_DATA_DIR).parent_path() / "desktop";
    struct Case {
        const char* validator;
        const char* arguments;
        const char* file;
    };
    const Case cases[] = {
        {"desktop-file-validate", "", "solvaris.desktop"},
        {"appstreamcli", "validate --no-net", "io.github.solvaris.Solvaris.metainfo.xml"},
        {"groff", "-man -ww -z", "solvaris.1"},  // the manual page, every warning on
    };
    int validated = 0;
    for (const Case& c : cases) {
        if (std::system((std::string("command -v ") + c.validator + " >/dev/null").c_str()) != 0) {
            continue;
        }
        const ProgramRun run =
            RunShell(std::string(c.validator) + " " + c.arguments, {(desktop / c.file).string()});
        EXPECT_EQ(run.status, 0) << c.file << ":\n" << run.out << run.err;
        EXPECT_EQ(run.err, "") << c.file;
        ++validated;
    }
    // The workstation opens from the menu: the entry starts the program
    // with no command.
    const std::string entry = ReadBytes(desktop / "solvaris.desktop");
    EXPECT_NE(entry.find("\nExec=solvaris\n"), std::string::npos);
    EXPECT_NE(entry.find("\nCategories=Education;Astronomy;\n"), std::string::npos);
    if (validated < 3) {
        GTEST_SKIP() << "desktop-file-validate (desktop-file-utils) or appstreamcli (appstream) "
                        "or groff is not installed; scripts/setup.sh installs them";
    }
}

}  // namespace
}  // namespace solvaris
