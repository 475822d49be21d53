// The birth options typed into the entry fields, and the line that names
// the option after the entry check's own message.
#include "cli/birth_options.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/entry_hints.hpp"
#include "people/entry_rules.hpp"

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
    if (options.diurnal.chkNatOrNow) {  // --use-natal-data gives the second chart's place
        CopyTimeAndPlace(options.natal.fields, options.diurnal.fields);
    }
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

TEST(EntryOptionHints, NameTheOptionAndItsRange) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> hints;
    };
    const std::string polar =
        ": above 66°00' only Meridian (M) and Morinus (I) houses can be computed";
    const std::string latitude = ": at most 90°00' north or south, minutes 00 to 59";
    const std::string years = ": a calendar date in the years 100 to 2099";
    const Case cases[] = {
        {{"--lat", "66n00"}, {}},  // the last latitude quadrant houses reach
        {{"--lat", "66s01"}, {"--lat 66s01" + polar}},
        {{"--lat", "69n39", "--house", "M"}, {}},
        {{"--lat", "91n00"}, {"--lat 91n00" + latitude}},
        {{"--lat", "40n60"}, {"--lat 40n60" + latitude}},
        {{"--diurnal-lat", "70n00"}, {"--diurnal-lat 70n00" + polar}},
        {{"--lat", "70n00", "--use-natal-data"}, {"--lat 70n00" + polar}},
        {{"--lon", "180e01"}, {"--lon 180e01: at most 180°00' east or west, minutes 00 to 59"}},
        {{"--lon", "180w00"}, {}},
        {{"--zone", "12.5"},
         {"--zone 12.5: from -13 to 12 hours west of Greenwich, so Paris is -1"}},
        {{"--zone", "-13"},
         {"--zone -13: a zone east of Greenwich below -2 needs an east longitude (--lon DDDeMM)"}},
        {{"--zone", "-5:30", "--lon", "88e22"}, {}},
        {{"--date", "2023-02-29"}, {"--date 2023-2-29" + years}},
        {{"--date", "2024-02-29"}, {}},
        {{"--date", "0099-12-31"}, {"--date 99-12-31" + years}},
        {{"--diurnal-date", "2100-01-01"}, {"--diurnal-date 2100-1-1" + years}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--date",         "1950-12-05", "--zone", "5",
                                         "--lon",          "74w00",      "--lat",  "40n43",
                                         "--diurnal-date", "2026-12-07"};
        if (c.args.back() != "--use-natal-data") {
            args.insert(args.end(), {"--diurnal-zone", "5", "--diurnal-lon", "74w00",
                                     "--diurnal-lat", "40n43"});
        }
        args.insert(args.end(), c.args.begin(), c.args.end());
        BirthOptions options;
        ASSERT_EQ(ReadBirthOptions(args, options), "");
        EXPECT_EQ(EntryOptionHints(options), c.hints) << c.args[0] << ' ' << c.args[1];
    }
}

}  // namespace
}  // namespace solvaris
