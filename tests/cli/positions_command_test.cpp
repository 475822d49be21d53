#include "cli/positions_command.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.hpp"

namespace solvaris {
namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun Positions(std::vector<std::string> args) {
    args.insert(args.begin(), "positions");
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
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
    const CommandRun r = Positions({"--jd", "2451545.0"});
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
    const CommandRun r =
        Positions({"--from", "2000-01-01", "--days", "3", "--step", "0.5", "--ut", "12"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 1u + 6 * 11);
    EXPECT_EQ(lines[1].substr(0, 16), "2451545.0000000,");
    EXPECT_EQ(lines[12].substr(0, 16), "2451545.5000000,");
    EXPECT_EQ(lines[56].substr(0, 16), "2451547.5000000,");
}

TEST(PositionsCommand, BadArgumentsNameTheArgument) {
    struct Case {
        std::vector<std::string> args;
        const char* named;
    };
    for (const Case& c :
         {Case{{"--jd", "x"}, "--jd"}, Case{{"--jd"}, "--jd"}, Case{{"--bogus"}, "--bogus"},
          Case{{"--from", "2000-02-30", "--days", "1"}, "--from"},
          Case{{"--from", "1582-10-10", "--days", "1"}, "--from"},
          Case{{"--from", "2000-01-01"}, "--days"},
          Case{{"--from", "2000-01-01", "--days", "0"}, "--days"},
          Case{{"--from", "2000-01-01", "--days", "2", "--step", "-1"}, "--step"},
          Case{{"--from", "2000-01-01", "--days", "2", "--ut", "24"}, "--ut"},
          Case{{"--jd", "2451545", "--ut", "3"}, "--ut"}, Case{{"--jd", "inf"}, "--jd"},
          Case{{}, "--jd"}}) {
        const CommandRun r = Positions(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_TRUE(r.out.empty());
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
