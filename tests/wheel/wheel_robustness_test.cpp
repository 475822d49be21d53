// Charts no computation would give: the wheel and the ASCII chart draw them without a fault.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "platform/headless/recording_canvas.hpp"
#include "support/scripted_platform.hpp"
#include "wheel/ascii_chart.hpp"
#include "wheel/paint_wheel.hpp"
#include "wheel_test_charts.hpp"

namespace solvaris {
namespace {

void PaintEveryWay(WheelState state, const WheelData& data) {
    OptionTable options;
    options.Set(216, 1);
    for (int n = 60; n <= 111; ++n) {
        options.Set(n, 9);
    }
    ScriptedPlatform platform;
    for (int layout = 0; layout <= 2; ++layout) {
        for (const int type : {0, 1}) {
            for (const auto mode : {WheelPrintMode::None, WheelPrintMode::FullPage}) {
                state.layout = static_cast<WheelLayout>(layout);
                state.family = static_cast<WheelFamily>(layout + 1);
                state.chartType = type;
                state.printMode = mode;
                RecordingCanvas canvas;
                PaintWheel(state, canvas, platform, {options, data, SOLVARIS_DATA_DIR, 640, 480});
                EXPECT_FALSE(canvas.calls.empty());
            }
        }
    }
    state.layout = WheelLayout::Single;
    state.family = WheelFamily::Single;
    const auto lines = AsciiChartLines(state);
    ASSERT_EQ(lines.size(), 32u);
    for (std::size_t i = 7; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), 79u);
    }
}

TEST(WheelRobustness, OddChartsDrawWithoutFault) {
    const WheelData data = testing::ShippedWheelData();
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> anywhere(0, 360);
    std::uniform_real_distribution<double> narrow(100, 101);
    for (int trial = 0; trial < 40; ++trial) {
        PointArray lon{};
        CuspSet cusps = testing::EqualCusps(anywhere(random));
        for (int p = 1; p <= kPointCount; ++p) {
            lon[p] = trial % 2 == 0 ? narrow(random) : anywhere(random);
        }
        if (trial % 5 == 0) {
            for (int k = 1; k <= kCuspCount; ++k) {
                cusps[k] = anywhere(random);  // unordered cusps
            }
        }
        if (trial % 7 == 0) {
            cusps[3] = cusps[4];  // a house of no size
        }
        WheelState state = testing::SingleWheel(lon, cusps);
        state.secondSet = lon;
        state.thirdSet = lon;
        state.secondMarks = std::string(kPointCount, 'R');
        PaintEveryWay(state, data);
    }

    // Values off the circle, a house text of nonsense, marks too short and an
    // empty RADIUS.DAT.
    WheelState state = testing::SingleWheel(testing::SpreadPoints());
    state.mainSet[Sun] = -725.5;
    state.mainSet[Moon] = std::numeric_limits<double>::quiet_NaN();
    state.mainSet[Mars] = 1e12;
    state.mainCusps[2] = std::numeric_limits<double>::infinity();
    state.secondSet = state.mainSet;
    state.mainHouses.replace(0, 20, "99TH HOUSEXXXXXXXXXX");
    state.mainMarks = "R";
    state.slotOf.fill(99);
    PaintEveryWay(state, WheelData{});
}

}  // namespace
}  // namespace solvaris
