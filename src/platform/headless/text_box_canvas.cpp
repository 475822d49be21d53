#include "platform/headless/text_box_canvas.hpp"

#include <string>

#include "base/text_lines.hpp"

namespace solvaris {

void TextBoxCanvas::Clear(int backgroundColour) {
    lastWasText_ = false;
    surface_.Clear(backgroundColour);
}

void TextBoxCanvas::SetScale(double left, double top, double right, double bottom) {
    lastWasText_ = false;
    surface_.SetScale(left, top, right, bottom);
}

bool TextBoxCanvas::SetFont(std::string_view name, double pointSize) {
    glyphFont_ = EqualIgnoringCase(name, "HORARY");
    return surface_.SetFont(name, pointSize);
}

void TextBoxCanvas::Print(std::string_view text) {
    const double x = surface_.CurrentX();
    const double y = surface_.CurrentY();
    boxes_.push_back({x, y, x + surface_.TextWidth(text), y - surface_.TextHeight(text),
                      std::string(text), glyphFont_, lastWasText_});
    lastWasText_ = true;
    surface_.Print(text);
}

void TextBoxCanvas::Line(double x1, double y1, double x2, double y2, int colour) {
    lastWasText_ = false;
    lines_.push_back({x1, y1, x2, y2});
    surface_.Line(x1, y1, x2, y2, colour);
}

void TextBoxCanvas::Circle(double x, double y, double radius, int colour) {
    lastWasText_ = false;
    surface_.Circle(x, y, radius, colour);
}

void TextBoxCanvas::Arc(double x, double y, double radius, double startDegrees, double endDegrees,
                        int colour) {
    lastWasText_ = false;
    surface_.Arc(x, y, radius, startDegrees, endDegrees, colour);
}

}  // namespace solvaris
