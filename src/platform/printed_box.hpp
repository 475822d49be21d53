// The box of one text a canvas printed, as a canvas that keeps them
// records it and the wheel's legibility rules read it.
#pragma once

#include <string>

namespace solvaris {

// One Print: its box in wheel units (y upward, so top > bottom) from the
// surface's text width and height at the position it was printed at.
struct PrintedBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    std::string text;
    bool glyphFont = false;
    // Printed directly after the box before it, with no line, circle or
    // clearing between.
    bool followsPrevious = false;
};

// One straight line a canvas drew, in wheel units.
struct DrawnLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

}  // namespace solvaris
