// Harmonic charts from the command line: --harmonic 1 changes nothing,
// --harmonic N multiplies the natal longitudes into equal houses, and the
// harmonic report's aspects are those of the multiplied longitudes.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <tuple>

#include "engine/chart_point.hpp"
#include "support/command_outcome.hpp"
#include "support/run_program.hpp"

namespace solvaris {
namespace {

using testing::Outcome;

Outcome RunFor(std::vector<std::string> args) {
    args.insert(args.end(), {"--person", "Sample Natal"});
    return testing::RunArgs(args);
}

TEST(HarmonicCommand, FirstHarmonicIsTheNatalChart) {
    const testing::TempFolder folder;
    const std::string plainSvg = (folder / "plain.svg").string();
    const std::string firstSvg = (folder / "first.svg").string();
    for (const auto& command :
         {std::vector<std::string>{"chart", "--format", "json"}, {"report", "harmonic"}}) {
        std::vector<std::string> first = command;
        first.insert(first.end(), {"--harmonic", "1"});
        EXPECT_EQ(RunFor(first).out, RunFor(command).out) << command[1];
    }
    for (const auto& args : {std::vector<std::string>{"wheel", "natal", "--out", plainSvg},
                             {"wheel", "natal", "--harmonic", "1", "--out", firstSvg}}) {
        std::vector<std::string> all = args;
        all.insert(all.end(), {"--person", "Sample Natal"});
        ASSERT_EQ(testing::RunShell(SOLVARIS_BINARY, all).status, 0);
    }
    EXPECT_EQ(folder.Read("plain.svg"), folder.Read("first.svg"));
}

double CircularGap(double a, double b) {
    const double gap = std::fmod(std::fabs(a - b), 360.0);
    return std::min(gap, 360 - gap);
}

TEST(HarmonicCommand, TimesNInEqualHousesWithItsAspects) {
    // The shipped orbs (options 1 to 15, no minor aspects) do not overlap:
    // an aspect is found exactly where the separation lies within one.
    const std::tuple<double, double, const char*> orbs[] = {
        {0, 8, "Conjunct"},     {30, 2, "S.Sextile"}, {45, 2, "S.Square"},
        {60, 6, "Sextile"},     {90, 8, "Square"},    {120, 8, "Trine"},
        {135, 2, "Ses.Square"}, {150, 3, "Quincunx"}, {180, 8, "Opposite"}};
    const char* names[] = {"SUN",     "MERCURY", "VENUS",    "MARS",  "JUPITER",
                           "SATURN",  "URANUS",  "NEPTUNE",  "PLUTO", "MOON",
                           "N. NODE", "",        "P. OF F.", "ASC",   "MC"};
    const std::vector<double> natal =
        testing::JsonNumbers(RunFor({"chart", "--format", "json"}).out, "longitude");
    ASSERT_EQ(natal.size(), 15u);
    for (const int n : {2, 3, 7, 180}) {
        const std::string h = std::to_string(n);
        const Outcome chart = RunFor({"chart", "--format", "json", "--harmonic", h});
        const std::vector<double> harmonic =
            testing::JsonNumbers(chart.out, "longitude", "\"harmonic\":");
        const std::vector<double> cusps =
            testing::JsonNumbers(chart.out, "house_cusps", "\"harmonic\":");
        ASSERT_EQ(harmonic.size(), 15u) << n;
        ASSERT_EQ(cusps.size(), 12u) << n;
        using Found = std::tuple<std::string, std::string, std::string>;
        std::set<Found> expected;
        for (std::size_t p = 0; p < 15; ++p) {
            // Seven printed decimals, multiplied by n.
            EXPECT_LT(CircularGap(harmonic[p], natal[p] * n), (n + 1) * 6e-8) << n << ' ' << p;
            for (std::size_t q = p + 1; q < 15; ++q) {
                const double s =
                    CircularGap(std::fmod(natal[p] * n, 360), std::fmod(natal[q] * n, 360));
                for (const auto& [angle, orb, name] : orbs) {
                    if (std::fabs(s - angle) <= orb && p != SouthNode - 1 && q != SouthNode - 1) {
                        expected.insert({std::min<std::string>(names[p], names[q]),
                                         std::max<std::string>(names[p], names[q]), name});
                    }
                }
            }
        }
        for (std::size_t house = 0; house < 12; ++house) {
            EXPECT_LT(CircularGap(cusps[house], harmonic[Ascendant - 1] + 30.0 * house), 1e-6);
        }
        const std::string report = RunFor({"report", "harmonic", "--harmonic", h}).out;
        std::istringstream lines(report.substr(report.find("Degrees from exact\n") + 19));
        std::set<Found> listed;
        for (std::string line; std::getline(lines, line) && line.size() > 34;) {
            const auto field = [&](std::size_t at, std::size_t width) {
                const std::string f = line.substr(at, width);
                return f.substr(0, f.find_last_not_of(' ') + 1);
            };
            listed.insert({std::min(field(2, 10), field(12, 10)),
                           std::max(field(2, 10), field(12, 10)), field(22, 12)});
        }
        EXPECT_GT(expected.size(), 5u) << n;
        EXPECT_EQ(listed, expected) << n;
    }
}

TEST(HarmonicCommand, RefusedWhereNotRead) {
    for (const auto& args : {std::vector<std::string>{"chart", "--harmonic", "0"},
                             {"chart", "--harmonic", "181"},
                             {"report", "harmonic", "--harmonic", "2.5"},
                             {"report", "natal", "--harmonic", "5"},
                             {"wheel", "transits", "--harmonic", "5", "--out", "unused.png"}}) {
        const Outcome outcome = RunFor(args);
        EXPECT_NE(outcome.status, 0) << args[1];
        EXPECT_NE(outcome.err.find("harmonic"), std::string::npos) << outcome.err;
    }
}

}  // namespace
}  // namespace solvaris
