// The display profile: from the screen's width in pixels and its twips per
// pixel, the chart wheel's drawing space and default size and the data
// window's font step.
#pragma once

namespace solvaris {

struct DisplayProfile {
    int logicalWidth = 1024;  // the wheel's drawing space
    int logicalHeight = 768;
    int wheelWidthTwips = 10970;  // the wheel window's default size
    int wheelHeightTwips = 9204;
    double fontStep = 1.2;  // the data window's font commands change by half of it
    bool operator==(const DisplayProfile&) const = default;
};

DisplayProfile ChooseDisplayProfile(int screenWidthPixels, double twipsPerPixel);

}  // namespace solvaris
