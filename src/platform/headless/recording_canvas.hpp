// A canvas that draws nothing and remembers every call, for tests and for
// checking a paint pass without a display. Text is measured with a plain
// metric: every character is half the point size wide and a line is the
// point size high, so expected positions can be worked out by hand.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.hpp"

namespace solvaris {

// One call with its arguments and the state it found: the current position,
// font and fore colour before the call.
struct CanvasCall {
    std::string operation;  // "Clear", "SetScale", "Print", "Line", ...
    std::vector<double> arguments;
    std::string text;  // of Print, SetFont, TextWidth and TextHeight
    double x = 0;
    double y = 0;
    std::string fontName;
    double fontSize = 0;
    int foreColour = 0;
};

class RecordingCanvas : public Canvas {
public:
    std::vector<CanvasCall> calls;
    // Font names SetFont refuses (the font then stays as it was).
    std::set<std::string, std::less<>> missingFonts;
    // The shape of the surface recorded on.
    double heightPerWidth = 1.25;

    double HeightPerWidth() const override { return heightPerWidth; }
    void Clear(int backgroundColour) override;
    void SetScale(double left, double top, double right, double bottom) override;
    void SetForeColour(int colour) override;
    void SetFillColour(int colour) override;
    void SetFillStyle(FillStyle style) override;
    bool SetFont(std::string_view name, double pointSize) override;
    double TextWidth(std::string_view text) override;
    double TextHeight(std::string_view text) override;
    void MoveTo(double x, double y) override;
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }
    void Print(std::string_view text) override;
    void Line(double x1, double y1, double x2, double y2, int colour) override;
    void Circle(double x, double y, double radius, int colour) override;
    void Arc(double x, double y, double radius, double startDegrees, double endDegrees,
             int colour) override;

    // The calls of one operation, in order.
    std::vector<CanvasCall> Calls(std::string_view operation) const;
    // The texts printed, in order.
    std::vector<std::string> PrintedTexts() const;

private:
    void Record(std::string_view operation, std::vector<double> arguments,
                std::string_view text = {});
    double Width(std::string_view text) const;

    double x_ = 0;
    double y_ = 0;
    std::string fontName_;
    double fontSize_ = 0;
    int foreColour_ = 0;
};

}  // namespace solvaris
