// Window placement: the settings file keeps it in twips, the screen counts
// pixels; a placement that would leave a window on no screen (a monitor
// since unplugged, a smaller display) is brought back onto one.
#pragma once

#include <optional>
#include <vector>

#include "app/display_profile.hpp"
#include "base/settings.hpp"

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

// Where a window left on no screen comes back on the first screen: as near
// to where it was as that screen allows, or at its top left corner.
enum class ComeBack { Nearest, TopLeft };

// The window as it is when at least a grip of it lies on some screen;
// otherwise moved onto the first screen, as `where` says, and made no
// larger than the screen.
PixelRect BringOntoScreen(const PixelRect& window, const std::vector<PixelRect>& screens,
                          ComeBack where = ComeBack::Nearest);

// The windows whose placement the settings file keeps.
enum class KeptWindow { Main, Data, Wheel };

// The window as the settings keep it, at least a pixel each way, brought
// onto one of `screens`: the main and wheel windows as near as may be, the
// data window (the report's first columns in view) at the top left corner.
PixelRect PlacementFromSettings(const Settings& settings, KeptWindow window, double twipsPerPixel,
                                const std::vector<PixelRect>& screens);

// The window's placement into the settings, in twips; the data window's
// 16-bit values keep whole twips, as far as 16 bits reach.
void StorePlacement(Settings& settings, KeptWindow window, const PixelRect& placed,
                    double twipsPerPixel);

// The wheel window when the settings do not place it: the display
// profile's size at the top of the first screen, across its middle; below
// `belowTop` (the main window's bottom edge, whose menu bar would
// otherwise lie under the wheel) when given, and no taller than the
// screen leaves. Brought onto one of `screens`.
PixelRect DefaultWheelPlacement(const DisplayProfile& profile, double twipsPerPixel,
                                const std::vector<PixelRect>& screens, std::optional<int> belowTop);

// Windows that open beside others. Frames are whole windows, caption and
// border included; `screen` is the usable area they are kept in.

// The frames set left to right in a row below the frame `above`,
// `gapPixels` apart, from its left edge or, where the row would pass the
// right edge of `screen`, as far left as it takes; every frame within the
// screen: where the entry windows and the names list open.
std::vector<PixelRect> RowBelow(const PixelRect& above, std::vector<PixelRect> frames,
                                int gapPixels, const PixelRect& screen);

// A frame of `wanted` width for the last of `frames` once they stand in a
// row `gapPixels` apart on `screen`: as wide as the screen leaves beside
// the others, but no narrower than that last frame itself.
int LastInRowWidth(const std::vector<PixelRect>& frames, int wanted, int gapPixels,
                   const PixelRect& screen);

// `frame` opening in the place of `replaced`: at its top left corner, no
// wider than the screen leaves to the right of it (but no narrower than
// `replaced`), then within `screen`.
PixelRect InPlaceOf(const PixelRect& replaced, const PixelRect& frame, const PixelRect& screen);

// The frame moved, as little as it takes, to lie wholly within `area` (its
// top left corner in the area when it is larger).
PixelRect KeepWithin(const PixelRect& frame, const PixelRect& area);

// A frame of `frame`'s size beside the frame `beside`: right of it when the
// screen has room there, else left of it, else against the screen's right
// edge; level with its top, within the screen.
PixelRect BesideFrame(const PixelRect& beside, const PixelRect& frame, const PixelRect& screen);

// The window on the right half of `screen`, at its own top and height: the
// wheel window beside its duplicate.
PixelRect RightHalf(const PixelRect& window, const PixelRect& screen);

// The duplicate on the left half of `screen`, level with the wheel window
// and as wide, `extraHeightPixels` taller for its own caption.
PixelRect LeftOfWheel(const PixelRect& wheel, const PixelRect& screen, int extraHeightPixels);

}  // namespace solvaris
