#include "wheel/point_label.hpp"

#include <gtest/gtest.h>

#include "platform/headless/recording_canvas.hpp"
#include "platform/headless/text_box_canvas.hpp"
#include "wheel/text_overlaps.hpp"
#include "wheel/wheel_glyphs.hpp"

namespace solvaris {
namespace {

TEST(PlaceRing, DegreeSignAndMinuteOfALabel) {
    struct Case {
        double longitude;
        int degree;
        int sign;
        int minute;
    };
    const Case cases[] = {
        {10 + 59.7 / 60, 10, 1, 59},  // no carry into the degree
        {10 + 59.4 / 60, 10, 1, 59},
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

// Sizes 10 for glyphs and signs, 8 for degrees, 6 for minutes, 4 for the
// mark; the recording canvas makes a character half its size wide.
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
        options.Set(193, 100);
        options.Set(195, 100);
    }
    std::vector<std::string> Draw(int point, int house, double angle, double longitude,
                                  const std::string& marks = kNoRetrogradeMarks) {
        canvas.calls.clear();
        DrawPlacedPoint(target, state, {point, house, 0, longitude, angle, 200}, marks);
        return canvas.PrintedTexts();
    }
};

// 10 degrees 59.7 minutes of Leo.
constexpr double kLeo10 = 120 + 10 + 59.7 / 60;

TEST(PlaceRing, OrderALabelRunsInwardFromTheGlyph) {
    LabelFixture f;
    std::string marks = kNoRetrogradeMarks;
    marks[Sun - 1] = 'R';
    const auto texts = f.Draw(Sun, 1, 180, kLeo10, marks);
    const std::vector<std::string> expected{
        PointGlyph(Sun), "1", "0", SignGlyph(5), "5", "9", GlyphText(kRetrogradeCode)};
    EXPECT_EQ(texts, expected);
    // Each part clears the one before: glyph 5 wide, degrees 4, the sign 5,
    // minutes 3; at 180 degrees inward is to the right.
    const auto prints = f.canvas.Calls("Print");
    const double x[] = {-200, -195, -191, -187, -182, -179, -176};
    for (std::size_t i = 0; i < prints.size(); ++i) {
        EXPECT_NEAR(prints[i].x, x[i], 1e-6) << i;
        EXPECT_NEAR(prints[i].y, 0, 1e-6) << i;
    }
    EXPECT_EQ(prints[0].foreColour, 1);
    EXPECT_EQ(prints[1].foreColour, 2);
    EXPECT_EQ(prints[3].foreColour, 3);
    EXPECT_EQ(prints[4].foreColour, 4);
    EXPECT_EQ(prints[6].foreColour, 5);
    EXPECT_EQ(prints[6].fontSize, 4);
    EXPECT_EQ(f.canvas.Calls("SetForeColour").back().arguments[0], 4);  // restored
}

TEST(PlaceRing, OrderBLabelReadsLeftToRightOnTheRight) {
    LabelFixture f;
    const auto texts = f.Draw(Saturn, 7, 0, kLeo10);
    const std::vector<std::string> expected{PointGlyph(Saturn), "9", "5", SignGlyph(5), "0", "1"};
    EXPECT_EQ(texts, expected);
    const auto prints = f.canvas.Calls("Print");
    // Inward is to the left, each step the width of the part to come:
    // minutes 3 wide, the sign 5 (ending where the minute tens begin),
    // degrees 4.
    const double x[] = {200, 197, 194, 189, 185, 181};
    for (std::size_t i = 0; i < prints.size(); ++i) {
        EXPECT_NEAR(prints[i].x, x[i], 1e-6) << i;
    }
}

// Around the wheel, in both orders, with signs, glyphs and the mark wider
// than the digits and the spacing options at their shipped screen values:
// no part of a label lies over another part of it on the same line.
TEST(PlaceRing, NoPartOfALabelOverAnother) {
    std::string marks = kNoRetrogradeMarks;
    marks[Pluto - 1] = 'R';
    for (int house = 1; house <= 12; ++house) {
        for (double angle = 0; angle < 360; angle += 7.5) {
            RecordingCanvas recording;
            TextBoxCanvas canvas(recording);
            OptionTable options;
            const float sizes[] = {10, 8, 14, 8, 12};
            for (int k = 0; k < 5; ++k) {
                options.Set(72 + k, sizes[k]);
            }
            options.Set(60, 6);
            options.Set(61, 2);
            options.Set(63, 1);
            options.Set(193, 100);
            WheelState state;
            WheelTarget target{canvas, options};
            DrawPlacedPoint(target, state, {Pluto, house, 0, 159.44, angle, 200}, marks);
            ASSERT_EQ(canvas.Boxes().size(), 7u);
            for (std::size_t i = 0; i < canvas.Boxes().size(); ++i) {
                for (std::size_t j = i + 1; j < canvas.Boxes().size(); ++j) {
                    const PrintedBox& a = canvas.Boxes()[i];
                    const PrintedBox& b = canvas.Boxes()[j];
                    const double across = std::min(a.right, b.right) - std::max(a.left, b.left);
                    const double down = std::min(a.top, b.top) - std::max(a.bottom, b.bottom);
                    // A part under another may reach into the last quarter
                    // of its line, below the digits and glyphs.
                    const double upper = a.top > b.top ? a.top - a.bottom : b.top - b.bottom;
                    EXPECT_FALSE(across > 1e-9 && down > 0.25 * upper + 1e-9)
                        << "house " << house << " angle " << angle << " parts " << i << ", " << j;
                }
            }
            EXPECT_TRUE(CrowdedLabelParts(canvas.Boxes()).empty()) << angle;
        }
    }
}

TEST(PlaceRing, LabelOrderBySideOfTheWheel) {
    struct Case {
        int house;
        double angle;
        float option28;
        bool european;
        bool orderA;
    };
    const Case cases[] = {
        {1, 180, 0, false, true}, {2, 220, 0, false, true},  {3, 250, 0, false, false},
        {3, 250, 1, false, true}, {8, 50, 0, false, false},  {9, 70, 0, false, true},
        {9, 70, 1, false, false}, {10, 100, 1, false, true}, {7, 74.9, 0, true, false},
        {7, 75, 0, true, true},   {7, 254.9, 0, true, true}, {1, 255, 0, true, false},
    };
    for (const Case& c : cases) {
        LabelFixture f;
        f.options.Set(28, c.option28);
        f.state.chartType = c.european ? 1 : 0;
        // 12 degrees 34 minutes: order A prints the degree tens second, order
        // B the minute units.
        const auto texts = f.Draw(Sun, c.house, c.angle, 12 + 34.0 / 60);
        EXPECT_EQ(texts[1], c.orderA ? "1" : "4") << c.house << " " << c.angle;
    }
}

TEST(PlaceRing, TripleWheelLabelsHaveNoMinutes) {
    LabelFixture f;
    f.state.layout = 2;
    EXPECT_EQ(f.Draw(Sun, 1, 180, kLeo10),
              (std::vector<std::string>{PointGlyph(Sun), "1", "0", SignGlyph(5)}));
    EXPECT_EQ(f.Draw(Saturn, 7, 0, kLeo10),
              (std::vector<std::string>{PointGlyph(Saturn), SignGlyph(5), "0", "1"}));
}

TEST(PlaceRing, RetrogradeMarksOnlyForTheBodies) {
    const std::string allRetrograde(kPointCount, 'R');
    for (const int point : {Moon, NorthNode, Ascendant, Midheaven}) {
        LabelFixture f;
        const auto texts = f.Draw(point, 1, 180, kLeo10, allRetrograde);
        EXPECT_EQ(texts.back() == GlyphText(kRetrogradeCode), point == Moon) << point;
    }
    LabelFixture f;
    EXPECT_EQ(f.Draw(Sun, 1, 180, kLeo10, "R").back(), GlyphText(kRetrogradeCode));
    EXPECT_EQ(f.Draw(Venus, 1, 180, kLeo10, "R").size(), 6u);  // marks too short: none
}

TEST(PlaceRing, LargeMinutesStepLessFarDown) {
    struct Case {
        WheelSurface surface;
        float minuteSize;
        float threshold;
        float lift;
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
