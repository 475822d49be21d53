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
    struct Case {
        std::size_t field;  // index into kBirth
        const char* value;
        const char* house;  // nullptr: Placidus
        const char* message;
    };
    const Case cases[] = {
        {12, "70N00", nullptr, "Warning! Your latitude is too high."},
        {12, "999n00", "M", "Warning! Error in natal input data section."},
        {12, "95n00", "I", "Warning! Error in natal input data section."},
        {12, "90n01", "M", "Warning! Error in natal input data section."},
        {10, "180e59", nullptr, "Warning! Error in natal input data section."},
        {4, "1960-02-30", nullptr, "Warning! Error in natal input data section."},
        {14, "2026-11-31", nullptr, "Warning! Error in diurnal input data section."},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = kBirth;
        args[c.field] = c.value;
        if (c.house != nullptr) {
            args.insert(args.end(), {"--house", c.house});
        }
        std::ostringstream out, err;
        EXPECT_EQ(RunCommandLine(args, out, err), 1) << c.value;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << c.value << ": " << err.str();
        EXPECT_TRUE(out.str().empty()) << c.value;
    }
    std::vector<std::string> args = kBirth;
    args.push_back("--bogus");
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(args, out, err), 2);
}

}  // namespace
}  // namespace solvaris
