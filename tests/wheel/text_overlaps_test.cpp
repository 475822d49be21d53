#include "wheel/text_overlaps.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wheel/wheel_glyphs.hpp"

namespace solvaris {
namespace {

// A glyph-font box 10 units high with its top-left corner at (x, y).
PrintedBox Glyph(const std::string& text, double x, double y, double width, bool follows = true) {
    return {x, y, x + width, y - 10, text, true, follows};
}

PrintedBox HeadingLine(double y, double width) {
    return {-290, y, -290 + width, y - 8, "Name", false, true};
}

TEST(TextOverlaps, TextsAndTheirOverlappingPairs) {
    const std::string sun = PointGlyph(1);
    const std::string moon = PointGlyph(10);
    const std::string trine = GlyphText(AspectGlyphCode(4));
    struct Case {
        const char* what;
        std::vector<PrintedBox> boxes;
        std::vector<int> textOf;
        std::vector<std::pair<int, int>> pairs;
    };
    const Case cases[] = {
        {"a point's glyph and its touching label parts are one text",
         {Glyph(sun, 0, 0, 8, false), Glyph("1", 8, 0, 4), Glyph("2", 12, -7.5, 4)},
         {0, 0, 0},
         {}},
        {"a part within the spacing gap continues the label, one further off does not",
         {Glyph(sun, 0, 0, 8, false), Glyph("1", 10, 0, 4), Glyph("2", 16.5, 0, 4)},
         {0, 0, 1},
         {}},
        {"a point's glyph begins a new text even where it meets the label before",
         {Glyph(sun, 0, 0, 8, false), Glyph("1", 8, 0, 4), Glyph(moon, 11, -2, 8)},
         {0, 0, 1},
         {{0, 1}}},
        {"texts that only touch, or share less than the epsilon, do not overlap",
         {Glyph(sun, 0, 0, 8, false), Glyph(moon, 8, 0, 8, false),
          Glyph(moon, 7.6, -9.6, 8, false)},
         {0, 1, 2},
         {}},
        {"a box after a line begins a text; sharing more than the epsilon overlaps",
         {Glyph("1", 0, 0, 4, false), Glyph("2", 3, -1, 4, false)},
         {0, 1},
         {{0, 1}}},
        {"an aspect glyph drawn twice in one place is one text",
         {Glyph(trine, 0, 0, 6, false), Glyph(trine, 0, 0, 6, false),
          Glyph(trine, 4, -4, 6, false)},
         {0, 0, 1},
         {{0, 1}}},
        {"two boxes of one text over a third text count as one pair",
         {Glyph(sun, 0, 0, 8, false), Glyph("1", 8, 0, 4), Glyph(moon, 6, -5, 8, false)},
         {0, 0, 1},
         {{0, 1}}},
        {"heading lines are texts of their own, one under the other touching",
         {HeadingLine(200, 100), HeadingLine(192, 120), Glyph(sun, -200, 190, 8)},
         {0, 1, 2},
         {{1, 2}}},
        {"an empty heading line has no area and overlaps nothing",
         {HeadingLine(200, 0), Glyph(sun, -292, 200, 8, false)},
         {0, 1},
         {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextOfEachBox(c.boxes, OverlapRule{}), c.textOf) << c.what;
        EXPECT_EQ(OverlappingTextPairs(c.boxes), c.pairs) << c.what;
    }
}

TEST(TextOverlaps, CrowdedPartsOfOneLabel) {
    const std::string ascendant = PointGlyph(14);
    struct Case {
        const char* what;
        std::vector<PrintedBox> boxes;
        std::vector<std::pair<int, int>> crowded;
    };
    const Case cases[] = {
        {"a wide glyph over its own degrees on one line",
         {Glyph(ascendant, 0, 0, 13, false), Glyph("2", 10, 0, 4), Glyph("8", 14, 0, 4)},
         {{0, 1}}},
        {"a part stepped down three quarters of a line meets corner to corner",
         {Glyph(ascendant, 0, 0, 13, false), Glyph("2", 6, -7.5, 4), Glyph("8", 8, -15, 4)},
         {}},
        {"a sign wider than the digit step over the minute before it",
         {Glyph("4", 20, 0, 4, false), Glyph("4", 16, -1, 4), Glyph(SignGlyph(10), 9, -2, 9)},
         {{1, 2}}},
        {"different texts over one another are overlapping texts, not crowded parts",
         {Glyph(ascendant, 0, 0, 13, false), Glyph(PointGlyph(1), 10, 0, 8)},
         {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CrowdedLabelParts(c.boxes), c.crowded) << c.what;
    }
}

TEST(TextOverlaps, TextsStruckThroughByLines) {
    // A label (glyph and two digits) from (0, 0) to (16, -10); a glyph from (30, 0) to (38, -10).
    const std::vector<PrintedBox> boxes{Glyph(PointGlyph(1), 0, 0, 8, false), Glyph("1", 8, 0, 4),
                                        Glyph("2", 12, 0, 4),
                                        Glyph(PointGlyph(10), 30, 0, 8, false)};
    struct Case {
        const char* what;
        std::vector<DrawnLine> lines;
        std::vector<int> crossed;
    };
    const Case cases[] = {
        {"a line along the label's top edge, inside by no more than the epsilon",
         {{-5, -0.4, 50, -0.4}},
         {}},
        {"a line across both texts", {{-5, -5, 50, -5}}, {0, 1}},
        {"a line ending short of the glyph", {{30, 20, 34, 0.2}}, {}},
        {"a line ending inside the glyph", {{30, 20, 34, -3}}, {1}},
        {"a slanting line passing the label's corner", {{20, 4, 28, -4}}, {}},
        {"two lines through one text count it once", {{2, 5, 2, -15}, {5, 5, 5, -15}}, {0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextsCrossedByLines(boxes, c.lines), c.crossed) << c.what;
    }
}

}  // namespace
}  // namespace solvaris
