#include "wheel/point_label.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "platform/headless/recording_canvas.hpp"
#include "wheel/wheel_glyphs.hpp"

namespace solvaris {
namespace {

TEST(PlaceRing, DegreeSignAndMinuteOfALabel) {
    struct Case {
        double longitude;
        int degree, sign, minute;
    };
    const Case cases[] = {
        {10 + 59.7 / 60, 10, 1, 59},  // no carry into the degree
        {40.5, 10, 2, 30},
        {29.999, 29, 1, 59},
        {359.99, 29, 12, 59},
        {-0.5, 29, 12, 30},  // held to the circle
        {360, 0, 1, 0},
    };
    for (const Case& c : cases) {
        const DegreeSignMinute parts = LabelParts(c.longitude);
        EXPECT_EQ(parts.degree, c.degree) << c.longitude;
        EXPECT_EQ(parts.sign, c.sign) << c.longitude;
        EXPECT_EQ(parts.minute, c.minute) << c.longitude;
    }
}

// Sizes 10 for glyphs and signs, 8 degrees, 6 minutes, 4 the mark; a character is half as wide.
struct LabelFixture {
    RecordingCanvas canvas;
    OptionTable options;
    WheelState state;
    WheelTarget target{canvas, options};

    explicit LabelFixture(WheelSurface surface = WheelSurface::Screen) {
        target.surface = surface;
        const float sizes[] = {10, 8, 10, 6, 4};
        for (int k = 0; k < 5; ++k) {
            options.Set(72 + k, sizes[k]);      // screen
            options.Set(82 + k, sizes[k]);      // paper
            options.Set(92 + k, float(k + 1));  // colours
        }
        for (const int n : {193, 195}) options.Set(n, 100);  // no large-minute lift
    }
    std::vector<std::string> Draw(int point, int house, double angle, double longitude,
                                  const std::string& marks = kNoRetrogradeMarks) {
        canvas.calls.clear();
        DrawPlacedPoint(target, state, {point, house, 0, longitude, angle, 200}, marks);
        return canvas.PrintedTexts();
    }
};

constexpr double kLeo10 = 120 + 10 + 59.7 / 60;

// Where the parts stand is the legibility count's (a part over the one before is crowded).
TEST(PlaceRing, LabelPartsInTheirColours) {
    // Glyph, degrees, sign, minutes and mark; the colour before the mark restored after it.
    LabelFixture f;
    f.Draw(Moon, 1, 180, kLeo10, std::string(kPointCount, 'R'));
    const auto prints = f.canvas.Calls("Print");
    std::vector<int> colours(prints.size());
    std::ranges::transform(prints, colours.begin(), [](auto& print) { return print.foreColour; });
    EXPECT_EQ(colours, (std::vector<int>{1, 2, 2, 3, 4, 4, 5}));
    EXPECT_EQ(prints.back().fontSize, 4);
    EXPECT_EQ(f.canvas.Calls("SetForeColour").back().arguments[0], 4);
}

TEST(PlaceRing, LabelTextsBySideLayoutAndMarks) {
    const std::string leo = SignGlyph(5);
    const std::string mark = GlyphText(kRetrogradeCode);
    const std::string a = "10" + leo + "59";
    const std::string b = "95" + leo + "01";
    struct Case {
        int point, house;
        double angle;
        float option28;
        bool european;
        int layout;
        bool retrograde;    // every mark "R"
        std::string texts;  // after the glyph
    };
    const Case cases[] = {
        {Sun, 1, 180, 0, false, 0, false, a},
        {Sun, 2, 220, 0, false, 0, false, a},
        {Sun, 8, 50, 0, false, 0, false, b},
        {Sun, 3, 239.9, 0, false, 0, false, b},
        {Sun, 7, 300, 1, false, 0, false, b},
        {Sun, 12, 150.1, 1, false, 0, false, a},
        // Within 30 degrees of the Midheaven's line a label is a column that reads one way on
        // both sides: top-down, or from the outside in below the centre with option 28.
        {Sun, 9, 60, 0, false, 0, false, a},
        {Sun, 9, 70, 1, false, 0, false, a},
        {Sun, 10, 100, 1, false, 0, false, a},
        {Sun, 3, 250, 0, false, 0, false, b},
        {Sun, 4, 280, 0, false, 1, false, b},
        {Sun, 3, 250, 1, false, 0, false, a},
        {Sun, 4, 299.9, 1, false, 1, false, a},
        {Sun, 7, 59.9, 0, true, 0, false, b},
        {Sun, 7, 60, 1, true, 0, false, a},
        {Sun, 7, 239.9, 0, true, 0, false, a},
        {Sun, 1, 240, 1, true, 0, false, b},
        {Sun, 1, 299.9, 0, true, 0, false, b},
        {Sun, 1, 180, 0, false, 2, false, "10" + leo},
        {Sun, 7, 0, 0, false, 2, false, leo + "01"},
        {Moon, 1, 180, 0, false, 0, true, a + mark},
        {NorthNode, 1, 180, 0, false, 0, true, a},
        {Ascendant, 1, 180, 0, false, 0, true, a},
    };
    for (const Case& c : cases) {
        LabelFixture f;
        f.options.Set(28, c.option28);
        f.state.chartType = c.european ? 1 : 0;
        f.state.layout = static_cast<WheelLayout>(c.layout);
        const auto texts =
            f.Draw(c.point, c.house, c.angle, kLeo10,
                   c.retrograde ? std::string(kPointCount, 'R') : kNoRetrogradeMarks);
        EXPECT_EQ(texts.front(), PointGlyph(c.point));
        EXPECT_EQ(std::accumulate(texts.begin() + 1, texts.end(), std::string()), c.texts)
            << c.point << " house " << c.house << " at " << c.angle;
    }
    // Marks too short for the point: none.
    LabelFixture f;
    EXPECT_EQ(f.Draw(Sun, 1, 180, kLeo10, "R").back(), mark);
    EXPECT_EQ(f.Draw(Venus, 1, 180, kLeo10, "R").size(), 6u);
}

TEST(PlaceRing, LargeMinutesStepLessFarDown) {
    struct Case {
        WheelSurface surface;
        float minuteSize, threshold, lift;
        double minuteStepY;  // from the minute tens to the units
    };
    const Case cases[] = {
        {WheelSurface::Screen, 6, 100, 2, 0.75 * 6}, {WheelSurface::Screen, 6, 6, 2, 0.75 * 4},
        {WheelSurface::Screen, 6, 5, 2, 0.75 * 4},   {WheelSurface::Printer, 6, 100, 2, 0.8 * 6},
        {WheelSurface::Printer, 6, 6, 2, 0.8 * 4},
    };
    for (const Case& c : cases) {
        LabelFixture f(c.surface);
        const bool screen = c.surface == WheelSurface::Screen;
        f.options.Set(screen ? 75 : 85, c.minuteSize);
        f.options.Set(screen ? 193 : 195, c.threshold);
        f.options.Set(screen ? 194 : 196, c.lift);
        f.Draw(Pluto, 10, 90, kLeo10);  // straight up: the label runs down
        const auto prints = f.canvas.Calls("Print");
        ASSERT_EQ(prints.size(), 6u);
        EXPECT_NEAR(prints[4].y - prints[5].y, c.minuteStepY, 1e-9) << c.threshold;
        // The glyph step: three quarters (paper: four fifths) of its height.
        EXPECT_NEAR(prints[0].y - prints[1].y, (screen ? 0.75 : 0.8) * 10, 1e-9);
    }
}

}  // namespace
}  // namespace solvaris
