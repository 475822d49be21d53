#include "cli/positions_command.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.hpp"
#include "support/command_outcome.hpp"

namespace solvaris {
namespace {

using testing::Outcome;

Outcome Positions(std::vector<std::string> args) {
    args.insert(args.begin(), "positions");
    return testing::RunArgs(args);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(PositionsCommand, OneInstant) {
    const Outcome r = Positions({"--jd", "2451545.0"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0],
              "jd_ut,point,longitude,latitude,declination,right_ascension,next_day_longitude");
    EXPECT_EQ(lines[1].substr(0, 26), "2451545.0000000,SUN,280.36");
    EXPECT_EQ(lines[10].substr(0, 20), "2451545.0000000,MOON");
    EXPECT_EQ(lines[11].substr(0, 23), "2451545.0000000,N. NODE");
    // The node row: latitude 0, seven decimals in every number.
    EXPECT_NE(lines[11].find(",0.0000000,"), std::string::npos);
}

TEST(PositionsCommand, DateRange) {
    const Outcome r =
        Positions({"--from", "2000-01-01", "--days", "3", "--step", "0.5", "--ut", "12"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 1u + 6 * 11);
    EXPECT_EQ(lines[1].substr(0, 16), "2451545.0000000,");
    EXPECT_EQ(lines[12].substr(0, 16), "2451545.5000000,");
    EXPECT_EQ(lines[56].substr(0, 16), "2451547.5000000,");
}

// Any number of jobs writes what one job writes, across the seam of two
// blocks of instants: the same rows in the same order.
TEST(PositionsCommand, EveryNumberOfJobsWritesWhatOneJobWrites) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        int status;
        std::size_t rows;
    };
    const Case cases[] = {
        {"two blocks of days", {"--from", "1990-01-01", "--days", "4200"}, 0, 4200 * 11},
    };
    for (const Case& c : cases) {
        std::vector<std::string> oneJob = c.args;
        oneJob.insert(oneJob.end(), {"--jobs", "1"});
        const Outcome expected = Positions(oneJob);
        ASSERT_EQ(expected.status, c.status) << c.what << ": " << expected.err;
        ASSERT_EQ(Lines(expected.out).size(), 1 + c.rows) << c.what;
        for (const char* jobs : {"2", "3", "99999999999", ""}) {
            std::vector<std::string> args = c.args;
            if (*jobs != '\0') {
                args.insert(args.end(), {"--jobs", jobs});
            }
            const Outcome r = Positions(args);
            EXPECT_EQ(r.status, expected.status) << c.what << ", jobs " << jobs;
            EXPECT_EQ(r.err, expected.err) << c.what << ", jobs " << jobs;
            EXPECT_TRUE(r.out == expected.out) << c.what << ", jobs " << jobs;
        }
    }
}

TEST(CommandLine, UnknownCommand) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine({"frobnicate"}, out, err), 2);
    EXPECT_NE(err.str().find("frobnicate"), std::string::npos);
    EXPECT_EQ(RunCommandLine({"help"}, out, err), 0);
    EXPECT_NE(out.str().find("positions"), std::string::npos);
}

}  // namespace
}  // namespace solvaris
