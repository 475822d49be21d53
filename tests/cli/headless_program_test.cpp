// `solvaris` computes and prints without any GUI library and hands the
// workstation and the wheel pictures to the workstation program; where
// that program cannot be started, it says so instead of drawing nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_program.hpp"

namespace solvaris {
namespace {

using testing::ProgramRun;
using testing::RunShell;
using testing::ShellQuoted;
using testing::TempFolder;

TEST(HeadlessProgram, LoadsNoQtAndHandsPicturesOver) {
    const ProgramRun loaded =
        RunShell("LD_TRACE_LOADED_OBJECTS=1 " + ShellQuoted(SOLVARIS_BINARY), {});
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_NE(loaded.out.find("libstdc++"), std::string::npos) << loaded.out;
    EXPECT_EQ(loaded.out.find("libQt"), std::string::npos) << loaded.out;

    const TempFolder scratch;
    // The program alone, without the workstation program beside it or in
    // its library folder.
    const std::filesystem::path alone = scratch / "bin" / "solvaris";
    std::filesystem::create_directories(alone.parent_path());
    std::filesystem::copy_file(SOLVARIS_BINARY, alone);
    const std::string picture = (scratch / "natal.svg").string();
    const std::vector<std::string> wheel = {"wheel",        "natal", "--person",
                                            "Sample Natal", "--out", picture};
    struct Case {
        const char* what;
        std::string program;
        std::vector<std::string> args;
        int status;
        const char* saidOnStderr;  // a part of it, or "" for nothing said
    };
    const Case cases[] = {
        {"a wheel through the workstation program", SOLVARIS_BINARY, wheel, 0, ""},
        {"the wheel's help, headless", alone.string(), {"wheel", "--help"}, 0, ""},
        {"a wheel without the workstation program", alone.string(), wheel, 3,
         "pictures are drawn by solvaris-workstation"},
        {"a bad wheel option without it",
         alone.string(),
         {"wheel", "natal", "--size", "9"},
         2,
         "--size"},
        {"the workstation without it", alone.string(), {}, 3, "cannot be started"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(picture);
        // A sanitized build's leak suppressions (Qt's own statics) used
        // without a word, so that stderr holds only what the program says.
        const ProgramRun run =
            RunShell("LSAN_OPTIONS=\"${LSAN_OPTIONS:-}:print_suppressions=0\" HOME=" +
                         ShellQuoted(scratch.path().string()) + " QT_QPA_PLATFORM=offscreen " +
                         ShellQuoted(c.program),
                     c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (*c.saidOnStderr == '\0') {
            EXPECT_EQ(run.err, "");
        } else {
            EXPECT_NE(run.err.find(c.saidOnStderr), std::string::npos) << run.err;
        }
        EXPECT_EQ(std::filesystem::exists(picture), c.args == wheel && c.status == 0);
    }
}

}  // namespace
}  // namespace solvaris
