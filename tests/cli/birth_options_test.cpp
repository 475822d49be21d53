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

// Every option typed into its field: the golden reports (the second chart's
// place east and south), NamesCommands (--person against the typed birth).
TEST(BirthOptions, TwentyFourHourClock) {
    struct Case {
        const char* time;
        const char* hour;
        bool pm;
    };
    for (const Case& c :
         {Case{"13:07", "1", true}, Case{"12:00", "12", true}, Case{"0:30", "12", false},
          Case{"12:00am", "12", false}, Case{"11:59PM", "11", true}}) {
        BirthOptions o;
        ASSERT_TRUE(ReadBirthOptions({"--time", c.time, "--diurnal-time", c.time}, o).empty());
        EXPECT_EQ(o.natal.fields.hour, c.hour) << c.time;
        EXPECT_EQ(o.natal.fields.pm, c.pm) << c.time;
        EXPECT_EQ(o.diurnal.fields.hour + (o.diurnal.fields.pm ? "pm" : "am"),
                  c.hour + std::string(c.pm ? "pm" : "am"));
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
          Case{"equal", std::nullopt}, Case{"plac", std::nullopt}}) {
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
