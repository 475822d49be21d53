#include "platform/headless/text_box_canvas.hpp"

#include <gtest/gtest.h>

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

    struct Expected {
        double left, top, right, bottom;
        const char* text;
        bool glyphFont;
        bool followsPrevious;
    };
    const Expected expected[] = {
        {-20, 30, -10, 20, "12", true, false},  // after the scale: nothing before it
        {-10, 30, -5, 20, "3", true, true},
        {-290, 225, -274, 217, "Name", false, false},  // a line came between
    };
    const std::vector<PrintedBox>& boxes = canvas.Boxes();
    ASSERT_EQ(boxes.size(), std::size(expected));
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Expected& e = expected[i];
        EXPECT_DOUBLE_EQ(boxes[i].left, e.left) << i;
        EXPECT_DOUBLE_EQ(boxes[i].top, e.top) << i;
        EXPECT_DOUBLE_EQ(boxes[i].right, e.right) << i;
        EXPECT_DOUBLE_EQ(boxes[i].bottom, e.bottom) << i;
        EXPECT_EQ(boxes[i].text, e.text) << i;
        EXPECT_EQ(boxes[i].glyphFont, e.glyphFont) << i;
        EXPECT_EQ(boxes[i].followsPrevious, e.followsPrevious) << i;
    }
    EXPECT_EQ(surface.PrintedTexts(), (std::vector<std::string>{"12", "3", "Name"}));
    EXPECT_EQ(surface.Calls("Line").size(), 1u);
    EXPECT_EQ(surface.Calls("SetScale").size(), 1u);
    EXPECT_DOUBLE_EQ(canvas.CurrentX(), surface.CurrentX());
}

}  // namespace
}  // namespace solvaris
