// Every command-line test runs on its own copy of the shipped program
// folder, never on the user's.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/command_outcome.hpp"
#include "support/temp_folder.hpp"

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

}  // namespace
}  // namespace solvaris
