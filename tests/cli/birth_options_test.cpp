#include "cli/birth_options.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace solvaris {
namespace {

// The options as a chart command's parser reads them and types them into
// the windows: the parser's message, empty when they are sound.
std::string ReadBirthOptions(const std::vector<std::string>& args, BirthOptions& options) {
    CLI::App app;
    PrepareParser(app);
    BirthOptionTexts texts;
    DeclareBirthOptions(app, texts);
    std::ostringstream err;
    if (ParseArguments(app, args, "chart", err) != 0) {
        return err.str();
    }
    TypeBirthOptions(texts, options);
    return "";
}

TEST(BirthOptions, FillTheWindowsAsTyped) {
    BirthOptions o;
    const std::string error = ReadBirthOptions(
        {"--name",         "Ada",        "--date",         "1960-06-05", "--time",        "7:05pm",
         "--zone",         "5",          "--lon",          "74w00",      "--lat",         "40N43",
         "--diurnal-date", "2026-12-06", "--diurnal-time", "0:30",       "--diurnal-lon", "13E24",
         "--diurnal-lat",  "33s52",      "--house",        "EA"},
        o);
    ASSERT_EQ(error, "");
    const NatalEntryWindow& n = o.natal;
    EXPECT_EQ(n.txtName + "|" + n.fields.year + "|" + n.fields.month + "|" + n.fields.day + "|" +
                  n.fields.hour + "|" + n.fields.minute + "|" + n.fields.zone + "|" +
                  n.fields.longDeg + "|" + n.fields.latMin,
              "Ada|1960|6|5|7|05|5|74|43");
    EXPECT_TRUE(n.fields.pm);
    EXPECT_FALSE(n.fields.east);
    EXPECT_EQ(o.diurnal.fields.hour, "12");  // 0:30 on a 24-hour clock
    EXPECT_FALSE(o.diurnal.fields.pm);
    EXPECT_TRUE(o.diurnal.fields.east);
    EXPECT_TRUE(o.diurnal.fields.south);
    EXPECT_EQ(o.houseSystem, HouseSystem::EqualAscendant);
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
        ASSERT_TRUE(ReadBirthOptions({"--time", c.time}, o).empty()) << c.time;
        EXPECT_EQ(o.natal.fields.hour, c.hour) << c.time;
        EXPECT_EQ(o.natal.fields.pm, c.pm) << c.time;
    }
}

TEST(BirthOptions, ZoneInDecimalHoursOrOnTheClock) {
    struct Case {
        const char* typed;
        const char* field;  // what the time-zone field receives; empty: refused
    };
    // Refused: minutes past the hour or of one digit, no hours, two signs, a plus (west is
    // the plain number), hours no clock shows, seconds, a decimal comma.
    for (const Case& c :
         {Case{"5", "5"}, Case{"-5.5", "-5.5"}, Case{"-5:30", "-5.5"}, Case{"5:45", "5.75"},
          Case{"-12:00", "-12"}, Case{"0:00", "0"}, Case{"3:20", "3.333333333"}, Case{"5:60", ""},
          Case{"5:3", ""}, Case{"-:30", ""}, Case{"--5:30", ""}, Case{"+5:30", ""},
          Case{"123:00", ""}, Case{"5:30:00", ""}, Case{"5,5", ""}}) {
        BirthOptions o;
        const std::string error = ReadBirthOptions({"--diurnal-zone", c.typed}, o);
        if (*c.field == '\0') {
            EXPECT_NE(error.find("--diurnal-zone"), std::string::npos) << c.typed;
            EXPECT_NE(error.find("hours west of Greenwich, so Paris is -1"), std::string::npos)
                << error;
        } else {
            EXPECT_EQ(error, "") << c.typed;
            EXPECT_EQ(o.diurnal.fields.zone, c.field) << c.typed;
        }
    }
}

TEST(BirthOptions, HouseSystemByNameOrCode) {
    struct Case {
        const char* typed;
        std::optional<HouseSystem> system;
    };
    for (const Case& c :
         {Case{"placidus", HouseSystem::Placidus}, Case{"Koch", HouseSystem::Koch},
          Case{"equal-asc", HouseSystem::EqualAscendant},
          Case{"EQUAL-MC", HouseSystem::EqualMidheaven}, Case{"EA", HouseSystem::EqualAscendant},
          Case{"em", HouseSystem::EqualMidheaven}, Case{"I", HouseSystem::Morinus},
          Case{"O", HouseSystem::Porphyry}, Case{"equal", std::nullopt},
          Case{"plac", std::nullopt}}) {
        BirthOptions o;
        o.houseSystem = HouseSystem::Campanus;
        const std::string error = ReadBirthOptions({"--house", c.typed}, o);
        if (c.system) {
            EXPECT_EQ(error, "") << c.typed;
            EXPECT_EQ(o.houseSystem, *c.system) << c.typed;
        } else {
            EXPECT_NE(error.find("equal-asc"), std::string::npos) << c.typed << ": " << error;
        }
    }
}

}  // namespace
}  // namespace solvaris
