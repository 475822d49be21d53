// The extra points from the command line: shown only with --points extra;
// then the same places in positions, the chart JSON, batch and the natal
// report; in the sidereal zodiac each the tropical place less the
// ayanamsa; each in the house its longitude falls in.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/command_outcome.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

// A fixed diurnal date: the transit chart would otherwise be cast for the
// present moment, which moves between two runs.
const std::vector<std::string> kBirth = {"--date", "1975-03-10", "--time",         "4:20pm",
                                         "--zone", "-2",         "--lon",          "24e56",
                                         "--lat",  "60n10",      "--diurnal-date", "2026-12-09"};

Outcome Chart(const std::vector<std::string>& more) {
    std::vector<std::string> args = {"chart", "--format", "json"};
    args.insert(args.end(), kBirth.begin(), kBirth.end());
    args.insert(args.end(), more.begin(), more.end());
    return RunArgs(args);
}

// The longitude of the extra point `word` in the natal set of a chart JSON.
double NatalLongitude(const std::string& json, const std::string& word) {
    const std::vector<double> value =
        testing::JsonNumbers(json, "longitude", "\"name\":\"" + word + "\"");
    EXPECT_EQ(value.size(), 1u) << word;
    return value.empty() ? -1 : value[0];
}

// Each computing command's help names the options every such command takes.
TEST(ExtraPoints, EveryComputingCommandsHelpNamesTheEngineZodiacAndPoints) {
    for (const std::string command : {"positions", "chart", "batch", "report", "timeline"}) {
        const Outcome help = RunArgs({"help", command});
        ASSERT_EQ(help.status, 0) << command;
        for (const std::string option : {"--ephemeris ", "--zodiac ", "--points "}) {
            EXPECT_NE(help.out.find(option), std::string::npos) << command << " " << option;
        }
    }
    EXPECT_EQ(RunArgs({"help", "places"}).out.find("--points"), std::string::npos);
}

TEST(ExtraPoints, ShownOnlyWhenAskedForAndTheSameOnEverySurface) {
    const Outcome standard = Chart({});
    ASSERT_EQ(standard.status, 0) << standard.err;
    EXPECT_EQ(standard.out.find("extra_points"), std::string::npos);
    const Outcome extra = Chart({"--points", "extra"});
    ASSERT_EQ(extra.status, 0) << extra.err;
    // The fifteen points are untouched by the extra ones.
    EXPECT_EQ(testing::JsonNumbers(extra.out, "longitude"),
              testing::JsonNumbers(standard.out, "longitude"));
    const double lilith = NatalLongitude(extra.out, "mean_lilith");
    const double chiron = NatalLongitude(extra.out, "chiron");
    NatalLongitude(extra.out, "true_lilith");
    // The built-in engine computes no asteroid.
    EXPECT_EQ(extra.out.find("\"ceres\""), std::string::npos);

    // 1975-03-10 16:20 at zone -2 is 14:20 UT: JD 2442482.0972222.
    const Outcome rows = RunArgs({"positions", "--jd", "2442482.0972222", "--points", "extra"});
    ASSERT_EQ(rows.status, 0) << rows.err;
    const auto rowLongitude = [&](const std::string& name) {
        const auto at = rows.out.find("," + name + ",");
        EXPECT_NE(at, std::string::npos) << name;
        return std::stod(rows.out.substr(at + name.size() + 2));
    };
    EXPECT_NEAR(rowLongitude("LILITH"), lilith, 1e-5);
    EXPECT_NEAR(rowLongitude("CHIRON"), chiron, 1e-5);

    // The natal report's block prints the same degrees, in their houses.
    std::vector<std::string> report = {"report", "natal", "--points", "extra"};
    report.insert(report.end(), kBirth.begin(), kBirth.end());
    const Outcome text = RunArgs(report);
    ASSERT_EQ(text.status, 0) << text.err;
    const std::string degree = std::to_string(static_cast<int>(std::fmod(chiron, 30)));
    const auto line = text.out.find("CHIRON");
    ASSERT_NE(line, std::string::npos);
    const std::string chironLine = text.out.substr(text.out.rfind('\n', line) + 1, 60);
    EXPECT_NE(chironLine.find(degree.size() == 1 ? "0" + degree : degree), std::string::npos)
        << chironLine;
    EXPECT_NE(chironLine.find("HOUSE"), std::string::npos) << chironLine;
}

TEST(ExtraPoints, SiderealPlacesAreTheTropicalOnesLessTheAyanamsa) {
    for (const std::string engine : {"builtin", "swiss"}) {
        const Outcome tropical = Chart({"--points", "extra", "--ephemeris", engine});
        const Outcome sidereal =
            Chart({"--points", "extra", "--ephemeris", engine, "--ayanamsa", "lahiri"});
        ASSERT_EQ(sidereal.status, 0) << sidereal.err;
        const double ayanamsa = testing::JsonNumbers(sidereal.out, "natal", "ayanamsa_deg")[0];
        for (const std::string word : {"mean_lilith", "true_lilith", "chiron"}) {
            EXPECT_NEAR(std::remainder(NatalLongitude(tropical.out, word) - ayanamsa -
                                           NatalLongitude(sidereal.out, word),
                                       360),
                        0, 2e-7)
                << engine << " " << word;
        }
    }
}

TEST(ExtraPoints, BatchColumnsHoldTheChartsPlaces) {
    testing::TempFolder folder;
    const std::string names =
        folder.Write("people.txt", "Helsinki,10 Mar 1975,4.20,P,-2,-024.56,60.10\n").string();
    const Outcome csv = RunArgs({"batch", "--names", names, "--points", "extra"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::string header = csv.out.substr(0, csv.out.find('\n'));
    EXPECT_NE(header.find(",cusp12,mean_lilith,true_lilith,chiron,ceres,pallas,juno,vesta"),
              std::string::npos)
        << header;
    const std::string row = csv.out.substr(csv.out.find('\n') + 1);
    // The asteroids' columns stay empty with the built-in engine.
    EXPECT_NE(row.find(",,,,\n"), std::string::npos) << row;
    const Outcome chart = Chart({"--points", "extra"});
    const std::string chiron = std::to_string(NatalLongitude(chart.out, "chiron")).substr(0, 7);
    EXPECT_NE(row.find("," + chiron), std::string::npos) << row << " " << chiron;
}

}  // namespace
}  // namespace solvaris
