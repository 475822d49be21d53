// A canvas that passes every call on to another and keeps the box of each
// text printed, measured by that canvas at the moment of printing: how the
// legibility of a painted wheel is measured on a real surface.
#pragma once

#include <vector>

#include "platform/canvas.hpp"
#include "platform/printed_box.hpp"

namespace solvaris {

class TextBoxCanvas : public Canvas {
public:
    explicit TextBoxCanvas(Canvas& surface) : surface_(surface) {}

    // In the order printed; y upward, as the wheel's scale is.
    const std::vector<PrintedBox>& Boxes() const { return boxes_; }
    // The straight lines drawn, in order.
    const std::vector<DrawnLine>& Lines() const { return lines_; }

    double HeightPerWidth() const override { return surface_.HeightPerWidth(); }
    void Clear(int backgroundColour) override;
    void SetScale(double left, double top, double right, double bottom) override;
    void SetForeColour(int colour) override { surface_.SetForeColour(colour); }
    void SetFillColour(int colour) override { surface_.SetFillColour(colour); }
    void SetFillStyle(FillStyle style) override { surface_.SetFillStyle(style); }
    bool SetFont(std::string_view name, double pointSize) override;
    double TextWidth(std::string_view text) override { return surface_.TextWidth(text); }
    double TextHeight(std::string_view text) override { return surface_.TextHeight(text); }
    void MoveTo(double x, double y) override { surface_.MoveTo(x, y); }
    double CurrentX() const override { return surface_.CurrentX(); }
    double CurrentY() const override { return surface_.CurrentY(); }
    void Print(std::string_view text) override;
    void Line(double x1, double y1, double x2, double y2, int colour) override;
    void Circle(double x, double y, double radius, int colour) override;
    void Arc(double x, double y, double radius, double startDegrees, double endDegrees,
             int colour) override;

private:
    Canvas& surface_;
    std::vector<PrintedBox> boxes_;
    std::vector<DrawnLine> lines_;
    bool glyphFont_ = false;
    bool lastWasText_ = false;
};

}  // namespace solvaris
