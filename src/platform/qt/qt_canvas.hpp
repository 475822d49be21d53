// The Canvas on a QPainter: the wheel window, an image, an SVG or a PDF
// page. The user scale maps onto the painter's device rectangle; the glyph
// font "HORARY" is drawn with a free font that has every astrological
// symbol, its 8-bit codes turned into those symbols.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <map>
#include <optional>
#include <utility>

#include "platform/canvas.hpp"

namespace solvaris {

// The family that draws the glyph font's symbols (GNU FreeSerif).
inline constexpr const char* kGlyphFontFamily = "FreeSerif";

// The 16-colour palette: 0 black, 1 blue ... 7 light grey, 8 grey ... 15
// white; anything else is black.
QColor PaletteColour(int index);

// How the glyph font's texts reach the device: as text naming the font, or
// as filled outlines of its glyphs, which look the same on a machine
// without the font (an SVG file read elsewhere).
enum class GlyphDrawing { AsText, AsOutlines };

class QtCanvas : public Canvas {
public:
    // `device` is the painter's drawing area in device units.
    QtCanvas(QPainter& painter, QRectF device, GlyphDrawing glyphs = GlyphDrawing::AsText);

    double HeightPerWidth() const override;
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

private:
    // A font and its metrics, made once per family and size in a pass: a
    // wheel sets its few fonts hundreds of times, and making and
    // resolving a font asks the system's font configuration every time.
    struct FontEntry {
        QFont font;
        QFontMetricsF metrics;
        bool available;
    };

    QPointF ToDevice(double x, double y) const;
    QString TextOf(std::string_view text) const;
    const FontEntry& FontFor(const QString& family, double pointSize);
    // The current font's metrics; the painter's font until one is set.
    const QFontMetricsF& Metrics();
    // The text's outlines filled, its baseline starting at `baseline`.
    void FillOutlines(const QString& text, QPointF baseline);

    QPainter& painter_;
    QRectF device_;
    double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
    double x_ = 0, y_ = 0;
    int fore_ = 0, fill_ = 0;
    FillStyle fillStyle_ = FillStyle::Transparent;
    std::map<std::pair<QString, double>, FontEntry> fonts_;
    std::map<QString, bool> familyAvailable_;
    const FontEntry* font_ = nullptr;
    bool glyphFont_ = false;
    GlyphDrawing glyphs_;
};

}  // namespace solvaris
