#include "wheel/cusp_labels.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "engine/angles.hpp"
#include "platform/headless/recording_canvas.hpp"
#include "wheel/intercepted_signs.hpp"
#include "wheel/wheel_geometry.hpp"
#include "wheel/wheel_glyphs.hpp"
#include "wheel_test_charts.hpp"

namespace solvaris {
namespace {

using testing::EqualCusps;
using testing::ShippedWheelData;
using testing::SingleWheel;
using testing::SpreadPoints;

TEST(WheelCuspLabels, AmericanLabelsAtTheAnchorsOfTheirSlot) {
    RecordingCanvas canvas;
    OptionTable options;
    for (const auto& [n, value] : {std::pair{69, 8}, {70, 9}, {71, 7}, {89, 1}, {90, 2}, {91, 3}}) {
        options.Set(n, value);
    }
    WheelTarget target{canvas, options};
    WheelState state = SingleWheel(SpreadPoints());
    state.mainCusps[1] = 120 + 15 + 23.0 / 60;  // the 10th house at 15 Leo 23
    const WheelData data = ShippedWheelData();
    DrawCuspLabels(target, state, data);
    const auto prints = canvas.Calls("Print");
    ASSERT_EQ(prints.size(), 60u);
    const std::tuple<std::string, int, int> parts[] = {
        {"1", 8, 1}, {"5", 8, 1}, {SignGlyph(5), 9, 2}, {"2", 7, 3}, {"3", 7, 3}};
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(std::tuple(prints[j].text, prints[j].fontSize, prints[j].foreColour), parts[j]);
    }
    // Each part at its anchor; slot 12's last from values 118 and 119.
    for (const int j : {0, 1, 2, 3, 4, 59}) {
        EXPECT_EQ(std::tuple(prints[j].x, prints[j].y),
                  std::tuple(data.cuspAnchors[2 * j], data.cuspAnchors[2 * j + 1]))
            << j;
    }
}

// A European wheel's labels, outside the circle by their cusps, are the legibility count's.
TEST(WheelCuspLabels, InterceptedSigns) {
    CuspSet cusps = EqualCusps(0);
    cusps[SlotOfHouse(2)] = 65;  // house 1 from Aries to Gemini holds Taurus
    cusps[SlotOfHouse(12)] = 340;
    cusps[SlotOfHouse(1)] = 40;  // house 12 from Pisces to Taurus holds Aries
    EXPECT_EQ(InterceptedSign(cusps, 12), 1);
    EXPECT_EQ(InterceptedSign(cusps, 1), 0);  // Taurus to Gemini
    cusps[SlotOfHouse(1)] = 0;
    EXPECT_EQ(InterceptedSign(cusps, 1), 2);
    EXPECT_EQ(InterceptedSign(cusps, 12), 0);
    EXPECT_EQ(InterceptedSign(EqualCusps(0), 5), 0);

    RecordingCanvas canvas;
    OptionTable options;
    WheelTarget target{canvas, options, WheelSurface::Screen, false, {-300, 300, 300, -300}};
    WheelState state = SingleWheel(SpreadPoints(), cusps);
    DrawInterceptedSigns(target, state);
    ASSERT_EQ(canvas.PrintedTexts(), std::vector<std::string>{SignGlyph(2)});
    // Towards house 1's middle (195 degrees), its box wholly outside the outer circle.
    const auto move = canvas.Calls("MoveTo").at(0);
    const double width = canvas.TextWidth(SignGlyph(2));
    const double height = canvas.TextHeight(SignGlyph(2));
    const double centreX = move.arguments[0] + width / 2;
    const double centreY = move.arguments[1] - height / 2;
    EXPECT_NEAR(RadToDeg(std::atan2(centreY, centreX)) + 360, 195, 1e-6);
    const double nearestX = std::clamp(0.0, move.arguments[0], move.arguments[0] + width);
    const double nearestY = std::clamp(0.0, move.arguments[1] - height, move.arguments[1]);
    EXPECT_GT(std::hypot(nearestX, nearestY), kOuterCircleRadius);
}

}  // namespace
}  // namespace solvaris
