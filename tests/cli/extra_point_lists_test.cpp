// The extra points in the aspect lists between two charts: each chart's
// extra points, worked out here from places the command line prints
// elsewhere, found by the lists' one-degree test; without --points extra
// every list is as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "support/command_outcome.hpp"
#include "support/extra_points_birth.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

// The birth at 14:20 UT (JD 2442482.0972222), seen on 9 Dec 2026: 51 years
// old, 274 days after the 2026 birthday.
const std::vector<std::string>& kBirth = testing::kExtraPointsBirth;
// One day of the ephemeris for each year of life, and of the current year
// the share gone by.
constexpr double kProgressedJd = 2442482.0972222 + 51 + 274 / 365.25;

using Places = std::map<std::string, double>;  // report name to longitude

std::string Output(std::vector<std::string> args, bool extra) {
    args.insert(args.end(), kBirth.begin(), kBirth.end());
    if (extra) {
        args.insert(args.end(), {"--points", "extra"});
    }
    const Outcome outcome = RunArgs(args);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    return outcome.out;
}

const std::vector<std::string> kChartPointNames = {
    "SUN       ", "MERCURY   ", "VENUS     ", "MARS      ", "JUPITER   ",
    "SATURN    ", "URANUS    ", "NEPTUNE   ", "PLUTO     ", "MOON      ",
    "N. NODE   ", "S. NODE   ", "P. OF F.  ", "ASC       ", "MC        "};

const std::map<std::string, std::string> kExtraNames = {
    {"mean_lilith", "LILITH    "}, {"true_lilith", "TRUE LIL. "}, {"chiron", "CHIRON    "}};

bool IsExtra(const std::string& name) {
    for (const auto& [word, reportName] : kExtraNames) {
        if (reportName == name) {
            return true;
        }
    }
    return false;
}

// The chart points of a JSON set, then its extra points.
struct ChartPlaces {
    std::vector<double> points;
    Places extra;
};

ChartPlaces FromJson(const std::string& json, const std::string& set) {
    ChartPlaces places{testing::JsonNumbers(json, "longitude", "\"" + set + "\":{"), {}};
    const std::string extra =
        json.substr(json.find("\"" + set + "\":[", json.find("extra_points")));
    for (const auto& [word, name] : kExtraNames) {
        places.extra[name] =
            testing::JsonNumbers(extra, "longitude", "\"name\":\"" + word + "\"").at(0);
    }
    return places;
}

// The progressed extra points from `positions` at the progressed moment.
Places ProgressedExtra() {
    char jd[32];
    std::snprintf(jd, sizeof jd, "%.7f", kProgressedJd);
    const Outcome rows = RunArgs({"positions", "--jd", jd, "--points", "extra"});
    EXPECT_EQ(rows.status, 0) << rows.err;
    Places extra;
    for (const auto& [row, name] :
         {std::pair{",LILITH,", "LILITH    "}, std::pair{",TRUE LILITH,", "TRUE LIL. "},
          std::pair{",CHIRON,", "CHIRON    "}}) {
        extra[name] = std::stod(rows.out.substr(rows.out.find(row) + std::strlen(row)));
    }
    return extra;
}

// A separation within a degree of 0, 30, 45, 60, 90, 120, 135 or 150, or
// of 179 or more: the deviation from the angle; nothing otherwise.
std::optional<double> OneDegreeDeviation(double a, double b) {
    double s = std::fabs(a - b);
    s = s > 180 ? 360 - s : s;
    if (s >= 179) {
        return s - 180;
    }
    for (const double angle : {0, 30, 45, 60, 90, 120, 135, 150}) {
        if (std::fabs(s - angle) <= 1) {
            return s - angle;
        }
    }
    return std::nullopt;
}

struct ListCase {
    const char* report;
    const ChartPlaces* first;
    const ChartPlaces* second;
    bool sameChart;
    std::set<std::string> firstLeftOut;   // chart points never first
    std::set<std::string> secondLeftOut;  // chart points never second
};

// Each pair that involves an extra point, by names, with its deviation.
std::map<std::string, double> ExpectedExtraPairs(const ListCase& c) {
    std::vector<std::pair<std::string, double>> first, second;
    for (std::size_t p = 0; p < kChartPointNames.size(); ++p) {
        first.emplace_back(kChartPointNames[p], c.first->points.at(p));
        second.emplace_back(kChartPointNames[p], c.second->points.at(p));
    }
    // The extra points in the program's order, after the chart points.
    for (const char* name : {"LILITH    ", "TRUE LIL. ", "CHIRON    "}) {
        first.emplace_back(name, c.first->extra.at(name));
        second.emplace_back(name, c.second->extra.at(name));
    }
    std::map<std::string, double> pairs;
    for (std::size_t i = 0; i < first.size(); ++i) {
        for (std::size_t j = c.sameChart ? i + 1 : 0; j < second.size(); ++j) {
            const std::string& n1 = first[i].first;
            const std::string& n2 = second[j].first;
            const bool liliths =
                n1.find("LIL") != std::string::npos && n2.find("LIL") != std::string::npos;
            if ((!IsExtra(n1) && !IsExtra(n2)) || c.firstLeftOut.contains(n1) ||
                c.secondLeftOut.contains(n2) || (c.sameChart && liliths)) {
                continue;
            }
            if (const auto d = OneDegreeDeviation(first[i].second, second[j].second)) {
                pairs[n1 + n2] = *d;
            }
        }
    }
    return pairs;
}

TEST(ExtraPointLists, EachChartsExtraPointsInTheListsBetweenTwoCharts) {
    const std::string json = Output({"chart", "--format", "json"}, true);
    const ChartPlaces natal = FromJson(json, "natal");
    const ChartPlaces transit = FromJson(json, "transit");
    const ChartPlaces progressed{testing::JsonNumbers(json, "longitude", "\"progressed\":{"),
                                 ProgressedExtra()};
    const double arc = testing::JsonNumbers(json, "arc").at(0);
    ChartPlaces solarArc{testing::JsonNumbers(json, "longitude", "\"solar_arc\":{"), {}};
    for (const auto& [name, longitude] : natal.extra) {
        solarArc.extra[name] = std::fmod(longitude + arc, 360);
    }
    const std::set<std::string> southNode = {"S. NODE   "};
    const std::set<std::string> southNodeFortune = {"S. NODE   ", "P. OF F.  "};
    const std::set<std::string> nodes = {"S. NODE   ", "N. NODE   "};
    std::size_t listed = 0;
    for (const ListCase& c : {
             ListCase{"transit-aspects-natal", &transit, &natal, false, southNodeFortune,
                      southNode},
             ListCase{"transit-aspects-progressed", &transit, &progressed, false, southNodeFortune,
                      southNode},
             ListCase{"transit-aspects-solar-arc", &transit, &solarArc, false, southNodeFortune,
                      southNode},
             ListCase{"transit-aspects-transits", &transit, &transit, true, southNodeFortune,
                      southNode},
             ListCase{"progression-aspects-natal", &progressed, &natal, false, southNodeFortune,
                      southNode},
             ListCase{"progression-aspects-progressed", &progressed, &progressed, true, southNode,
                      southNode},
             ListCase{"solar-arc-aspects-natal", &solarArc, &natal, false, nodes, nodes},
         }) {
        SCOPED_TRACE(c.report);
        const std::string shown = Output({"report", c.report}, true);
        std::map<std::string, double> found;
        std::string without;
        for (std::size_t at = 0; at < shown.size();) {
            const std::size_t end = std::min(shown.find('\n', at), shown.size() - 1) + 1;
            const std::string line = shown.substr(at, end - at);
            at = end;
            // "  MARS          Trine           SUN            0.3 degrees"
            const bool listLine = line.size() > 42 && line.find(" degrees") != std::string::npos;
            if (listLine && (IsExtra(line.substr(2, 10)) || IsExtra(line.substr(32, 10)))) {
                found[line.substr(2, 10) + line.substr(32, 10)] = std::stod(line.substr(42));
            } else {
                without += line;
            }
        }
        const std::map<std::string, double> expected = ExpectedExtraPairs(c);
        ASSERT_EQ(found.size(), expected.size()) << shown;
        for (const auto& [names, deviation] : expected) {
            ASSERT_TRUE(found.contains(names)) << names << " " << deviation;
            // The list prints the deviation to a tenth, signed by the motion.
            EXPECT_NEAR(std::fabs(found[names]), std::fabs(deviation), 0.05 + 1e-6) << names;
        }
        listed += found.size();
        EXPECT_EQ(Output({"report", c.report}, false), without);
    }
    // Enough pairs that a fault in any one list shows.
    EXPECT_GT(listed, 20u);
}

}  // namespace
}  // namespace solvaris
