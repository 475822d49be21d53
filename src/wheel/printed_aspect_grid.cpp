#include "wheel/printed_aspect_grid.hpp"

#include "aspects/aspect_codes.hpp"
#include "aspects/aspect_finder.hpp"
#include "aspects/aspect_grid_text.hpp"
#include "base/horary_glyphs.hpp"
#include "base/option_numbers.hpp"

namespace solvaris {

namespace {

int GroupColourOption(int code) {
    switch (code) {
        case Conjunction: return opt::PrintedConjunctionColour;
        case Sextile:
        case Trine: return opt::PrintedHarmoniousColour;
        case Square:
        case Opposition: return opt::PrintedTenseColour;
        case Quincunx: return opt::PrintedQuincunxColour;
        case SemiSquare:
        case Sesquisquare: return opt::PrintedSemiSquareColour;
        case Quintile:
        case BiQuintile: return opt::PrintedQuintileColour;
        default: return opt::PrintedMinorColour;
    }
}

void PrintGlyph(Canvas& canvas, double x, double y, int code) {
    canvas.MoveTo(x, y);
    canvas.Print(std::string(1, static_cast<char>(code)));
}

}  // namespace

int PrintedGridCell(double rowLongitude, double columnLongitude, int r, int k, const OrbTable& orbs,
                    bool planetClassOrbs) {
    const double s = Separation(rowLongitude, columnLongitude);
    const FoundAspect found = planetClassOrbs ? ClassTest(s, r, k, PointNumbering::GridRows)
                                              : TableTest(s, orbs, true, true);
    return found.code == NoAspect ? 0 : AspectGlyphCode(found.code);
}

void PrintAspectGrid(WheelTarget& target, const WheelState& state, const OrbTable& orbs,
                     bool planetClassOrbs) {
    const bool single = state.layout == 0;
    // The outer ring heads the rows: the main set, or the second chart
    // when option 216 has exchanged them.
    const PointArray& rows = single || !state.swapDone ? state.mainSet : state.secondSet;
    const PointArray& columns = single           ? state.mainSet
                                : state.swapDone ? state.mainSet
                                                 : state.secondSet;
    const OptionTable& options = target.options;
    const UserScale& page = target.bounds;
    const double spacing = options(opt::PrintedGridSpacing);
    const double left = options(opt::PrintedGridLeft);
    const double top = page.top - options(opt::PrintedGridTop) * (page.top - page.bottom);
    Canvas& canvas = target.canvas;
    SetGlyphFont(target, options(opt::AspectGlyphSize));
    canvas.SetForeColour(kBlack);
    for (int n = 1; n <= kPointCount; ++n) {
        PrintGlyph(canvas, left + n * spacing, top, PointGlyphCode(kGridRowPoints[n]));
        PrintGlyph(canvas, left, top - n * spacing, PointGlyphCode(kGridRowPoints[n]));
    }
    for (int r = 1; r <= kPointCount; ++r) {
        for (int k = single ? r + 1 : 1; k <= kPointCount; ++k) {
            const int code = PrintedGridCell(rows[kGridRowPoints[r]], columns[kGridRowPoints[k]], r,
                                             k, orbs, planetClassOrbs);
            if (code == 0) {
                continue;
            }
            canvas.SetForeColour(PaletteColour(options, GroupColourOption(code - 159)));
            PrintGlyph(canvas, left + k * spacing, top - r * spacing, code);
        }
    }
}

}  // namespace solvaris
