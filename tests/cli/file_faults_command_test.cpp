// Every command-line test runs on its own copy of the shipped program folder,
// never on the user's. Unreadable, endless and empty files seen from the
// command line: each is named in a message with a file's exit status, none
// aborts the program, no picture is left behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <iterator>
#include <regex>
#include <sstream>
#include <tuple>

#include "support/command_outcome.hpp"
#include "support/run_program.hpp"

namespace solvaris {
namespace {

class ProgramHome : public ::testing::Environment {
public:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("solvaris_home_" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::copy(SOLVARIS_DATA_DIR, folder_);
        ::setenv("SOLVARIS_HOME", folder_.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

private:
    std::filesystem::path folder_;
};

const auto* const kHome = ::testing::AddGlobalTestEnvironment(new ProgramHome);

TEST(ProgramHomeOption, HomeFolderIsFilledFromTheShippedData) {
    testing::TempFolder home;
    const std::string names = "Only Here,05 Dec 1950,7.45,P,5,074.00,40.43\r\n";
    home.Write("NAMES.FIL", names);
    const testing::Outcome listed = testing::RunArgs({"names", "list", "--home", home.path()});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out + listed.err, "Only Here\n");
    // The rest of the folder is filled from the shipped data; the user's names file stays.
    EXPECT_TRUE(std::filesystem::is_regular_file(home / "OPTIONS.OPT"));
    EXPECT_TRUE(std::filesystem::is_regular_file(home / "RADIUS.DAT"));
    EXPECT_EQ(home.Read("NAMES.FIL"), names);

    const testing::Outcome absent = testing::RunArgs({"names", "list", "--home", home / "absent"});
    EXPECT_EQ(absent.status, 3);  // a folder that cannot be read
    EXPECT_NE(absent.err.find("does not exist"), std::string::npos);
    // Without --home the per-user folder: Install.MovedInstallSeedsFromItsOwnDataAndRunsReports.
}

using testing::TempFolder;

TEST(FileFaultsProgram, EveryFaultIsNamedNoneIsFatal) {
    // A file of the program folder replaced by these bytes (by a folder when null), the
    // command's words (HOME and PIPE: the folder and a pipe in it), its status and a part
    // of stderr (null: silent).
    using Case = std::tuple<const char*, const char*, const char*, int, const char*>;
    const Case cases[] = {
        {nullptr, nullptr, "names list --names HOME", 3, "error in the current names"},
        {nullptr, nullptr, "cities list --cities HOME", 3, "(a folder)"},
        {nullptr, nullptr, "batch --names HOME", 3, "(a folder)"},
        {nullptr, nullptr, "chart --person x --names HOME", 3, "cannot be read (a folder)"},
        {nullptr, nullptr, "report aspect-grid --orbs HOME", 3, "cannot be read (a folder)"},
        {nullptr, nullptr, "names list --names /dev/zero", 3, "/dev/zero cannot be read (not a"},
        {nullptr, nullptr, "batch --names /dev/zero", 3, "(not a plain file)"},
        {nullptr, nullptr, "cities list --cities PIPE", 3, "(not a plain file)"},
        {"OPTIONS.OPT", nullptr, "names list", 0, "OPTIONS.OPT cannot be read"},
        {"SOLVARIS.INI", nullptr, "names list", 0, nullptr},  // the settings' defaults stand
        {"NAMES.FIL", nullptr, "names list", 3, "error in the current names"},
        {"GA_MA.LL", nullptr, "cities list", 3, "error in the current cities"},
        {"HCDATA.DAT", nullptr, "wheel natal", 3, "HCDATA.DAT cannot be read (a folder)"},
        {"RADIUS.DAT", nullptr, "wheel natal", 3, "RADIUS.DAT cannot be read (a folder)"},
        {"RADIUS.DAT", nullptr, "report ascii-chart", 3, "RADIUS.DAT cannot be read (a folder)"},
        {"NATAL.ORB", nullptr, "report aspect-grid", 3, "NATAL.ORB"},
        {"SOLVARIS.INI", "[SOLVARIS]\r\nDataFile=/tmp\r\n", "names list", 3, "the current names"},
        // No value at all says so as a missing file would, instead of an
        // all-black wheel or every glyph at the centre.
        {"RADIUS.DAT", "\r\n", "wheel natal", 3, "RADIUS.DAT cannot be read (empty)"},
        {"OPTIONS.OPT", "\r\n\r\n\r\n", "wheel natal", 3, "OPTIONS.OPT cannot be read (empty)"},
        {"OPTIONS.OPT", "\r\n\r\n\r\n", "names list", 0, "OPTIONS.OPT cannot be read in HOME"},
    };
    for (const auto& [replaced, bytes, command, status, message] : cases) {
        SCOPED_TRACE(std::string(command) + (replaced ? std::string(", ") + replaced : ""));
        TempFolder home;
        std::filesystem::copy(SOLVARIS_DATA_DIR, home.path(),
                              std::filesystem::copy_options::overwrite_existing);
        if (replaced != nullptr) {
            std::filesystem::remove(home / replaced);
            if (bytes == nullptr) {
                std::filesystem::create_directory(home / replaced);
            } else {
                home.Write(replaced, bytes);
            }
        }
        ASSERT_EQ(::mkfifo((home / "PIPE").c_str(), 0600), 0);
        const auto placed = [&home](const std::string& text) {
            return std::regex_replace(
                std::regex_replace(text, std::regex("HOME"), home.path().string()),
                std::regex("PIPE"), (home / "PIPE").string());
        };
        std::istringstream words(placed(command));
        std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
        if (args[0] == "wheel") {
            args.insert(args.end(), {"--out", (home / "wheel.png").string()});
        }
        args.insert(args.end(), {"--home", home.path().string()});
        const testing::ProgramRun run = testing::RunSolvaris(args);
        EXPECT_EQ(run.status, status) << run.err;
        if (message == nullptr) {
            EXPECT_EQ(run.err, "");
        } else {
            EXPECT_NE(run.err.find(placed(message)), std::string::npos) << run.err;
        }
        EXPECT_FALSE(std::filesystem::exists(home / "wheel.png"));
    }
}

}  // namespace
}  // namespace solvaris
