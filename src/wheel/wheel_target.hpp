// Where one paint pass draws and with which options: the window or the
// printed page share every drawing routine and differ only in the option
// numbers of sizes and colours, a few factors and the half-page print's
// black-on-white.
#pragma once

#include <string_view>

#include "base/options.hpp"
#include "platform/canvas.hpp"
#include "wheel/wheel_scale.hpp"

namespace solvaris {

inline constexpr std::string_view kGlyphFont = "HORARY";

enum class WheelSurface { Screen, Printer };

struct WheelTarget {
    WheelTarget(Canvas& onto, const OptionTable& optionTable,
                WheelSurface kind = WheelSurface::Screen, bool halfPagePrint = false,
                UserScale corners = {})
        : canvas(onto),
          options(optionTable),
          surface(kind),
          halfPage(halfPagePrint),
          bounds(corners) {}

    Canvas& canvas;
    const OptionTable& options;
    WheelSurface surface;
    bool halfPage;     // the window painted white for a screen-image print
    UserScale bounds;  // the surface's corners in wheel units
    // Set when the glyph font could not be had; the paint pass reports it.
    bool glyphFontMissing = false;
    // The lowest edge of the wheel's texts and circles drawn so far (wheel
    // units): the printed aspect grid keeps below it.
    double lowestWheelUnits = 0;
    // On the screen, the smallest font size drawn (points); 0 on paper.
    double smallestPoints = 0;
};

inline constexpr int kBlack = 0;
inline constexpr int kWhite = 15;

// Option n as a palette index; values outside the 16-colour palette are held
// to it.
int PaletteColour(const OptionTable& options, int n);

// The screen option on the window, the printer option on paper.
float SurfaceOption(const WheelTarget& target, int screenOption, int printerOption);
int SurfaceColour(const WheelTarget& target, int screenOption, int printerOption);

// The glyph font at that size (at least the target's smallest); a refusal
// is remembered in the target.
void SetGlyphFont(WheelTarget& target, double pointSize);

}  // namespace solvaris
