#include "wheel/aspect_lines.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "aspects/aspect_codes.hpp"
#include "engine/angles.hpp"
#include "platform/headless/recording_canvas.hpp"
#include "wheel/printed_aspect_grid.hpp"

namespace solvaris {
namespace {

TEST(WheelAspectLines, OrbsAndTheLastTestThatHolds) {
    OptionTable options;
    options.Set(4, 6);  // trine
    struct Case {
        double d;
        int i, j;
        bool planetClass;
        int code;
    };
    const Case cases[] = {
        {60, Mars, Venus, false, Sextile},  // orb 0 still takes the exact aspect
        {60.1, Mars, Venus, false, NoAspect},
        {127, Sun, Mars, true, Trine},         // orb 8 with the Sun
        {127, Mars, Jupiter, true, NoAspect},  // orb 6
        {126, Mars, Jupiter, true, Trine},     // the limit is inside
        {0, Sun, Venus, true, NoAspect},       // never a conjunction
        {150, Mars, Jupiter, true, Quincunx},  // quincunx tested after the trine
        {175, Mars, Jupiter, true, Opposition},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WheelLineAspect(c.d, c.i, c.j, options, c.planetClass), c.code) << c.d;
    }
}

TEST(WheelAspectLines, LinesEndAtTheGlyphsAndCarryTheAspectGlyph) {
    OptionTable options;
    for (const auto& [n, value] : {std::pair{4, 1}, {97, 1}, {77, 9}}) options.Set(n, value);
    WheelState state;
    for (int p = 1; p <= kPointCount; ++p) {
        state.mainSet[p] = 7.3 * p;  // nothing within reach of another
    }
    state.mainSet[Sun] = 10;
    state.mainSet[Moon] = 130;
    state.angleOf[Sun] = 0;  // drawn where the placement put them
    state.angleOf[Moon] = 90;
    RecordingCanvas canvas;
    WheelTarget target(canvas, options);
    DrawAspectLines(target, state, false);
    const auto lines = canvas.Calls("Line");
    ASSERT_EQ(lines.size(), 2u);  // Sun-Moon and Moon-Sun
    const double sunToMoonInColour1[] = {120, 0, 0, 120, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(lines[0].arguments[i], sunToMoonInColour1[i], 1e-6) << i;
    }
    EXPECT_EQ(canvas.PrintedTexts().front(), std::string(1, static_cast<char>(164)));

    state.heading1[0] = "Someone - 90 degree wheel";
    canvas.calls.clear();
    DrawAspectLines(target, state, false);
    EXPECT_TRUE(canvas.Calls("Line").empty());
}

// The extra points the ring placed take a planet's orbs; one the ring left
// out has no line.
TEST(WheelAspectLines, ExtraPointsTheRingPlacedHaveLines) {
    OptionTable options;
    for (const auto& [n, value] : {std::pair{2, 6}, {3, 7}, {4, 5}, {5, 9}, {10, 2}, {77, 9}}) {
        options.Set(n, value);
    }
    WheelState state;
    for (int p = 1; p <= kPointCount; ++p) {
        state.mainSet[p] = 28 + 0.3 * p;  // no line among them, none to the extra points
        state.angleOf[p] = 3.0 * p;
        state.slotOf[p] = 0;
    }
    state.mainSet[Sun] = 10;
    const int mean = PointNumberOf(ExtraPoint::MeanLilith);
    const int trueLilith = PointNumberOf(ExtraPoint::TrueLilith);
    const int chiron = PointNumberOf(ExtraPoint::Chiron);
    const auto place = [](ExtraPoint point, double longitude) {
        return ExtraPlace{point, longitude, 0, longitude, 0, 0};
    };
    // Chiron trines the Sun 4.9 degrees wide (the trine's orb is 5); the
    // Liliths, a degree apart, square it 6.5 and 5.5 degrees wide (the
    // square's orb is 7); Chiron makes no aspect to the Liliths.
    state.mainExtra = {place(ExtraPoint::MeanLilith, 106.5), place(ExtraPoint::TrueLilith, 105.5),
                       place(ExtraPoint::Chiron, 134.9)};
    state.angleOf[mean] = 100;
    state.angleOf[trueLilith] = 110;
    state.angleOf[chiron] = 120;
    const auto drawn = [&](bool chironPlaced) {
        state.slotOf[mean] = 0;
        state.slotOf[trueLilith] = 1;
        state.slotOf[chiron] = chironPlaced ? 2 : -1;
        RecordingCanvas canvas;
        WheelTarget target(canvas, options);
        DrawAspectLines(target, state, false);
        std::multiset<std::pair<long, long>> ends;
        for (const auto& line : canvas.Calls("Line")) {
            ends.insert({std::lround(std::atan2(line.arguments[1], line.arguments[0]) * 180 / PI),
                         std::lround(std::atan2(line.arguments[3], line.arguments[2]) * 180 / PI)});
        }
        return ends;
    };
    // Each pair's line twice in one place: the Sun (3 degrees on the wheel)
    // with both Liliths (100, 110) and Chiron (120).
    const std::multiset<std::pair<long, long>> all = {{3, 100}, {3, 100}, {3, 110},
                                                      {3, 110}, {3, 120}, {3, 120}};
    EXPECT_EQ(drawn(true), all);
    const std::multiset<std::pair<long, long>> noChiron = {{3, 100}, {3, 100}, {3, 110}, {3, 110}};
    EXPECT_EQ(drawn(false), noChiron);
}

TEST(PrintedAspectGrid, CellsByTheGridsOwnNumbering) {
    OrbTable orbs{};
    orbs[16] = 1;  // septile
    EXPECT_EQ(PrintedGridCell(0, 51.4, 1, 5, orbs, false), 176);
    EXPECT_EQ(PrintedGridCell(0, 90.5, 1, 5, orbs, false), 0);
    // Planet-class orbs: row 2 is the Moon (8 degrees), row 11 a node.
    EXPECT_EQ(PrintedGridCell(0, 97.5, 2, 5, orbs, true), 163);
    EXPECT_EQ(PrintedGridCell(0, 97.5, 3, 5, orbs, true), 0);
    EXPECT_EQ(PrintedGridCell(0, 2.5, 11, 5, orbs, true), 161);
}

}  // namespace
}  // namespace solvaris
