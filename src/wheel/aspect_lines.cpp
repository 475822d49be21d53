#include "wheel/aspect_lines.hpp"

#include <cmath>

#include "aspects/aspect_codes.hpp"
#include "aspects/aspect_finder.hpp"
#include "base/horary_glyphs.hpp"
#include "base/option_numbers.hpp"
#include "engine/angles.hpp"

namespace solvaris {

namespace {

constexpr double kLineRadius = 120;

int LineColour(const WheelTarget& target, int code) {
    switch (code) {
        case Sextile:
        case Trine:
            return target.halfPage ? kBlack
                                   : SurfaceColour(target, opt::ScreenHarmoniousLineColour,
                                                   opt::PrinterHarmoniousLineColour);
        case Square:
        case Opposition:
            return SurfaceColour(target, opt::ScreenTenseLineColour, opt::PrinterTenseLineColour);
        default:
            return SurfaceColour(target, opt::ScreenQuincunxLineColour,
                                 opt::PrinterQuincunxLineColour);
    }
}

}  // namespace

int WheelLineAspect(double separation, int i, int j, const OptionTable& options,
                    bool planetClassOrbs) {
    const auto luminary = [](int p) { return p == Sun || p == Moon; };
    const double classOrb = luminary(i) || luminary(j) ? 8 : 6;
    const auto orb = [&](int option) { return planetClassOrbs ? classOrb : options(option); };
    struct Band {
        int code;
        double angle;
        int option;
    };
    constexpr Band kBands[] = {{Sextile, 60, opt::SextileOrb},
                               {Square, 90, opt::SquareOrb},
                               {Trine, 120, opt::TrineOrb},
                               {Opposition, 180, opt::OppositionOrb},
                               {Quincunx, 150, opt::QuincunxOrb}};
    int code = NoAspect;
    for (const Band& band : kBands) {
        const double o = orb(band.option);
        const bool hit = band.code == Opposition
                             ? separation >= 180 - o
                             : band.angle - o <= separation && separation <= band.angle + o;
        if (hit) {
            code = band.code;
        }
    }
    return code;
}

void DrawAspectLines(WheelTarget& target, const WheelState& state, bool planetClassOrbs) {
    if (IsNinetyDegreeWheel(state)) {
        return;
    }
    Canvas& canvas = target.canvas;
    SetGlyphFont(target, target.options(opt::AspectGlyphSize));
    for (int i = Sun; i <= Moon; ++i) {
        for (int j = Sun; j <= Moon; ++j) {
            const double d = Separation(state.mainSet[i], state.mainSet[j]);
            const int code = WheelLineAspect(d, i, j, target.options, planetClassOrbs);
            if (code == NoAspect) {
                continue;
            }
            const double ai = DegToRad(state.angleOf[i]);
            const double aj = DegToRad(state.angleOf[j]);
            const double px = kLineRadius * std::cos(ai);
            const double py = kLineRadius * std::sin(ai);
            const double qx = kLineRadius * std::cos(aj);
            const double qy = kLineRadius * std::sin(aj);
            const int colour = LineColour(target, code);
            canvas.Line(px, py, qx, qy, colour);
            const std::string glyph(1, static_cast<char>(AspectGlyphCode(code)));
            canvas.SetForeColour(colour);
            canvas.MoveTo((px + qx) / 2 - canvas.TextWidth(glyph) / 2,
                          (py + qy) / 2 + canvas.TextHeight(glyph) / 2);
            canvas.Print(glyph);
        }
    }
}

}  // namespace solvaris
