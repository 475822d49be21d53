// Output that cannot be written is no success (the other statuses:
// HostileCommandLines, FileFaultsProgram); the line naming the option after
// the entry check's own message.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/entry_hints.hpp"
#include "people/entry_rules.hpp"
#include "support/run_program.hpp"

namespace solvaris {
namespace {

TEST(ExitStatus, OutputThatCannotBeWrittenIsNoSuccess) {
    const testing::ProgramRun run =
        testing::RunShell("{ QT_QPA_PLATFORM=offscreen " + testing::ShellQuoted(SOLVARIS_BINARY) +
                              " positions --from 2026-01-01 --days 400 >/dev/full; echo $? >&2; }",
                          {});
    EXPECT_NE(run.err.find("the output cannot be written\n3\n"), std::string::npos) << run.err;
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
        CLI::App app;
        PrepareParser(app);
        BirthOptionTexts texts;
        DeclareBirthOptions(app, texts);
        std::vector<std::string> args = {"--date",         "1950-12-05", "--zone", "5",
                                         "--lon",          "74w00",      "--lat",  "40n43",
                                         "--diurnal-date", "2026-12-07"};
        // --use-natal-data gives the second chart's zone and place.
        if (c.args.back() != "--use-natal-data") {
            args.insert(args.end(), {"--diurnal-zone", "5", "--diurnal-lon", "74w00",
                                     "--diurnal-lat", "40n43"});
        }
        std::ostringstream err;
        args.insert(args.end(), c.args.begin(), c.args.end());
        ASSERT_EQ(ParseArguments(app, args, "chart", err), 0) << err.str();
        BirthOptions options;
        TypeBirthOptions(texts, options);
        if (options.diurnal.chkNatOrNow) {
            CopyTimeAndPlace(options.natal.fields, options.diurnal.fields);
        }
        EXPECT_EQ(EntryOptionHints(options), c.hints) << c.args[0] << ' ' << c.args[1];
    }
}

}  // namespace
}  // namespace solvaris
