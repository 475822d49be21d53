// --tz and --diurnal-tz: the offset that held at the birth from the tz
// database (its history: ZoneHistory), the same chart as that offset typed
// with --zone, a skipped or repeated clock time refused or taken as asked,
// and `zones` to find names.
#include <gtest/gtest.h>

#include "support/command_outcome.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

std::vector<std::string> Birth(const std::string& date, const std::string& time) {
    return {"chart",      "--date",         date,     "--time", time,
            "--lon",      "74w00",          "--lat",  "40n43",  "--diurnal-date",
            "2000-01-01", "--diurnal-time", "12:00pm"};
}

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(ZoneNamesCommand, TheOffsetThatHeldAtTheBirth) {
    struct Case {
        std::string date, time;
        std::vector<std::string> zone;  // --tz ... [--fold ...]
        int status;
        std::string inOut;       // part of stdout (status 0) or stderr
        std::string sameAsZone;  // --zone giving the same chart; "" for none
    };
    const std::vector<std::string> york = {"--tz", "America/New_York"};
    const Case cases[] = {
        {"1950-12-05", "7:45pm", york, 0,
         "\"natal\":{\"zone\":\"America/New_York\",\"abbreviation\":\"EST\",\"hours_west\":5."
         "0000000,\"daylight_saving\":false,\"fold\":null}",
         "5"},
        {"2021-11-07", "1:30am", york, 2, "--fold earlier or --fold later", ""},
        {"2021-11-07", "1:30am", With(york, {"--fold", "earlier"}), 0,
         "\"abbreviation\":\"EDT\",\"hours_west\":4.0000000,\"daylight_saving\":true,\"fold\":"
         "\"earlier\"",
         "4"},
        {"2021-03-14", "2:30am", york, 2, "did not happen in America/New_York", ""},
        {"2021-06-01", "2:30am", With(york, {"--fold", "later"}), 2,
         "--fold is read only for a clock time that happened twice", ""},
        {"1950-12-05", "7:45pm", {"--tz", "Mars/Olympus_Mons"}, 2, "not found", ""},
        {"1950-12-05", "7:45pm", With(york, {"--zone", "5"}), 2, "excludes", ""},
    };
    for (const Case& c : cases) {
        const Outcome run = RunArgs(With(Birth(c.date, c.time), c.zone));
        EXPECT_EQ(run.status, c.status) << c.date << " " << run.err;
        EXPECT_NE((c.status == 0 ? run.out : run.err).find(c.inOut), std::string::npos)
            << c.date << ": " << run.out << run.err;
        if (!c.sameAsZone.empty()) {
            // The chart is the one of the offset typed by hand, to the digit.
            const Outcome typed = RunArgs(With(Birth(c.date, c.time), {"--zone", c.sameAsZone}));
            ASSERT_EQ(typed.status, 0) << typed.err;
            EXPECT_EQ(run.out.substr(0, run.out.find(",\"zone_rules\"")),
                      typed.out.substr(0, typed.out.rfind('}')))
                << c.date;
        }
    }
    // The natal report names the rule after the report.
    const Outcome report =
        RunArgs({"report", "natal", "--date", "1880-06-01", "--time", "12:00pm", "--tz",
                 "America/New_York", "--lon", "74w00", "--lat", "40n43"});
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_NE(report.out.find("  Time zone: LMT, local mean time, 4h56m02s west "
                              "(America/New_York)\n"),
              std::string::npos);
    // `zones` finds the names (the search itself: ZoneHistory).
    EXPECT_EQ(RunArgs({"zones", "YORK"}).out, "America/New_York\n");
    const Outcome none = RunArgs({"zones", "no such zone"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("no zone name"), std::string::npos);
}

}  // namespace
}  // namespace solvaris
