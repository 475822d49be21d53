// How the wheel's units map onto the window and the printed page: the
// wheel is 434 units across (radius 217) and the scale keeps one unit as
// long in x as in y on both, the centre in the middle of the window and,
// on paper, 56 units (of the page's margin factor) above the middle of the
// page.
#pragma once

#include <optional>

#include "wheel/wheel_state.hpp"

namespace solvaris {

// The user scale of a surface: the user coordinates of its corners.
struct UserScale {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The screen's half-width S for a drawing area of that width and height (any
// unit): a vertical half-range of 225 units when the area is at least as
// wide as high, else a horizontal half-range of 244. Nothing for an area
// without width or height.
std::optional<int> ScreenScale(double width, double height);

// x from -S to +S, y from S*H/W at the top to -S*H/W at the bottom.
UserScale ScreenUserScale(int scale, double width, double height);

// The smallest font size in points that a window of that many pixels draws
// 9 pixels high (the size below which a digit is misread): pictures and
// windows set their resolution so that the window's width is 9.76 inches
// of text (the width of a 4:3 window as large as the wheel, on a picture
// higher than wide). Nothing below that size is drawn on the screen.
double SmallestScreenPoints(double widthPixels, double heightPixels);

// The window was resized: the new screen scale, kept in the state.
void ResizeWheel(WheelState& state, double width, double height);

// 272 for a European single wheel, else 265.
int PrinterScale(const WheelState& state);
// x from -0.9625 S to +0.9625 S across the page; y over the page's own
// height in the same units, so that the page's shape, not a fixed one,
// sets how far up and down it reaches. A shape that is no number or not
// above 0 is taken as 1.25 (high per wide).
UserScale PrinterUserScale(int scale, double pageHeightPerWidth);

}  // namespace solvaris
