// Whole-sign houses from the command line: every cusp at 0 degrees of a
// sign, the first the Ascendant's, at any latitude.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/command_outcome.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

TEST(WholeSignHouses, EveryCuspStartsASignFromTheAscendantsAtAnyLatitude) {
    const std::vector<std::string> births[] = {
        {"--person", "Sample Natal"},
        {"--date", "1975-03-10", "--zone", "-2", "--lon", "24e56", "--lat", "60n10"},
        {"--date", "1950-12-05", "--zone", "5", "--lon", "74w00", "--lat", "69n39"},
        {"--date", "1988-07-20", "--zone", "0", "--lon", "0e00", "--lat", "89s59"},
    };
    for (const std::vector<std::string>& birth : births) {
        std::vector<std::string> args = {"chart", "--format", "json", "--house", "whole-sign"};
        args.insert(args.end(), birth.begin(), birth.end());
        const Outcome chart = RunArgs(args);
        ASSERT_EQ(chart.status, 0) << birth.back() << chart.err;
        const std::string natal = chart.out.substr(0, chart.out.find("\"progressed\":"));
        EXPECT_NE(chart.out.find("\"house_system\":\"W\""), std::string::npos);
        const std::vector<double> cusps = testing::JsonNumbers(natal, "house_cusps");
        const std::vector<double> longitudes = testing::JsonNumbers(natal, "longitude");
        ASSERT_EQ(cusps.size(), 12u) << natal;
        ASSERT_GE(longitudes.size(), 14u);
        const double ascendant = longitudes[13];
        EXPECT_EQ(cusps[0], 30 * std::floor(ascendant / 30)) << birth.back();
        for (std::size_t house = 1; house < 12; ++house) {
            EXPECT_EQ(std::fmod(cusps[house] - cusps[house - 1] + 360, 360), 30)
                << birth.back() << " house " << house + 1;
        }
        EXPECT_NE(natal.find("{\"name\":\"Ascendant\""), std::string::npos);
        const std::string ascendantPoint = natal.substr(natal.find("{\"name\":\"Ascendant\""));
        EXPECT_NE(ascendantPoint.find("\"house\":1,"), std::string::npos) << ascendantPoint;
    }
}

}  // namespace
}  // namespace solvaris
