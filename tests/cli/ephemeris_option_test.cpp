// --ephemeris on the commands that compute: the built-in theories' output
// as before, Swiss Ephemeris named in each kind of output.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/program_setup.hpp"
#include "support/command_outcome.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::RunArgs;
using testing::TempFolder;

TEST(EphemerisOption, NamedInEveryOutputOnlyWithSwissEphemeris) {
    const TempFolder home;
    std::filesystem::copy(SOLVARIS_DATA_DIR, home.path(), std::filesystem::copy_options::recursive);
    const std::vector<std::string> birth{"--home", home.path().string(),
                                         "--date", "1950-12-05",
                                         "--time", "7:45pm",
                                         "--zone", "5",
                                         "--lon",  "74w00",
                                         "--lat",  "40n43"};
    const auto run = [&](std::vector<std::string> args, bool withBirth, const char* engine) {
        if (withBirth) {
            args.insert(args.end(), birth.begin(), birth.end());
        }
        if (engine != nullptr) {
            args.insert(args.end(), {"--ephemeris", engine});
        }
        return RunArgs(args);
    };
    struct Case {
        std::vector<std::string> args;
        bool withBirth;
        std::string swissMark;  // in the Swiss Ephemeris output, absent from the built-in one
    };
    const Case cases[] = {
        {{"positions", "--jd", "2451545"}, false, ",ephemeris\n"},
        {{"chart"}, true, "\"ephemeris\":\"Swiss Ephemeris 2.10, analytical\""},
        {{"report", "natal"}, true, "Positions: Swiss Ephemeris 2.10, analytical"},
        {{"return", "solar"}, true, "Positions: Swiss Ephemeris 2.10, analytical"},
        {{"timeline", "--from", "2026-01-01", "--to", "2026-03-01"},
         true,
         "Positions: Swiss Ephemeris 2.10, analytical"},
        {{"planetary-hours"}, true, "Positions: Swiss Ephemeris 2.10, analytical\n"},
        {{"report", "planetary-hours"}, true, "Positions: Swiss Ephemeris 2.10, analytical\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0]);
        const auto plain = run(c.args, c.withBirth, nullptr);
        const auto builtin = run(c.args, c.withBirth, "builtin");
        const auto swiss = run(c.args, c.withBirth, "swiss");
        ASSERT_EQ(plain.status, 0) << plain.err;
        ASSERT_EQ(swiss.status, 0) << swiss.err;
        EXPECT_EQ(builtin.out, plain.out);
        EXPECT_EQ(plain.out.find(c.swissMark), std::string::npos);
        EXPECT_NE(swiss.out.find(c.swissMark), std::string::npos) << swiss.out;
        EXPECT_NE(swiss.out, plain.out);
    }
    EXPECT_EQ(run({"chart"}, true, "moshier").status, 2);
}

// The folder of line 218 of the options file is where the files are looked
// for; one that holds only a file of other years leaves every call to the
// analytical mode, and the outputs say so, not "files".
TEST(EphemerisOption, TheOptionsFileFolderAndWhatTheCallsUsed) {
    const TempFolder home;
    std::filesystem::copy(SOLVARIS_DATA_DIR, home.path(), std::filesystem::copy_options::recursive);
    const TempFolder files;
    files.Write("seplm54.se1", std::string(1, '\0'));
    const std::string options = home.Read("OPTIONS.OPT");
    home.Write("OPTIONS.OPT", options + "Swiss Ephemeris files: " + files.path().string() + "\r\n");
    const std::vector<std::string> chart{"chart",  "--home",     home.path().string(),
                                         "--date", "1950-12-05", "--zone",
                                         "5",      "--lon",      "74w00",
                                         "--lat",  "40n43",      "--ephemeris",
                                         "swiss"};
    Session session;
    std::ostringstream err;
    ASSERT_EQ(OpenSession(home.path().string(), session, err), 0) << err.str();
    EXPECT_EQ(session.ephemerisFolder, files.path().string());
    EXPECT_EQ(session.ChosenEphemeris().filesFolder, "");  // option 217 says built-in
    const auto fromOptions = RunArgs(chart);
    ASSERT_EQ(fromOptions.status, 0) << fromOptions.err;
    EXPECT_NE(fromOptions.out.find("\"ephemeris\":\"Swiss Ephemeris 2.10, analytical\""),
              std::string::npos);
    const auto positions = RunArgs({"positions", "--jd", "2451545", "--ephemeris", "swiss",
                                    "--ephemeris-files", files.path().string()});
    ASSERT_EQ(positions.status, 0) << positions.err;
    EXPECT_EQ(positions.err, "solvaris positions: Swiss Ephemeris 2.10, analytical\n");
}

}  // namespace
}  // namespace solvaris
