#include "wheel/ascii_chart.hpp"

#include <gtest/gtest.h>

#include "wheel_test_charts.hpp"

namespace solvaris {
namespace {

using testing::SingleWheel;
using testing::SpreadPoints;

constexpr std::size_t kHeadingLines = 7;

// The text at (row, column) of the grid, columns counted before the margin.
std::string At(const std::vector<std::string>& lines, int row, int column, std::size_t length) {
    return lines.at(kHeadingLines + row - 1).substr(static_cast<std::size_t>(column + 4), length);
}

WheelState Chart(const PointArray& lon) {
    WheelState state = SingleWheel(lon);
    state.heading1 = {"Sample - natal", "05 Dec 1950", "", "", "", "", "Placidus"};
    return state;
}

// The heading, figure and cusps, and the chart appended to the data window, are the golden
// ASCII charts' (the wheel window's ASCII item); here the points' places.
TEST(AsciiChart, PointEntriesInTheirHouses) {
    PointArray lon = SpreadPoints();
    lon[Moon] = 97.2;  // house 4 with Venus at 105
    WheelState state = Chart(lon);
    auto lines = AsciiChartLines(state);
    EXPECT_EQ(At(lines, 19, 13, 7), "SU15Tau");  // alone in house 2: slot 0
    EXPECT_EQ(At(lines, 24, 36, 7), "MO07Can");
    EXPECT_EQ(At(lines, 23, 36, 7), "VE15Can");
    EXPECT_EQ(At(lines, 7, 49, 7), "UR15Sco");
    EXPECT_EQ(At(lines, 8, 4, 7), "NN15Pis");
    for (std::size_t i = kHeadingLines; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].find("AS"), std::string::npos) << i;
        EXPECT_EQ(lines[i].find("MC"), std::string::npos) << i;
    }
    // A point alone in the second half of its house in the wheel.
    state.slotOf[Sun] = 5;
    lines = AsciiChartLines(state);
    EXPECT_EQ(At(lines, 23, 11, 7), "SU15Tau");
    EXPECT_EQ(At(lines, 19, 13, 7), "       ");
    // Not alone: the wheel's slot does not matter.
    state.slotOf[Venus] = 6;
    lines = AsciiChartLines(state);
    EXPECT_EQ(At(lines, 23, 36, 7), "VE15Can");
}

TEST(AsciiChart, NinePointsInAHouseDropTheNodes) {
    PointArray lon = SpreadPoints();
    const std::pair<int, double> crowd[] = {{Sun, 100},     {NorthNode, 100.5}, {Mercury, 101},
                                            {Venus, 102},   {Mars, 103},        {SouthNode, 103.5},
                                            {Jupiter, 104}, {Saturn, 105},      {Uranus, 106}};
    for (const auto& [point, at] : crowd) {
        lon[point] = at;
    }
    const auto lines = AsciiChartLines(Chart(lon));
    const std::pair<int, int> slots[] = {{24, 36}, {23, 36}, {22, 36}, {21, 36},
                                         {20, 36}, {19, 35}, {18, 35}};
    const char* codes[] = {"SU10", "ME11", "VE12", "MA13", "JU14", "SA15", "UR16"};
    for (int s = 0; s < 7; ++s) {
        EXPECT_EQ(At(lines, slots[s].first, slots[s].second, 4), codes[s]) << s;
    }
    for (std::size_t i = kHeadingLines; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].find("NN"), std::string::npos) << i;
        EXPECT_EQ(lines[i].find("SN"), std::string::npos) << i;
    }
}

}  // namespace
}  // namespace solvaris
