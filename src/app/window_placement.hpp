// Window placement: the settings file keeps it in twips, the screen counts
// pixels; a placement that would leave a window on no screen (a monitor
// since unplugged, a smaller display) is brought back onto one.
#pragma once

#include <vector>

namespace solvaris {

inline constexpr double kTwipsPerInch = 1440.0;

struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// 15 at 96 dots per inch, 12 at 120; 15 when the density is unknown.
double TwipsPerPixel(double dotsPerInch);

PixelRect TwipsToPixels(const TwipsRect& twips, double twipsPerPixel);
TwipsRect PixelsToTwips(const PixelRect& pixels, double twipsPerPixel);

// How much of a window must show on a screen for the user to take hold of
// it.
inline constexpr int kGripPixels = 24;

// The window as it is when at least a grip of it lies on some screen;
// otherwise moved onto the first screen as near to where it was as that
// screen allows, and made no larger than the screen.
PixelRect BringOntoScreen(const PixelRect& window, const std::vector<PixelRect>& screens);

}  // namespace solvaris
