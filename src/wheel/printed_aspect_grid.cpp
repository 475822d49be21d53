#include "wheel/printed_aspect_grid.hpp"

#include <algorithm>
#include <string>

#include "aspects/aspect_codes.hpp"
#include "aspects/aspect_finder.hpp"
#include "aspects/aspect_grid_text.hpp"
#include "base/horary_glyphs.hpp"
#include "base/option_numbers.hpp"

namespace solvaris {

namespace {

struct GridGeometry {
    double left;       // the left edge of the row headers' column
    double top;        // the top of the column headers' row
    double spacing;    // between rows and between columns
    double glyphSize;  // points
};

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

// Options 179, 188 and 189 place the grid; on a page too short for them
// (Letter) the grid starts below the wheel's lowest text instead and closes
// its rows up, glyphs with them, to end within the page's margin.
GridGeometry PlaceGrid(WheelTarget& target) {
    constexpr double kGapUnits = 4;
    constexpr double kPageMarginUnits = 12;
    constexpr int kRowsBelowHeader = kPointCount;
    const OptionTable& options = target.options;
    const UserScale& page = target.bounds;
    GridGeometry grid{options(opt::PrintedGridLeft),
                      page.top - options(opt::PrintedGridTop) * (page.top - page.bottom),
                      options(opt::PrintedGridSpacing), options(opt::AspectGlyphSize)};
    SetGlyphFont(target, grid.glyphSize);
    const double glyphHeight = target.canvas.TextHeight("A");
    grid.top = std::min(grid.top, target.lowestWheelUnits - kGapUnits);
    const double room = grid.top - glyphHeight - (page.bottom + kPageMarginUnits);
    if (room > 0 && room < kRowsBelowHeader * grid.spacing) {
        const double closer = room / (kRowsBelowHeader * grid.spacing);
        grid.spacing *= closer;
        grid.glyphSize *= closer;
        SetGlyphFont(target, grid.glyphSize);
    }
    return grid;
}

// A glyph centred on its cell, made smaller where it is wider than the
// cell leaves room for (the two letters of "AC" and "MC"), so that
// neighbouring header cells never run together.
void PrintCell(WheelTarget& target, const GridGeometry& grid, int row, int column, int code) {
    constexpr double kWidestShare = 0.7;
    const std::string text(1, static_cast<char>(code));
    Canvas& canvas = target.canvas;
    const double width = canvas.TextWidth(text);
    const double widest = kWidestShare * grid.spacing;
    if (width > widest) {
        SetGlyphFont(target, grid.glyphSize * widest / width);
    }
    canvas.MoveTo(grid.left + (column + 0.5) * grid.spacing - std::min(width, widest) / 2,
                  grid.top - row * grid.spacing);
    canvas.Print(text);
    if (width > widest) {
        SetGlyphFont(target, grid.glyphSize);
    }
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
    const bool single = state.layout == WheelLayout::Single;
    // The outer ring heads the rows: the main set, or the second chart
    // when option 216 has exchanged them.
    const PointArray& rows = single || !state.swapDone ? state.mainSet : state.secondSet;
    const PointArray& columns = single           ? state.mainSet
                                : state.swapDone ? state.mainSet
                                                 : state.secondSet;
    const GridGeometry grid = PlaceGrid(target);
    Canvas& canvas = target.canvas;
    canvas.SetForeColour(kBlack);
    for (int n = 1; n <= kPointCount; ++n) {
        PrintCell(target, grid, 0, n, PointGlyphCode(kGridRowPoints[n]));
        PrintCell(target, grid, n, 0, PointGlyphCode(kGridRowPoints[n]));
    }
    for (int r = 1; r <= kPointCount; ++r) {
        for (int k = single ? r + 1 : 1; k <= kPointCount; ++k) {
            const int code = PrintedGridCell(rows[kGridRowPoints[r]], columns[kGridRowPoints[k]], r,
                                             k, orbs, planetClassOrbs);
            if (code == 0) {
                continue;
            }
            canvas.SetForeColour(PaletteColour(target.options, GroupColourOption(code - 159)));
            PrintCell(target, grid, r, k, code);
        }
    }
}

}  // namespace solvaris
