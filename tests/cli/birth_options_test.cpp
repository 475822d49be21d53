#include "cli/birth_options.hpp"

#include <gtest/gtest.h>

namespace solvaris {
namespace {

TEST(BirthOptions, FillTheWindowsAsTyped) {
    BirthOptions o;
    const BirthOptionsResult r = ReadBirthOptions(
        {"--name",         "Ada",        "--date",         "1960-06-05", "--time",        "7:05pm",
         "--zone",         "5",          "--lon",          "74w00",      "--lat",         "40N43",
         "--diurnal-date", "2026-12-06", "--diurnal-time", "0:30",       "--diurnal-lon", "13E24",
         "--diurnal-lat",  "33s52",      "--house",        "EA",         "--format",      "json"},
        o);
    ASSERT_TRUE(r.error.empty()) << r.error;
    EXPECT_EQ(o.natal.txtName, "Ada");
    EXPECT_EQ(o.natal.txtYear, "1960");
    EXPECT_EQ(o.natal.txtMonth, "6");
    EXPECT_EQ(o.natal.txtDay, "5");
    EXPECT_EQ(o.natal.txtBirthHour, "7");
    EXPECT_EQ(o.natal.txtBirthMinute, "05");
    EXPECT_TRUE(o.natal.optPM);
    EXPECT_EQ(o.natal.txtTZ, "5");
    EXPECT_EQ(o.natal.txtLongDeg, "74");
    EXPECT_FALSE(o.natal.optEast);
    EXPECT_EQ(o.natal.txtLatMin, "43");
    EXPECT_EQ(o.diurnal.txtDiurnalHour, "12");  // 0:30 on a 24-hour clock
    EXPECT_FALSE(o.diurnal.optDiurnalPM);
    EXPECT_TRUE(o.diurnal.optDiurnalEast);
    EXPECT_TRUE(o.diurnal.optDiurnalSouth);
    EXPECT_EQ(o.houseSystem, HouseSystem::EqualAscendant);
    EXPECT_EQ(r.rest, (std::vector<std::string>{"--format", "json"}));
}

TEST(BirthOptions, TwentyFourHourClock) {
    struct Case {
        const char* time;
        const char* hour;
        bool pm;
    };
    for (const Case& c : {Case{"13:07", "1", true}, Case{"12:00", "12", true},
                          Case{"12:00am", "12", false}, Case{"11:59PM", "11", true}}) {
        BirthOptions o;
        ASSERT_TRUE(ReadBirthOptions({"--time", c.time}, o).error.empty()) << c.time;
        EXPECT_EQ(o.natal.txtBirthHour, c.hour) << c.time;
        EXPECT_EQ(o.natal.optPM, c.pm) << c.time;
    }
}

TEST(BirthOptions, MalformedValuesNameTheArgument) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--date", "1960/06/05"},
                                                                  {"--date", "19600-1-1"},
                                                                  {"--time", "7pm"},
                                                                  {"--time", "13:00pm"},
                                                                  {"--time", "24:00"},
                                                                  {"--zone", "five"},
                                                                  {"--zone", ""},
                                                                  {"--lon", "74X00"},
                                                                  {"--lat", "40W43"},
                                                                  {"--lat", "4a0N43"},
                                                                  {"--house", "Q"},
                                                                  {"--diurnal-zone"},
                                                                  {"--name"}}) {
        BirthOptions o;
        const BirthOptionsResult r = ReadBirthOptions(args, o);
        EXPECT_NE(r.error.find(args[0]), std::string::npos) << args[0] << ": " << r.error;
    }
}

}  // namespace
}  // namespace solvaris
