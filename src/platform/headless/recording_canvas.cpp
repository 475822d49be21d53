#include "platform/headless/recording_canvas.hpp"

#include "base/text_lines.hpp"

namespace solvaris {

void RecordingCanvas::Record(std::string_view operation, std::vector<double> arguments,
                             std::string_view text) {
    calls.push_back({std::string(operation), std::move(arguments), std::string(text), x_, y_,
                     fontName_, fontSize_, foreColour_});
}

void RecordingCanvas::Clear(int backgroundColour) { Record("Clear", {double(backgroundColour)}); }

void RecordingCanvas::SetScale(double left, double top, double right, double bottom) {
    Record("SetScale", {left, top, right, bottom});
}

void RecordingCanvas::SetForeColour(int colour) {
    Record("SetForeColour", {double(colour)});
    foreColour_ = colour;
}

void RecordingCanvas::SetFillColour(int colour) { Record("SetFillColour", {double(colour)}); }

void RecordingCanvas::SetFillStyle(FillStyle style) {
    Record("SetFillStyle", {style == FillStyle::Solid ? 1.0 : 0.0});
}

bool RecordingCanvas::SetFont(std::string_view name, double pointSize) {
    Record("SetFont", {pointSize}, name);
    if (missingFonts.contains(name)) {
        return false;
    }
    fontName_ = std::string(name);
    fontSize_ = pointSize;
    return true;
}

// Glyph-font texts are 8-bit codes, one character a byte; other texts are
// UTF-8.
double RecordingCanvas::Width(std::string_view text) const {
    const double characters =
        fontName_ == "HORARY" ? double(text.size()) : double(CharacterCount(text));
    return characters * fontSize_ / 2;
}

double RecordingCanvas::TextWidth(std::string_view text) {
    Record("TextWidth", {}, text);
    return Width(text);
}

double RecordingCanvas::TextHeight(std::string_view text) {
    Record("TextHeight", {}, text);
    return fontSize_;
}

void RecordingCanvas::MoveTo(double x, double y) {
    Record("MoveTo", {x, y});
    x_ = x;
    y_ = y;
}

void RecordingCanvas::Print(std::string_view text) {
    Record("Print", {}, text);
    x_ += Width(text);
}

void RecordingCanvas::Line(double x1, double y1, double x2, double y2, int colour) {
    Record("Line", {x1, y1, x2, y2, double(colour)});
}

void RecordingCanvas::Circle(double x, double y, double radius, int colour) {
    Record("Circle", {x, y, radius, double(colour)});
}

void RecordingCanvas::Arc(double x, double y, double radius, double startDegrees, double endDegrees,
                          int colour) {
    Record("Arc", {x, y, radius, startDegrees, endDegrees, double(colour)});
}

std::vector<CanvasCall> RecordingCanvas::Calls(std::string_view operation) const {
    std::vector<CanvasCall> out;
    for (const CanvasCall& call : calls) {
        if (call.operation == operation) {
            out.push_back(call);
        }
    }
    return out;
}

std::vector<std::string> RecordingCanvas::PrintedTexts() const {
    std::vector<std::string> out;
    for (const CanvasCall& call : calls) {
        if (call.operation == "Print") {
            out.push_back(call.text);
        }
    }
    return out;
}

}  // namespace solvaris
