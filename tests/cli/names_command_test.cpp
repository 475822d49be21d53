// `names`, `cities` and `zones`, --person and --tz. A quote is part of a name,
// and nothing printed to a terminal carries a control character (the escaping
// itself: VisibleText). --tz and --diurnal-tz give the offset that held at the
// birth from the tz database (its history: ZoneHistory), the same chart as that
// offset typed with --zone; a skipped or repeated clock time is refused or
// taken as asked. The chart's points by name agree with the natal report.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <tuple>

#include "support/command_outcome.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

TEST(NamesCommands, ListShowAndPersonOfNamesAndCities) {
    testing::TempFolder folder;
    const std::string evil = "Evil\x1b]0;owned\x07\x1b[2J";
    const std::string names =
        folder
            .Write("P.FIL",
                   "Sample Natal,05 Dec 1950,7.45,P,5,074.00,40.43\r\n"
                   "Jack \"Jumbo Smith,05 Dec 1950,7.45,P,5,074.00,40.43\r\n" +
                       evil + ",05 Dec 1950,7.45,P,5,074.00,40.43\r\n" +
                       "Second,21 Jun 1975,10.15,A,-10,-151.12,-33.52\r\n")
            .string();
    const Outcome list = RunArgs({"names", "list", "--names", names});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out,
              "Sample Natal\nJack \"Jumbo Smith\nEvil\\x1b]0;owned\\x07\\x1b[2J\nSecond\n");
    EXPECT_EQ(RunArgs({"names", "show", "second", "--names", names}).out,
              "Name =  Second\nDate =  21 Jun 1975\nTime =  10.15 A\nTime zone =  -10\n"
              "Longitude =  -151.12\nLatitude =  -33.52\n");
    const Outcome missing = RunArgs({"names", "show", "No\x1b[2Jbody", "--names", names});
    EXPECT_EQ(missing.status, 1);
    const Outcome report = RunArgs({"report", "natal", "--person", evil, "--names", names});
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_NE(report.out.find("  Evil\\x1b]0;owned\\x07\\x1b[2J\n"), std::string::npos);
    for (const Outcome* printed : {&list, &report, &missing}) {
        EXPECT_EQ((printed->out + printed->err).find('\x1b'), std::string::npos);
    }

    // --person gives the same chart as the birth options typed in.
    const Outcome typed =
        RunArgs({"chart", "--name", "Sample Natal", "--date", "1950-12-05", "--time", "7:45pm",
                 "--zone", "5", "--lon", "74W00", "--lat", "40N43", "--diurnal-date", "2000-01-01",
                 "--diurnal-time", "12:00pm"});
    const Outcome picked = RunArgs({"chart", "--person", "Sample Natal", "--names", names,
                                    "--diurnal-date", "2000-01-01", "--diurnal-time", "12:00pm"});
    ASSERT_EQ(picked.status, 0) << picked.err;
    EXPECT_EQ(picked.out, typed.out);
    const Outcome unknown = RunArgs({"chart", "--person", "Nobody", "--names", names});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("no person named 'Nobody'"), std::string::npos);
    EXPECT_EQ(RunArgs({"chart", "--person", "Sample Natal", "--second-person", "Second", "--names",
                       names})
                  .status,
              0);

    const std::string cities =
        folder.Write("C.LL", "New York,NY,74W00,40N43,5\r\nSydney,NSW,151E12,33S52,-10\r\n")
            .string();
    EXPECT_EQ(RunArgs({"cities", "list", "--cities", cities}).out, "New York,NY\nSydney,NSW\n");
    EXPECT_EQ(RunArgs({"cities", "show", "sydney,nsw", "--cities", cities}).out,
              "City =  Sydney\nRegion =  NSW\nLongitude =  151E12\nLatitude =  33S52\n"
              "Time zone =  -10\n");
    EXPECT_EQ(RunArgs({"cities", "show", "Nowhere", "--cities", cities}).status, 1);
}

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
        std::string inOut;         // part of stdout (status 0) or stderr
        std::string sameAsZone{};  // --zone giving the same chart; "" for none
    };
    const std::vector<std::string> york = {"--tz", "America/New_York"};
    const Case cases[] = {
        {"1950-12-05", "7:45pm", york, 0,
         "\"natal\":{\"zone\":\"America/New_York\",\"abbreviation\":\"EST\",\"hours_west\":5."
         "0000000,\"daylight_saving\":false,\"mean_time_at\":null,\"fold\":null}",
         "5"},
        {"2021-11-07", "1:30am", york, 2, "--fold earlier or --fold later"},
        {"2021-11-07", "1:30am", With(york, {"--fold", "earlier"}), 0,
         "\"abbreviation\":\"EDT\",\"hours_west\":4.0000000,\"daylight_saving\":true,"
         "\"mean_time_at\":null,\"fold\":"
         "\"earlier\"",
         "4"},
        {"2021-03-14", "2:30am", york, 2, "did not happen in America/New_York"},
        {"2021-06-01", "2:30am", With(york, {"--fold", "later"}), 2,
         "--fold is read only for a clock time that happened twice"},
        {"1950-12-05", "7:45pm", {"--tz", "Mars/Olympus_Mons"}, 2, "not found"},
        {"1950-12-05", "7:45pm", With(york, {"--zone", "5"}), 2, "excludes"},
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
    EXPECT_NE(report.out.find("  Time zone: LMT, local mean time at 74W00, 4h56m west "
                              "(America/New_York)\n"),
              std::string::npos);
    // `zones` finds the names (the search itself: ZoneHistory).
    EXPECT_EQ(RunArgs({"zones", "YORK"}).out, "America/New_York\n");
    const Outcome none = RunArgs({"zones", "no such zone"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("no zone name"), std::string::npos);
}

TEST(ChartCommand, PointsByNameAgreeWithTheNatalReport) {
    const Outcome chart = RunArgs({"chart", "--format", "json", "--person", "Sample Natal"});
    const Outcome report = RunArgs({"report", "natal", "--person", "Sample Natal"});
    ASSERT_EQ(chart.status + report.status, 0) << chart.err << report.err;
    // The natal set comes first; its points end where "progressed" begins.
    const std::string& json = chart.out;
    const std::string natal = json.substr(0, json.find("\"progressed\":"));
    const std::string& reportText = report.out;

    // What the report prints for a point, and the names the JSON gives it.
    using Case = std::pair<const char*, const char*>;
    const Case cases[] = {
        {"Sun", "SUN"},       {"Moon", "MOON"},          {"Mercury", "MERCURY"},
        {"Venus", "VENUS"},   {"Mars", "MARS"},          {"Jupiter", "JUPITER"},
        {"Saturn", "SATURN"}, {"Uranus", "URANUS"},      {"Neptune", "NEPTUNE"},
        {"Pluto", "PLUTO"},   {"North Node", "N. NODE"}, {"Part of Fortune", "P. OF F."},
        {"Ascendant", "ASC"}, {"Midheaven", "MC"},
    };
    const std::string abbreviations = "ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS";
    const char* signs[] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                           "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    int retrogrades = 0;
    for (const auto& [jsonName, reportName] : cases) {
        // "  08 CAN 25m 04s   URANUS    R    (12TH HOUSE)"
        const std::regex line(std::string(R"(\n  (\d\d) (\w\w\w) (\d\d)m (\d\d)s   )") +
                              std::regex_replace(reportName, std::regex(R"(\.)"), R"(\.)") +
                              R"( +(R?) *\( ?(\d+)\w\w HOUSE\))");
        std::smatch printed;
        ASSERT_TRUE(std::regex_search(reportText, printed, line)) << reportName;
        const int seconds = std::stoi(printed[4]);
        const int minute = std::min(59, std::stoi(printed[3]) + (seconds >= 30 ? 1 : 0));
        const bool retrograde = printed[5] == "R";
        retrogrades += retrograde;
        const std::string expected = std::string("{\"name\":\"") + jsonName + "\",\"sign\":\"" +
                                     signs[abbreviations.find(printed[2]) / 3] +
                                     "\",\"degree\":" + std::to_string(std::stoi(printed[1])) +
                                     ",\"minute\":" + std::to_string(minute) +
                                     ",\"house\":" + printed[6].str() +
                                     ",\"retrograde\":" + (retrograde ? "true" : "false") + "}";
        EXPECT_NE(natal.find(expected), std::string::npos) << expected << "\nin " << natal;
    }
    EXPECT_EQ(retrogrades, 2);  // Uranus and Pluto

    // The cusps in house order: the 1st is the Ascendant, the 10th the MC.
    const std::vector<double> longitudes = testing::JsonNumbers(natal, "longitude");
    const std::vector<double> cusps = testing::JsonNumbers(natal, "house_cusps");
    ASSERT_EQ(longitudes.size(), 15u);
    ASSERT_EQ(cusps.size(), 12u);
    EXPECT_DOUBLE_EQ(cusps[0], longitudes[13]);
    EXPECT_DOUBLE_EQ(cusps[9], longitudes[14]);
    EXPECT_NEAR(std::fmod(cusps[6] - cusps[0] + 360, 360), 180, 1e-6);  // the Descendant
    EXPECT_NE(json.find("\"transit\":{"), std::string::npos);
}

}  // namespace
}  // namespace solvaris
