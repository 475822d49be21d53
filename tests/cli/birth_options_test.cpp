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
    const auto clock = [](const EntryFields& f) { return f.hour + (f.pm ? "pm" : "am"); };
    using Shown = std::pair<const char*, std::string>;
    for (const auto& [time, shown] :
         {Shown{"13:07", "1pm"}, Shown{"12:00", "12pm"}, Shown{"0:30", "12am"},
          Shown{"12:00am", "12am"}, Shown{"11:59PM", "11pm"}}) {
        BirthOptions o;
        ASSERT_EQ(ReadBirthOptions({"--time", time, "--diurnal-time", time}, o), "");
        EXPECT_EQ(clock(o.natal.fields) + " " + clock(o.diurnal.fields), shown + " " + shown)
            << time;
    }
}

TEST(BirthOptions, ZoneInDecimalHoursOrOnTheClock) {
    // What the time-zone field receives; empty: refused (minutes past the hour or of one
    // digit, no hours, two signs, a plus (west is the plain number), hours no clock shows,
    // seconds, a decimal comma).
    using Typed = std::pair<const char*, std::string>;
    for (const auto& [typed, field] :
         {Typed{"5", "5"}, Typed{"-5.5", "-5.5"}, Typed{"-5:30", "-5.5"}, Typed{"5:45", "5.75"},
          Typed{"-12:00", "-12"}, Typed{"0:00", "0"}, Typed{"3:20", "3.333333333"},
          Typed{"5:60", ""}, Typed{"5:3", ""}, Typed{"-:30", ""}, Typed{"--5:30", ""},
          Typed{"+5:30", ""}, Typed{"123:00", ""}, Typed{"5:30:00", ""}, Typed{"5,5", ""}}) {
        BirthOptions o;
        const std::string error = ReadBirthOptions({"--diurnal-zone", typed}, o);
        if (field.empty()) {
            EXPECT_NE(error.find("--diurnal-zone"), std::string::npos) << typed;
            EXPECT_NE(error.find("hours west of Greenwich, so Paris is -1"), std::string::npos)
                << error;
        } else {
            EXPECT_EQ(error, "") << typed;
            EXPECT_EQ(o.diurnal.fields.zone, field) << typed;
        }
    }
}

TEST(BirthOptions, HouseSystemByNameOrCode) {
    using Typed = std::pair<const char*, std::optional<HouseSystem>>;  // nullopt: refused
    for (const auto& [typed, system] :
         {Typed{"placidus", HouseSystem::Placidus}, Typed{"Koch", HouseSystem::Koch},
          Typed{"equal-asc", HouseSystem::EqualAscendant},
          Typed{"EQUAL-MC", HouseSystem::EqualMidheaven}, Typed{"EA", HouseSystem::EqualAscendant},
          Typed{"em", HouseSystem::EqualMidheaven}, Typed{"I", HouseSystem::Morinus},
          Typed{"Whole-Sign", HouseSystem::WholeSign}, Typed{"w", HouseSystem::WholeSign},
          Typed{"equal", std::nullopt}, Typed{"plac", std::nullopt}}) {
        BirthOptions o;
        o.houseSystem = HouseSystem::Campanus;
        const std::string error = ReadBirthOptions({"--house", typed}, o);
        if (system) {
            EXPECT_EQ(error, "") << typed;
            EXPECT_EQ(o.houseSystem, *system) << typed;
        } else {
            EXPECT_NE(error.find("no house system '" + std::string(typed) + "' (placidus, "),
                      std::string::npos)
                << error;
            EXPECT_NE(error.find("whole-sign, or the codes P R K C O EA EM M I W)"),
                      std::string::npos)
                << error;
        }
    }
}

TEST(EntryOptionHints, NameTheOptionAndItsRange) {
    using Case = std::pair<std::vector<std::string>, std::vector<std::string>>;  // and hints
    const std::string polar =
        ": above 66°00' only Meridian (M), Morinus (I) and Whole Sign (W) houses can be computed";
    const std::string latitude = ": at most 90°00' north or south, minutes 00 to 59";
    const std::string years = ": a calendar date in the years 100 to 2099";
    const Case cases[] = {
        {{"--lat", "66n00"}, {}},  // the last latitude quadrant houses reach
        {{"--lat", "66s01"}, {"--lat 66s01" + polar}},
        {{"--lat", "69n39", "--house", "M"}, {}},
        {{"--lat", "89s59", "--house", "whole-sign"}, {}},
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
    for (const auto& [given, hints] : cases) {
        std::vector<std::string> args = {"--date",         "1950-12-05", "--zone", "5",
                                         "--lon",          "74w00",      "--lat",  "40n43",
                                         "--diurnal-date", "2026-12-07"};
        if (given.back() != "--use-natal-data") {
            args.insert(args.end(), {"--diurnal-zone", "5", "--diurnal-lon", "74w00",
                                     "--diurnal-lat", "40n43"});
        }
        args.insert(args.end(), given.begin(), given.end());
        BirthOptions options;
        ASSERT_EQ(ReadBirthOptions(args, options), "");
        EXPECT_EQ(EntryOptionHints(options), hints) << given[0] << ' ' << given[1];
    }
}

}  // namespace
}  // namespace solvaris
