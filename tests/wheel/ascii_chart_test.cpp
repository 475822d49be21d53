#include "wheel/ascii_chart.hpp"

#include <gtest/gtest.h>

#include "platform/headless/scripted_platform.hpp"
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

TEST(AsciiChart, SevenHeadingLinesAndTwentyFiveRowsOf79) {
    const auto lines = AsciiChartLines(Chart(SpreadPoints()));
    ASSERT_EQ(lines.size(), kHeadingLines + 25);
    EXPECT_EQ(lines[0], "     Sample - natal");
    EXPECT_EQ(lines[2], "     ");
    EXPECT_EQ(lines[6], "     Placidus");
    for (std::size_t i = kHeadingLines; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), 79u) << i;
        EXPECT_EQ(lines[i].substr(0, 5), "     ") << i;  // the margin
    }
}

TEST(AsciiChart, FigureOfAsterisks) {
    const auto lines = AsciiChartLines(Chart(SpreadPoints()));
    struct Cell {
        int row;
        int column;
        bool star;
    };
    const Cell cells[] = {
        {13, 8, true},   {13, 25, true}, {13, 26, false}, {13, 43, true},  {13, 61, true},
        {13, 62, false}, {2, 34, true},  {10, 34, true},  {11, 34, false}, {16, 34, true},
        {24, 34, true},  {12, 25, true}, {14, 43, true},  {10, 31, true},  {16, 37, true},
        {11, 26, true},  {6, 6, true},   {2, 17, true},   {20, 6, true},   {24, 17, true},
        {6, 62, true},   {2, 51, true},  {1, 51, false},  // the 9th cusp's entry
        {24, 51, true},  {20, 62, true}, {10, 39, true},  {9, 50, true},
    };
    for (const Cell& c : cells) {
        EXPECT_EQ(At(lines, c.row, c.column, 1) == "*", c.star) << c.row << "," << c.column;
    }
}

TEST(AsciiChart, CuspsAroundTheEdge) {
    const auto lines = AsciiChartLines(Chart(SpreadPoints()));
    EXPECT_EQ(At(lines, 13, 1, 5), "00ARI");   // 1st cusp
    EXPECT_EQ(At(lines, 1, 32, 5), "00CPR");   // 10th
    EXPECT_EQ(At(lines, 13, 63, 5), "00LIB");  // 7th
    EXPECT_EQ(At(lines, 25, 32, 5), "00CAN");  // 4th
    EXPECT_EQ(At(lines, 1, 51, 5), "00SAG");   // 9th
}

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

TEST(AsciiChart, AppendedToTheReportBuffer) {
    ReportBuffer buffer;
    ScriptedPlatform platform;
    const WheelState state = Chart(SpreadPoints());
    AppendAsciiChart(state, buffer, platform);
    EXPECT_EQ(buffer.Session(), AsciiChartLines(state));
}

}  // namespace
}  // namespace solvaris
