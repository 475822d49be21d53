#include "wheel/ascii_chart.hpp"

#include <array>
#include <string_view>
#include <utility>

#include "reports/position_format.hpp"
#include "wheel/point_label.hpp"
#include "wheel/ring_order.hpp"

namespace solvaris {

namespace {

constexpr int kMargin = 5;
constexpr int kPlacedPoints = 13;  // Sun to Part of Fortune
constexpr int kSlotsPerHouse = 7;

constexpr std::string_view kPointCodes = "SUMEVEMAJUSAURNEPLMONNSNPFASMC";
constexpr std::string_view kSignCodes = "AriTauGemCanLeoVirLibScoSagCprAquPis";

using Cell = std::pair<int, int>;  // row, column before the margin

// Slots 0-6 of houses 1-12, then the overflow of house 12.
constexpr std::array<Cell, 91> kSlots{{
    {14, 4},  {15, 4},  {16, 4},  {17, 4},  {18, 4},  {15, 13}, {16, 13},  // 1
    {19, 13}, {20, 11}, {21, 11}, {22, 11}, {23, 11}, {17, 19}, {18, 19},  // 2
    {18, 27}, {19, 27}, {20, 26}, {21, 26}, {22, 26}, {23, 26}, {24, 26},  // 3
    {24, 36}, {23, 36}, {22, 36}, {21, 36}, {20, 36}, {19, 35}, {18, 35},  // 4
    {23, 51}, {22, 51}, {21, 51}, {20, 51}, {19, 49}, {18, 43}, {17, 43},  // 5
    {18, 57}, {17, 57}, {16, 57}, {15, 57}, {14, 57}, {15, 49}, {14, 49},  // 6
    {12, 57}, {11, 57}, {10, 57}, {9, 57},  {8, 57},  {12, 49}, {11, 49},  // 7
    {7, 49},  {6, 51},  {5, 51},  {4, 51},  {3, 51},  {9, 43},  {8, 43},   // 8
    {8, 35},  {7, 35},  {6, 36},  {5, 36},  {4, 36},  {3, 36},  {2, 36},   // 9
    {2, 26},  {3, 26},  {4, 26},  {5, 26},  {6, 26},  {7, 27},  {8, 27},   // 10
    {3, 11},  {4, 11},  {5, 11},  {6, 11},  {7, 13},  {8, 19},  {9, 19},   // 11
    {8, 4},   {9, 4},   {10, 4},  {11, 4},  {12, 4},  {11, 13}, {12, 13},  // 12
    {14, 4},  {15, 4},  {16, 4},  {17, 4},  {18, 4},  {15, 13}, {16, 13},  // overflow
}};

// By cusp slot 1-12 (slot 1 the 10th house).
constexpr std::array<Cell, 13> kCuspCells{{
    {0, 0},
    {1, 32},   // 10th
    {1, 13},   // 11th
    {5, 1},    // 12th
    {13, 1},   // 1st
    {21, 1},   // 2nd
    {25, 13},  // 3rd
    {25, 32},  // 4th
    {25, 51},  // 5th
    {21, 63},  // 6th
    {13, 63},  // 7th
    {5, 63},   // 8th
    {1, 51},   // 9th
}};

class Grid {
public:
    Grid() : rows_(kAsciiRows, std::string(kAsciiColumns, ' ')) {}

    // Text from (row, column); what would pass the right edge is cut.
    void Write(int row, int column, std::string_view text) {
        if (row < 1 || row > kAsciiRows) {
            return;
        }
        std::string& line = rows_[row - 1];
        for (std::size_t i = 0; i < text.size(); ++i) {
            const std::size_t at = static_cast<std::size_t>(column + kMargin - 1) + i;
            if (at < line.size()) {
                line[at] = text[i];
            }
        }
    }
    // `count` stars from (row, column), moving by (rowStep, columnStep).
    void Stars(int row, int column, int rowStep, int columnStep, int count) {
        for (int i = 0; i < count; ++i) {
            Write(row + i * rowStep, column + i * columnStep, "*");
        }
    }
    const std::vector<std::string>& Rows() const { return rows_; }

private:
    std::vector<std::string> rows_;
};

void DrawFigure(Grid& grid) {
    grid.Stars(13, 8, 0, 1, 18);
    grid.Stars(13, 43, 0, 1, 19);
    grid.Stars(2, 34, 1, 0, 9);
    grid.Stars(16, 34, 1, 0, 9);
    for (const Cell& cell : {Cell{12, 25}, Cell{14, 25}, Cell{12, 43}, Cell{14, 43}}) {
        grid.Write(cell.first, cell.second, "*");
    }
    for (const int row : {10, 16}) {
        for (const int column : {31, 32, 36, 37}) {
            grid.Write(row, column, "*");
        }
    }
    grid.Stars(11, 26, -1, -4, 6);
    grid.Stars(10, 29, -2, -3, 5);
    grid.Stars(15, 26, 1, -4, 6);
    grid.Stars(16, 29, 2, -3, 5);
    grid.Stars(11, 42, -1, 4, 6);
    grid.Stars(10, 39, -2, 3, 5);
    grid.Stars(15, 42, 1, 4, 6);
    grid.Stars(16, 39, 2, 3, 5);
}

std::string PointEntry(int point, double longitude) {
    const DegreeSignMinute s = LabelParts(longitude);
    return std::string(kPointCodes.substr(2 * (point - 1), 2)) + TwoDigits(s.degree) +
           std::string(kSignCodes.substr(3 * (s.sign - 1), 3));
}

std::string CuspEntry(double longitude) {
    const DegreeSignMinute s = LabelParts(longitude);
    return TwoDigits(s.degree) + std::string(SignAbbreviation(s.sign));
}

void WritePoints(Grid& grid, const WheelState& state) {
    std::vector<RingEntry> entries;
    for (int p = 1; p <= kPlacedPoints; ++p) {
        if (const int house = HouseNumberOf(state.mainHouses, p); house != 0) {
            entries.push_back({p, state.mainSet[p], house});
        }
    }
    const std::vector<RingEntry> order = RingVisitOrder(std::move(entries));
    std::array<int, 13> count{};
    for (const RingEntry& entry : order) {
        ++count[entry.house];
    }
    int previousHouse = 0;
    int slot = 0;
    for (const RingEntry& entry : order) {
        const int h = entry.house;
        // A crowded house leaves out the nodes, and they take no slot.
        if (count[h] > kSlotsPerHouse && (entry.point == NorthNode || entry.point == SouthNode)) {
            continue;
        }
        slot = h == previousHouse ? slot + 1 : 0;
        previousHouse = h;
        if (count[h] == 1 && state.slotOf[entry.point] >= 4) {
            slot = 4;
        }
        const std::size_t index = static_cast<std::size_t>(kSlotsPerHouse * (h - 1) + slot);
        if (index < kSlots.size()) {
            grid.Write(kSlots[index].first, kSlots[index].second,
                       PointEntry(entry.point, entry.longitude));
        }
    }
}

}  // namespace

std::vector<std::string> AsciiChartLines(const WheelState& state) {
    Grid grid;
    DrawFigure(grid);
    for (int k = 1; k <= kCuspCount; ++k) {
        grid.Write(kCuspCells[k].first, kCuspCells[k].second, CuspEntry(state.mainCusps[k]));
    }
    WritePoints(grid, state);
    std::vector<std::string> lines;
    for (const std::string& line : state.heading1) {
        lines.push_back(std::string(kMargin, ' ') + line);
    }
    for (const std::string& row : grid.Rows()) {
        lines.push_back(row);
    }
    return lines;
}

void AppendAsciiChart(const WheelState& state, ReportBuffer& buffer, Platform& platform) {
    for (const std::string& line : AsciiChartLines(state)) {
        buffer.line = line;
        buffer.AppendLine(platform);
    }
}

}  // namespace solvaris
