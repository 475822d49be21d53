// The extra points from the command line: shown only with --points extra;
// then the same places in positions, the chart JSON, batch and the natal
// report; in the sidereal zodiac each the tropical place less the
// ayanamsa; each in the house its longitude falls in.
#include "engine/extra_points.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "support/command_outcome.hpp"
#include "support/extra_points_birth.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

const std::vector<std::string>& kBirth = testing::kExtraPointsBirth;

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

// The orbs of the natal aspect report as the shipped options file holds
// them: options 1 to 15, the first 7 characters of each line; option 16.
std::vector<double> ShippedReportOrbs() {
    std::ifstream file(std::string(SOLVARIS_DATA_DIR) + "/OPTIONS.MAS");
    std::vector<double> orbs;
    std::string line;
    while (orbs.size() < 16 && std::getline(file, line)) {
        orbs.push_back(std::stod(line.substr(0, 7)));
    }
    return orbs;
}

// The aspect lines an extra point's pairs must show, worked out here from
// the chart JSON's longitudes: the separation folded to 0..180 and each
// aspect's closed band of angle plus or minus its orb (the shipped bands do
// not overlap); the separation the line prints, in minutes, compared.
void ExpectExtraPointLines(const std::string& report, const std::vector<double>& chart,
                           const std::vector<std::pair<std::string, double>>& extra) {
    const std::vector<double> orbs = ShippedReportOrbs();
    ASSERT_EQ(orbs.size(), 16u);
    ASSERT_EQ(orbs[15], 0) << "the quintile family is left out of the shipped options";
    // Code order of the options: conjunction, sextile, square, trine,
    // opposition, (parallel), semi-sextile, semi-square, sesquisquare, quincunx.
    const std::pair<double, double> bands[] = {{0, orbs[0]},   {60, orbs[1]},  {90, orbs[2]},
                                               {120, orbs[3]}, {180, orbs[4]}, {30, orbs[6]},
                                               {45, orbs[7]},  {135, orbs[8]}, {150, orbs[9]}};
    const auto aspected = [&](double s) {
        for (const auto& [angle, orb] : bands) {
            if (std::fabs(s - angle) <= orb) {
                return true;
            }
        }
        return false;
    };
    const auto name = [](int p) {
        return std::string(
            std::string_view(
                "SUN       MERCURY   VENUS     MARS      JUPITER   SATURN    URANUS    "
                "NEPTUNE   PLUTO     MOON      N. NODE   S. NODE   P. OF F.  ASC       MC        ")
                .substr(10 * (p - 1), 10));
    };
    struct Pair {
        std::string names;
        double s;
    };
    std::vector<Pair> expected;
    const auto consider = [&](const std::string& names, double a, double b) {
        double s = std::fabs(std::fmod(a - b, 360.0));
        s = s > 180 ? 360 - s : s;
        if (aspected(s)) {
            expected.push_back({names, s});
        }
    };
    for (int p = 1; p <= 15; ++p) {
        for (const auto& [word, longitude] : extra) {
            if (p != 12) {
                consider(name(p) + word, chart[p - 1], longitude);
            }
        }
    }
    // Mean and true Lilith, one point reckoned two ways, are never an aspect.
    for (std::size_t i = 0; i < extra.size(); ++i) {
        for (std::size_t j = i + 1; j < extra.size(); ++j) {
            const bool liliths = extra[i].first.find("LIL") != std::string::npos &&
                                 extra[j].first.find("LIL") != std::string::npos;
            if (!liliths) {
                consider(extra[i].first + extra[j].first, extra[i].second, extra[j].second);
            }
        }
    }
    std::size_t shown = 0;
    for (std::size_t at = report.find('\n'); at != std::string::npos;
         at = report.find('\n', at + 1)) {
        const std::string line = report.substr(at + 1, report.find('\n', at + 1) - at - 1);
        for (const auto& [word, longitude] : extra) {
            if (line.find(word) != std::string::npos) {
                ++shown;
                break;
            }
        }
    }
    EXPECT_GT(expected.size(), 3u);
    EXPECT_EQ(shown, expected.size()) << report;
    for (const Pair& pair : expected) {
        const auto at = report.find("  " + pair.names + " ");
        ASSERT_NE(at, std::string::npos) << pair.names << " " << pair.s;
        const double degrees = std::stod(report.substr(at + 23, 3));
        const double minutes = std::stod(report.substr(at + 28, 2));
        EXPECT_NEAR(degrees + minutes / 60, pair.s, 0.5 / 60 + 1e-6) << pair.names;
    }
}

std::vector<std::pair<std::string, double>> ExtraLongitudes(const std::string& json,
                                                            const std::string& chart) {
    const std::string set =
        json.substr(json.find("\"" + chart + "\":[", json.find("extra_points")));
    std::vector<std::pair<std::string, double>> extra;
    for (const ExtraPointName& n : ExtraPointNames()) {
        const std::string key = "\"name\":\"" + std::string(n.word) + "\"";
        const auto at = set.find(key);
        if (at != std::string::npos && at < set.find(']')) {
            extra.emplace_back(std::string(n.reportName),
                               testing::JsonNumbers(set, "longitude", key)[0]);
        }
    }
    return extra;
}

// The natal aspect list ends with the extra points' aspects, those of the
// natal chart in the natal aspects and those of the second person in the
// transits-to-transits report that lists the second person's chart the
// same way; without --points extra both reports are as they were.
TEST(ExtraPoints, TheirAspectsInTheNatalListAsWorkedOutFromTheChartsPlaces) {
    const std::vector<std::string> persons = {"--person", "Sample Natal", "--second-person",
                                              "Sample Person Sydney"};
    const auto run = [&](std::vector<std::string> args, bool extra) {
        args.insert(args.end(), persons.begin(), persons.end());
        if (extra) {
            args.insert(args.end(), {"--points", "extra"});
        }
        const Outcome outcome = RunArgs(args);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return outcome.out;
    };
    const std::string json = run({"chart", "--format", "json"}, true);
    const std::string natal = run({"report", "natal-aspects"}, true);
    const std::vector<std::pair<std::string, double>> natalExtra = ExtraLongitudes(json, "natal");
    ASSERT_EQ(natalExtra.size(), 3u);
    ExpectExtraPointLines(natal, testing::JsonNumbers(json, "longitude"), natalExtra);
    const std::string second = run({"report", "transit-aspects-transits"}, true);
    ExpectExtraPointLines(second, testing::JsonNumbers(json, "longitude", "\"transit\":{"),
                          ExtraLongitudes(json, "transit"));
    // Without the extra points the reports are what they were less the
    // extra points' lines.
    for (const auto& [shown, report] :
         {std::pair{natal, "natal-aspects"}, std::pair{second, "transit-aspects-transits"}}) {
        std::string stripped;
        for (std::size_t at = 0; at < shown.size();) {
            const std::size_t end = std::min(shown.find('\n', at), shown.size() - 1) + 1;
            const std::string line = shown.substr(at, end - at);
            if (line.find("LILITH") == std::string::npos &&
                line.find("TRUE LIL.") == std::string::npos &&
                line.find("CHIRON") == std::string::npos) {
                stripped += line;
            }
            at = end;
        }
        EXPECT_NE(stripped, shown) << report;
        EXPECT_EQ(run({"report", report}, false), stripped) << report;
    }
}

// The timeline with --points extra: the transiting Chiron and mean Lilith
// and the natal extra points among the events, named in the text and the
// files; without it the text is that less their lines.
TEST(ExtraPoints, TheTimelineFollowsChironAndLilithAndAimsAtTheNatalOnes) {
    const auto timeline = [](const std::vector<std::string>& more) {
        std::vector<std::string> args = {"timeline", "--from",     "2026-01-01",
                                         "--to",     "2026-12-31", "--transits"};
        args.insert(args.end(), kBirth.begin(), kBirth.end() - 2);  // no diurnal date
        args.insert(args.end(), more.begin(), more.end());
        const Outcome outcome = RunArgs(args);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return outcome.out;
    };
    const std::string extra = timeline({"--points", "extra"});
    for (const char* event :
         {"  19 JUN 2026 22:33  20 JUN 2026 00:33  Tr. CHIRON    enters TAU\n",
          "  03 AUG 2026 19:41  03 AUG 2026 21:41  Tr. CHIRON    turns retrograde\n",
          "Tr. LILITH    Square      ASC            1.0  14 JAN 2026 - 01 FEB 2026\n",
          "Tr. SUN       Square      CHIRON         1.0  11 JAN 2026 - 13 JAN 2026\n"}) {
        EXPECT_NE(extra.find(event), std::string::npos) << event;
    }
    EXPECT_EQ(extra.find("Tr. TRUE LIL."), std::string::npos);
    EXPECT_NE(extra.find("TRUE LIL."), std::string::npos);  // aimed at
    std::string stripped;
    for (std::size_t at = 0; at < extra.size();) {
        const std::size_t end = extra.find('\n', at) + 1;
        const std::string line = extra.substr(at, end - at);
        if (line.find("LILITH") == std::string::npos &&
            line.find("TRUE LIL.") == std::string::npos &&
            line.find("CHIRON") == std::string::npos) {
            stripped += line;
        }
        at = end;
    }
    EXPECT_EQ(timeline({}), stripped);
    const std::string json = timeline({"--points", "extra", "--format", "json"});
    EXPECT_NE(json.find("\"moving\":\"CHIRON\""), std::string::npos);
    EXPECT_NE(json.find("\"natal\":\"TRUE LILITH\""), std::string::npos) << json.substr(0, 400);
}

}  // namespace
}  // namespace solvaris
