#include "platform/headless/text_box_canvas.hpp"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/headless/recording_canvas.hpp"

namespace solvaris {
namespace {

// The recording canvas measures a character as half its point size wide and
// a line as the point size high.
TEST(TextBoxCanvas, KeepsTheBoxOfEveryTextAndPassesEveryCallOn) {
    RecordingCanvas surface;
    TextBoxCanvas canvas(surface);
    canvas.SetScale(-300, 225, 300, -225);
    canvas.SetFont("HORARY", 10);
    canvas.MoveTo(-20, 30);
    canvas.Print("12");
    canvas.MoveTo(-10, 30);
    canvas.Print("3");
    canvas.Line(0, 0, 10, 10, 1);
    canvas.SetFont("Courier New", 8);
    canvas.MoveTo(-290, 225);
    canvas.Print("Name");

    // left, top, right, bottom, text, in the glyph font, following the previous text
    using Box = std::tuple<double, double, double, double, std::string, bool, bool>;
    const std::vector<Box> expected = {
        {-20, 30, -10, 20, "12", true, false},  // after the scale: nothing before it
        {-10, 30, -5, 20, "3", true, true},
        {-290, 225, -274, 217, "Name", false, false},  // a line came between
    };
    std::vector<Box> boxes;
    for (const PrintedBox& b : canvas.Boxes()) {
        boxes.emplace_back(b.left, b.top, b.right, b.bottom, b.text, b.glyphFont,
                           b.followsPrevious);
    }
    EXPECT_EQ(boxes, expected);
    EXPECT_EQ(surface.PrintedTexts(), (std::vector<std::string>{"12", "3", "Name"}));
    EXPECT_EQ(surface.Calls("Line").size(), 1u);
    EXPECT_EQ(surface.Calls("SetScale").size(), 1u);
    EXPECT_DOUBLE_EQ(canvas.CurrentX(), surface.CurrentX());
}

}  // namespace
}  // namespace solvaris
