#include "cli/chart_command.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.hpp"

namespace solvaris {
namespace {

const std::vector<std::string> kBirth{
    "chart",  "--name",         "Test",       "--date",         "1960-06-15", "--time",
    "7:30am", "--zone",         "5",          "--lon",          "74W00",      "--lat",
    "40N43",  "--diurnal-date", "2026-12-06", "--diurnal-time", "1:00pm",     "--diurnal-zone",
    "5",      "--diurnal-lon",  "74W00",      "--diurnal-lat",  "40N43",      "--format",
    "json"};

TEST(ChartCommand, WritesEveryKey) {
    std::ostringstream out, err;
    ASSERT_EQ(RunCommandLine(kBirth, out, err), 0) << err.str();
    const std::string json = out.str();
    for (const char* key :
         {"\"natal\":", "\"progressed\":", "\"transit\":", "\"solar_arc\":", "\"ramc\":",
          "\"obliquity\":", "\"special_points\":", "\"transit_special_points\":", "\"true_node\":",
          "\"age_years\":66", "\"last_birthday_year\":2026", "\"house_system\":\"P\"",
          "\"retrograde\":", "\"houses\":", "\"cusps\":", "\"sidereal_time\":", "\"converse\":"}) {
        EXPECT_NE(json.find(key), std::string::npos) << key;
    }
    EXPECT_EQ(json.back(), '\n');
}

TEST(ChartCommand, RefusedDataGiveTheMessagesAndStatusOne) {
    std::vector<std::string> args = kBirth;
    args[12] = "70N00";  // the natal latitude
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(args, out, err), 1);
    EXPECT_NE(err.str().find("Warning! Your latitude is too high."), std::string::npos);
    EXPECT_TRUE(out.str().empty());
    args.push_back("--bogus");
    EXPECT_EQ(RunCommandLine(args, out, err), 2);
}

}  // namespace
}  // namespace solvaris
