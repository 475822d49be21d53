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

// The golden ASCII charts pin the heading, figure, cusps and entries of three charts; here the
// wheel's slot of a point alone in its house, and a crowded house.
TEST(AsciiChart, APointAloneKeepsItsHalfOfTheHouse) {
    PointArray lon = SpreadPoints();
    lon[Moon] = 97.2;  // house 4 with Venus at 105
    WheelState state = Chart(lon);
    EXPECT_EQ(At(AsciiChartLines(state), 19, 13, 7), "SU15Tau");  // slot 0
    state.slotOf[Sun] = 5;  // the second half of its house in the wheel
    const auto lines = AsciiChartLines(state);
    EXPECT_EQ(At(lines, 23, 11, 7), "SU15Tau");
    EXPECT_EQ(At(lines, 19, 13, 7), "       ");
    state.slotOf[Venus] = 6;  // not alone: the wheel's slot does not matter
    EXPECT_EQ(At(AsciiChartLines(state), 23, 36, 7), "VE15Can");
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
        EXPECT_EQ(std::min(lines[i].find("NN"), lines[i].find("SN")), std::string::npos) << i;
    }
}

}  // namespace
}  // namespace solvaris
