// Every command-line test runs on its own copy of the shipped program
// folder, never on the user's.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "cli/command_line.hpp"
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

TEST(ProgramHomeOption, HomeFolderAndPerUserSeeding) {
    testing::TempFolder home;
    home.Write("NAMES.FIL", "Only Here,05 Dec 1950,7.45,P,5,074.00,40.43\r\n");
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine({"names", "list", "--home", home.path().string()}, out, err), 0)
        << err.str();
    EXPECT_EQ(out.str(), "Only Here\n");
    // The rest of the folder is filled from the shipped data, as the help
    // says; the user's names file stays.
    EXPECT_EQ(err.str(), "");
    EXPECT_TRUE(std::filesystem::is_regular_file(home / "OPTIONS.OPT"));
    EXPECT_TRUE(std::filesystem::is_regular_file(home / "RADIUS.DAT"));
    EXPECT_EQ(home.Read("NAMES.FIL"), "Only Here,05 Dec 1950,7.45,P,5,074.00,40.43\r\n");

    std::ostringstream out2, err2;
    EXPECT_EQ(RunCommandLine({"names", "list", "--home", (home / "absent").string()}, out2, err2),
              3);  // a folder that cannot be read
    EXPECT_NE(err2.str().find("does not exist"), std::string::npos);

    // Without --home or $SOLVARIS_HOME the per-user folder is made and
    // filled from the shipped data.
    const std::string saved = std::getenv("SOLVARIS_HOME");
    ::unsetenv("SOLVARIS_HOME");
    ::setenv("XDG_DATA_HOME", home.path().c_str(), 1);
    std::ostringstream out3, err3;
    EXPECT_EQ(RunCommandLine({"names", "list"}, out3, err3), 0) << err3.str();
    ::setenv("SOLVARIS_HOME", saved.c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(std::filesystem::exists(home / "solvaris" / "NAMES.FIL"));
    EXPECT_TRUE(std::filesystem::exists(home / "solvaris" / "SUN.TXT"));
}

}  // namespace
}  // namespace solvaris
