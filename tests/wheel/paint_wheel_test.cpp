#include "wheel/paint_wheel.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "base/horary_glyphs.hpp"
#include "platform/headless/recording_canvas.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"
#include "wheel/ring_parameters.hpp"
#include "wheel/wheel_geometry.hpp"
#include "wheel/wheel_glyphs.hpp"
#include "wheel/wheel_scale.hpp"
#include "wheel_test_charts.hpp"

namespace solvaris {
namespace {

using testing::ShippedWheelData;
using testing::SingleWheel;
using testing::SpreadPoints;
using testing::TempFolder;

std::array<double, 4> Corners(const UserScale& s) { return {s.left, s.top, s.right, s.bottom}; }

TEST(WheelScale, ScreenAndPrinter) {
    EXPECT_EQ(ScreenScale(800, 800), 225);
    EXPECT_EQ(ScreenScale(799, 800), 244);
    EXPECT_EQ(ScreenScale(1024, 768), 300);
    EXPECT_EQ(ScreenScale(1e9, 1), 32767);
    EXPECT_EQ(ScreenScale(0, 800), std::nullopt);
    EXPECT_EQ(ScreenScale(800, 0), std::nullopt);

    EXPECT_EQ(Corners(ScreenUserScale(244, 600, 900)),
              (std::array<double, 4>{-244, 366, 244, -366}));

    WheelState state;
    EXPECT_EQ(PrinterScale(state), 265);
    state.chartType = 1;
    EXPECT_EQ(PrinterScale(state), 272);
    state.family = WheelFamily::Dual;
    state.layout = WheelLayout::Dual;
    EXPECT_EQ(PrinterScale(state), 265);
    // A4 reaches further up and down than a square; a page without area is taken 1.25 high.
    struct PageCase {
        double shape, heightPerWidth;
    };
    for (const PageCase& c : {PageCase{297.0 / 210, 297.0 / 210}, PageCase{1, 1}, PageCase{0, 1.25},
                              PageCase{NAN, 1.25}}) {
        EXPECT_EQ(Corners(PrinterUserScale(265, c.shape)),
                  (std::array{-0.9625 * 265, 0.9625 * (265 * c.heightPerWidth - 56), 0.9625 * 265,
                              0.9625 * (-265 * c.heightPerWidth - 56)}))
            << c.shape;
    }

    ResizeWheel(state, 0, 100);
    EXPECT_EQ(state.scale, 244);
    ResizeWheel(state, 200, 100);
    EXPECT_EQ(state.scale, 450);
}

struct PaintFixture {
    RecordingCanvas canvas;
    ScriptedPlatform platform;
    OptionTable options;
    WheelData data = ShippedWheelData();
    WheelState state = SingleWheel(SpreadPoints());
    std::filesystem::path folder = SOLVARIS_DATA_DIR;
    bool secondPerson = false;

    PaintFixture() {
        for (const int n : {68, 69, 70, 71, 72, 73, 74, 75, 76, 78, 79, 80, 82, 83, 84, 85, 86}) {
            options.Set(n, 10);
        }
        for (const auto& [n, value] : {std::pair{100, 7}, {101, 1}, {102, 2}, {115, 3}, {116, 4}}) {
            options.Set(n, value);
        }
        state.heading1[0] = "Sample - natal";
    }
    void Paint(const WheelPaintLayers& layers = {}) {
        canvas.calls.clear();
        PaintWheel(state, canvas, platform, {options, data, folder, 800, 800, secondPerson},
                   layers);
    }
    // The first Print call of a text.
    CanvasCall PrintOf(const std::string& text) const {
        const auto prints = canvas.Calls("Print");
        const auto found = std::ranges::find(prints, text, &CanvasCall::text);
        EXPECT_NE(found, prints.end()) << text;
        return found != prints.end() ? *found : CanvasCall{};
    }
    int Printed(const std::string& text) const {
        return static_cast<int>(std::ranges::count(canvas.PrintedTexts(), text));
    }
};

// Each layout's circles, its line at 90 degrees (from the centre where the disc hides its
// end), colours and house numbers (every point at 0 degrees 0, so no label prints "1").
TEST(WheelFrames, EveryLayoutOnScreenAndPaper) {
    const double dual = RingBandOf(RingRole::Main, WheelLayout::Dual).inner;
    const double triple = RingBandOf(RingRole::Main, WheelLayout::Triple).inner;
    const double middle = RingBandOf(RingRole::Middle, WheelLayout::Triple).inner;
    struct Case {
        const char* what;
        int layout;
        WheelPrintMode mode;
        float option199;
        std::vector<double> radii;
        int houseNumberOnes;  // houses 1, 10, 11 (twice), 12
        double lineInner;
        int lineColour, background;
    };
    using enum WheelPrintMode;
    const Case cases[] = {
        {"single", 0, None, 0, {217, 120}, 0, 120, 2, 7},
        {"half page", 0, HalfPage, 0, {217, 120}, 0, 120, 0, 15},
        {"dual", 1, None, 0, {217, dual, 62, 40}, 5, 0, 2, 7},
        {"triple", 2, None, 1, {217, triple, middle, 62, 40}, 5, 0, 2, 7},
        {"triple paper", 2, FullPage, 0, {217, triple, middle, 62, 40}, 5, 40, 4, 15},
        {"triple paper, no numbers", 2, FullPage, 1, {217, triple, middle, 40}, 0, 40, 4, 15},
    };
    for (const Case& c : cases) {
        PaintFixture f;
        f.state = SingleWheel(PointArray{}, testing::EqualCusps(0));
        f.state.secondSet.fill(0);
        f.state.thirdSet.fill(0);
        f.state.layout = static_cast<WheelLayout>(c.layout);
        f.state.family = static_cast<WheelFamily>(c.layout + 1);
        f.state.printMode = c.mode;
        f.options.Set(199, c.option199);
        f.Paint();
        EXPECT_EQ(f.canvas.calls.at(0).arguments, std::vector<double>{double(c.background)})
            << c.what;
        const auto circles = f.canvas.Calls("Circle");
        std::vector<double> radii(circles.size());
        std::ranges::transform(circles, radii.begin(),
                               [](auto& call) { return call.arguments[2]; });
        EXPECT_EQ(radii, c.radii) << c.what;
        EXPECT_EQ(f.Printed("1"), c.houseNumberOnes) << c.what;
        const auto lines = f.canvas.Calls("Line");
        ASSERT_GE(lines.size(), 12u);
        EXPECT_NEAR(lines[3].arguments[0], 0, 1e-6) << c.what;
        EXPECT_NEAR(lines[3].arguments[1], c.lineInner, 1e-6) << c.what;
        EXPECT_NEAR(lines[3].arguments[3], 217, 1e-6) << c.what;
        EXPECT_EQ(lines[3].arguments[4], c.lineColour) << c.what;
        if (c.layout > 0) {
            EXPECT_EQ(f.canvas.Calls("SetFillColour").at(0).arguments[0], c.background);
        }
    }
    PaintFixture f;
    f.Paint();
    EXPECT_EQ(f.canvas.calls[1].arguments, (std::vector<double>{-225, 225, 225, -225}));
    EXPECT_EQ(f.canvas.Calls("Circle")[0].arguments[3], 1);
}

TEST(WheelPaint, NothingWhileSuppressedOrWithoutArea) {
    PaintFixture f;
    f.state.suppressPaint = true;
    f.Paint();
    EXPECT_TRUE(f.canvas.calls.empty());
    f.state.suppressPaint = false;
    PaintWheel(f.state, f.canvas, f.platform, {f.options, f.data, f.folder, 0, 500});
    EXPECT_TRUE(f.canvas.calls.empty());
}

TEST(WheelPaint, MissingGlyphFontIsToldOnceAndThePassGoesOn) {
    PaintFixture f;
    f.canvas.missingFonts.insert("HORARY");
    f.Paint();
    ASSERT_EQ(f.platform.Messages().size(), 1u);
    EXPECT_EQ(f.platform.Messages()[0].text, kGlyphFontMissingMessage);
    EXPECT_EQ(f.platform.Messages()[0].title, "Information!");
    EXPECT_EQ(f.platform.Messages()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(f.Printed(PointGlyph(Pluto)), 1);
    EXPECT_EQ(f.Printed("Sample - natal"), 1);
}

TEST(WheelPaint, LayersInTheirPlaceAndAllPointsDrawn) {
    PaintFixture f;
    std::vector<std::string> seen;
    WheelPaintLayers layers;
    layers.drawAspectLines = [&](WheelTarget&, const WheelState& s) {
        seen.push_back("lines");
        EXPECT_EQ(f.Printed(PointGlyph(Midheaven)), 1);  // after the rings
        EXPECT_EQ(f.Printed("Sample - natal"), 0);       // before the heading
        EXPECT_NEAR(s.angleOf[Ascendant], 180, 1);       // on its cusp, off the line
    };
    layers.printAspectGrid = [&](WheelTarget&, const WheelState&) { seen.push_back("grid"); };
    f.Paint(layers);
    EXPECT_TRUE(seen.empty());  // option 47 is 0
    f.options.Set(47, 1);
    f.options.Set(178, 1);
    f.Paint(layers);
    EXPECT_EQ(seen, std::vector<std::string>{"lines"});
    for (int p = 1; p <= kPointCount; ++p) {
        EXPECT_GE(f.state.slotOf[p], 0) << p;
    }
    f.state.printMode = WheelPrintMode::FullPage;
    f.Paint(layers);
    EXPECT_EQ(seen, (std::vector<std::string>{"lines", "lines", "grid"}));
    // A triple wheel: no lines; its rings main, innermost, middle, all before the heading.
    f.state.family = WheelFamily::Triple;
    f.state.layout = WheelLayout::Triple;
    f.state.secondSet = f.state.thirdSet = f.state.mainSet;
    f.Paint(layers);
    EXPECT_EQ(seen.size(), 3u);
    const auto prints = f.canvas.Calls("Print");
    const auto heading = std::ranges::find(prints, "Sample - natal", &CanvasCall::text);
    std::vector<double> sunRadii;
    for (auto call = prints.begin(); call != heading; ++call) {
        if (call->text == PointGlyph(Sun)) sunRadii.push_back(std::hypot(call->x, call->y));
    }
    ASSERT_EQ(sunRadii.size(), 3u);
    EXPECT_GT(sunRadii[0], RingBandOf(RingRole::Main, WheelLayout::Triple).inner);
    EXPECT_LT(sunRadii[1], RingBandOf(RingRole::Inner, WheelLayout::Triple).outer);
    EXPECT_GT(sunRadii[2], RingBandOf(RingRole::Middle, WheelLayout::Triple).inner);
    EXPECT_LT(sunRadii[2], RingBandOf(RingRole::Middle, WheelLayout::Triple).outer);
}

// A load resets the placement and the swap but keeps the user's chart type (American for a
// 90-degree wheel); option 216 swaps the dual rings once per load, a second person's never.
TEST(WheelModel, LoadResetsAndOption216SwapsTheDualRingsOncePerLoad) {
    PaintFixture f;
    WheelSetup setup;
    setup.layout = 1;
    setup.family = 2;
    setup.kind = ChartKind::LunarReturn;
    setup.cusps = testing::EqualCusps(0);
    setup.longitude = SpreadPoints();
    HousePositions(setup.longitude, setup.cusps, setup.texts.housePositionText);
    setup.second.longitude = SpreadPoints();
    setup.second.longitude[Sun] = 100;  // house 4 instead of 2
    setup.second.retrogradeMarks[Sun - 1] = 'R';
    setup.extraPoints = {{ExtraPoint::Chiron, 10, 0, 10.1, 0, 0}};
    f.options.Set(216, 1);
    f.state.chartType = 1;
    LoadWheel(f.state, setup);
    EXPECT_EQ(f.state.returnKind, 5);
    f.Paint();
    EXPECT_TRUE(f.state.swapDone);
    EXPECT_EQ(f.state.mainSet[Sun], 100);
    EXPECT_EQ(f.state.mainMarks[Sun - 1], 'R');
    EXPECT_EQ(f.state.mainHouses.substr(0, 10), " 4TH HOUSE");  // the outer set's houses
    EXPECT_TRUE(f.state.mainExtra.empty());  // the extra points go with their chart
    ASSERT_EQ(f.state.secondExtra.size(), 1u);
    f.Paint();
    EXPECT_EQ(f.state.mainSet[Sun], 100);  // not swapped back
    LoadWheel(f.state, setup);
    EXPECT_FALSE(f.state.swapDone);
    EXPECT_EQ(f.state.slotOf[Sun], -1);  // placed by the paint before
    EXPECT_EQ(f.state.chartType, 1);
    EXPECT_EQ(f.state.mainSet[Sun], 45);

    f.secondPerson = true;
    f.Paint();
    EXPECT_EQ(f.state.mainSet[Sun], 45);
    EXPECT_FALSE(f.state.swapDone);
    setup.innerHeader[0] = "Sample - 90 degree wheel";
    LoadWheel(f.state, setup);
    EXPECT_EQ(f.state.chartType, 0);
}

// The extra points stand on the ring with their own glyphs (one apiece, no
// symbol shared with another point) and a mark for one moving backward.
TEST(WheelPaint, ExtraPointsDrawnWithTheirGlyphsAndMarks) {
    std::set<std::string> symbols;
    for (int p = 1; p <= kWheelPointCount; ++p) {
        symbols.insert(GlyphTextToUnicode(PointGlyph(p)));
    }
    EXPECT_EQ(symbols.size(), std::size_t(kWheelPointCount));
    EXPECT_FALSE(symbols.contains(PointGlyph(kWheelPointCount)));

    PaintFixture f;
    f.Paint();
    const int marksBefore = f.Printed(GlyphText(kRetrogradeCode));
    f.state.mainExtra = {{ExtraPoint::MeanLilith, 50, 0, 50.1, 0, 0},
                         {ExtraPoint::Chiron, 205, 0, 204.98, 0, 0}};
    f.Paint();
    EXPECT_EQ(f.Printed(PointGlyph(PointNumberOf(ExtraPoint::MeanLilith))), 1);
    EXPECT_EQ(f.Printed(PointGlyph(PointNumberOf(ExtraPoint::Chiron))), 1);
    EXPECT_EQ(f.Printed(GlyphText(kRetrogradeCode)), marksBefore + 1);
    EXPECT_GE(f.state.slotOf[PointNumberOf(ExtraPoint::Chiron)], 0);
    for (int p = 1; p <= kPointCount; ++p) {
        EXPECT_EQ(f.Printed(PointGlyph(p)), 1) << p;
    }
}

TEST(WheelPaint, HeadingOnScreenAndPaperWithTheFooter) {
    PaintFixture f;
    f.state.heading2[0] = "Diurnal data";
    f.state.heading2[6] = "Inner = transits";
    f.state.heading1[1] = "José Müller";
    f.Paint();
    // Lines 10 high from the top-left corner; the second list ends a line above the bottom.
    EXPECT_DOUBLE_EQ(f.PrintOf("Sample - natal").x, -215);
    EXPECT_DOUBLE_EQ(f.PrintOf("Sample - natal").y, 225);
    EXPECT_DOUBLE_EQ(f.PrintOf("Diurnal data").y, -225 + 80);
    EXPECT_DOUBLE_EQ(f.PrintOf("Inner = transits").y, -225 + 20);
    // People's names are text, not glyph codes.
    EXPECT_EQ(f.PrintOf("José Müller").fontName, "Courier New");
    EXPECT_DOUBLE_EQ(f.PrintOf("José Müller").y, 215);
    EXPECT_EQ(f.Printed("Chart prepared with SOLVARIS"), 0);  // no footer on the screen

    TempFolder folder;
    folder.Write("PERSONAL.NAM", "Chart prepared by\r\nA. Reader\r\n");
    PaintFixture paper;
    paper.folder = folder.path();
    paper.state.printMode = WheelPrintMode::FullPage;
    for (const auto& [n, value] : {std::pair{120, 12}, {174, 1}, {175, 10}, {121, 20}, {177, 6}}) {
        paper.options.Set(n, value);
    }
    paper.Paint();
    const UserScale page = PrinterUserScale(265, paper.canvas.heightPerWidth);
    const CanvasCall reader = paper.PrintOf("A. Reader");
    EXPECT_NEAR(reader.x + 9 * 5, page.right - 6, 1e-9);  // ends 6 units from the edge
    EXPECT_NEAR(reader.y, page.top - 20 - 10, 1e-9);
    EXPECT_NEAR(paper.PrintOf("Sample - natal").x, page.left + 30, 1e-9);
    EXPECT_NEAR(paper.PrintOf("Sample - natal").y, page.top - 12, 1e-9);

    // No PERSONAL.NAM: the page is finished without a footer.
    std::filesystem::remove(folder / "PERSONAL.NAM");
    paper.Paint();
    EXPECT_EQ(paper.Printed("A. Reader"), 0);
    EXPECT_EQ(paper.Printed("Sample - natal"), 1);
}

}  // namespace
}  // namespace solvaris
