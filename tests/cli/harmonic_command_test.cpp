// Harmonic charts from the command line: --harmonic 1 changes nothing,
// --harmonic N multiplies the natal longitudes, and the harmonic report's
// aspects are those of the multiplied longitudes.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <tuple>

#include "support/command_outcome.hpp"
#include "support/run_program.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

const std::vector<std::string> kBirth = {"--person", "Sample Natal"};

Outcome RunFor(std::vector<std::string> args) {
    args.insert(args.end(), kBirth.begin(), kBirth.end());
    return RunArgs(args);
}

TEST(HarmonicCommand, FirstHarmonicIsTheNatalChart) {
    // The same bytes with and without --harmonic 1.
    const std::vector<std::string> commands[] = {
        {"chart", "--format", "json"}, {"report", "harmonic"}, {"report", "natal"}};
    for (const auto& command : commands) {
        std::vector<std::string> first = command;
        if (command[1] != "natal") {
            first.insert(first.end(), {"--harmonic", "1"});
        }
        const Outcome plain = RunFor(command);
        const Outcome harmonic = RunFor(first);
        ASSERT_EQ(plain.status, 0) << plain.err;
        ASSERT_EQ(harmonic.status, 0) << harmonic.err;
        EXPECT_EQ(harmonic.out, plain.out) << command[1];
    }
    // The harmonic 1 report's position lines are the natal report's without
    // the declinations.
    std::istringstream natal(RunFor({"report", "natal"}).out);
    const std::string harmonic = RunFor({"report", "harmonic"}).out;
    std::string line;
    int compared = 0;
    while (std::getline(natal, line)) {
        if (line.find(" HOUSE)") != std::string::npos) {
            EXPECT_NE(harmonic.find(line.substr(0, line.find(')') + 5) + "\n"), std::string::npos)
                << line;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 14);
    // The natal wheel drawn the same to the byte.
    const testing::TempFolder pictures;
    const std::string plainSvg = (pictures / "plain.svg").string();
    const std::string firstSvg = (pictures / "first.svg").string();
    const std::string program = SOLVARIS_BINARY;
    for (const auto& args :
         {std::vector<std::string>{"wheel", "natal", "--out", plainSvg},
          std::vector<std::string>{"wheel", "natal", "--harmonic", "1", "--out", firstSvg}}) {
        std::vector<std::string> all = args;
        all.insert(all.end(), kBirth.begin(), kBirth.end());
        ASSERT_EQ(testing::RunShell(program, all).status, 0);
    }
    EXPECT_EQ(pictures.Read("plain.svg"), pictures.Read("first.svg"));
}

double CircularGap(double a, double b) {
    const double gap = std::fabs(a - b);
    return std::min(gap, 360 - gap);
}

TEST(HarmonicCommand, LongitudesTimesN) {
    const std::vector<double> natal =
        testing::JsonNumbers(RunFor({"chart", "--format", "json"}).out, "longitude");
    ASSERT_EQ(natal.size(), 15u);
    for (const int n : {2, 5, 180}) {
        const Outcome chart =
            RunFor({"chart", "--format", "json", "--harmonic", std::to_string(n)});
        ASSERT_EQ(chart.status, 0) << chart.err;
        const std::vector<double> harmonic =
            testing::JsonNumbers(chart.out, "longitude", "\"harmonic\":");
        ASSERT_EQ(harmonic.size(), 15u) << n;
        for (std::size_t p = 0; p < natal.size(); ++p) {
            // Seven printed decimals, multiplied by n.
            EXPECT_LT(CircularGap(harmonic[p], std::fmod(natal[p] * n, 360)), (n + 1) * 6e-8)
                << "x" << n << " point " << p + 1;
        }
    }
}

TEST(HarmonicCommand, AspectsFollowFromTheHarmonicLongitudes) {
    // The shipped orbs (options 1 to 15, no minor aspects) do not overlap,
    // so an aspect is found exactly where the separation lies within one.
    struct Orb {
        double angle, orb;
        const char* name;
    };
    const Orb orbs[] = {{0, 8, "Conjunct"},     {30, 2, "S.Sextile"}, {45, 2, "S.Square"},
                        {60, 6, "Sextile"},     {90, 8, "Square"},    {120, 8, "Trine"},
                        {135, 2, "Ses.Square"}, {150, 3, "Quincunx"}, {180, 8, "Opposite"}};
    const char* names[] = {"",        "SUN",      "MERCURY", "VENUS", "MARS", "JUPITER",
                           "SATURN",  "URANUS",   "NEPTUNE", "PLUTO", "MOON", "N. NODE",
                           "S. NODE", "P. OF F.", "ASC",     "MC"};
    const std::vector<double> natal =
        testing::JsonNumbers(RunFor({"chart", "--format", "json"}).out, "longitude");
    ASSERT_EQ(natal.size(), 15u);
    for (const int n : {3, 7}) {
        using Found = std::tuple<std::string, std::string, std::string>;
        std::set<Found> expected;
        for (int p1 = 1; p1 <= 15; ++p1) {
            for (int p2 = 1; p2 <= 15; ++p2) {
                if (p1 == p2 || p1 == 12 || p2 == 12) {
                    continue;
                }
                const double s = CircularGap(std::fmod(natal[p1 - 1] * n, 360),
                                             std::fmod(natal[p2 - 1] * n, 360));
                for (const Orb& o : orbs) {
                    if (std::fabs(s - o.angle) <= o.orb) {
                        const std::string a = names[p1], b = names[p2];
                        expected.insert({std::min(a, b), std::max(a, b), o.name});
                    }
                }
            }
        }
        const Outcome report = RunFor({"report", "harmonic", "--harmonic", std::to_string(n)});
        ASSERT_EQ(report.status, 0) << report.err;
        std::set<Found> listed;
        const std::string text = report.out.substr(report.out.find("Degrees from exact"));
        std::istringstream lines(text.substr(text.find('\n') + 1));
        std::string line;
        while (std::getline(lines, line) && line.size() > 34) {
            const auto field = [&](std::size_t at, std::size_t width) {
                const std::string f = line.substr(at, width);
                return f.substr(0, f.find_last_not_of(' ') + 1);
            };
            const std::string a = field(2, 10), b = field(12, 10);
            listed.insert({std::min(a, b), std::max(a, b), field(22, 12)});
        }
        EXPECT_GT(expected.size(), 10u) << "harmonic " << n;
        EXPECT_EQ(listed, expected) << "harmonic " << n;
        EXPECT_NE(report.out.find("HOUSE CUSPS - Equal from the harmonic Ascendant"),
                  std::string::npos);
    }
}

TEST(HarmonicCommand, RefusedWhereNotRead) {
    const std::vector<std::string> refused[] = {
        {"chart", "--harmonic", "0"},
        {"chart", "--harmonic", "181"},
        {"report", "harmonic", "--harmonic", "2.5"},
        {"report", "natal", "--harmonic", "5"},
        {"wheel", "transits", "--harmonic", "5", "--out", "unused.png"},
    };
    for (const auto& args : refused) {
        const Outcome outcome = RunFor(args);
        EXPECT_NE(outcome.status, 0) << args[1];
        EXPECT_NE(outcome.err.find("harmonic"), std::string::npos) << outcome.err;
    }
}

}  // namespace
}  // namespace solvaris
