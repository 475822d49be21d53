// The drawing surface the chart wheel paints on: the wheel window, the
// printed page, or an image file. Coordinates are the user scale set with
// SetScale (wheel units, y upward); colours are indexes 0-15 of the
// 16-colour palette (0 black, 15 white). Text is anchored at its top-left
// corner at the current position. In the glyph font "HORARY" a text is a
// string of the font's 8-bit codes (223 + point, 191 + sign, 159 + aspect,
// 177 contra-parallel, 156 retrograde, digits); in any other font it is
// UTF-8.
#pragma once

#include <string_view>

namespace solvaris {

enum class FillStyle { Transparent, Solid };

class Canvas {
public:
    virtual ~Canvas() = default;
    // Clears the surface to a palette colour.
    virtual void Clear(int backgroundColour) = 0;
    // The surface's height over its width in its own device units: the
    // shape a scale with units as long in y as in x has to fill.
    virtual double HeightPerWidth() const = 0;
    // The user scale: (left, top) is the top-left corner of the surface,
    // (right, bottom) its bottom-right corner.
    virtual void SetScale(double left, double top, double right, double bottom) = 0;
    virtual void SetForeColour(int colour) = 0;
    virtual void SetFillColour(int colour) = 0;
    virtual void SetFillStyle(FillStyle style) = 0;
    // False when the font cannot be had; drawing then goes on in a
    // fallback font.
    virtual bool SetFont(std::string_view name, double pointSize) = 0;
    // In user units.
    virtual double TextWidth(std::string_view text) = 0;
    virtual double TextHeight(std::string_view text) = 0;
    virtual void MoveTo(double x, double y) = 0;
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    // Text at the current position in the fore colour; the current x moves
    // past it.
    virtual void Print(std::string_view text) = 0;
    virtual void Line(double x1, double y1, double x2, double y2, int colour) = 0;
    // A circle about (x, y), filled with the fill colour when the fill style
    // is solid.
    virtual void Circle(double x, double y, double radius, int colour) = 0;
    // An arc from `startDegrees` to `endDegrees`, counter-clockwise.
    virtual void Arc(double x, double y, double radius, double startDegrees, double endDegrees,
                     int colour) = 0;
};

}  // namespace solvaris
