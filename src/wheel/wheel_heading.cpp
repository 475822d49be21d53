#include "wheel/wheel_heading.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "base/option_numbers.hpp"
#include "base/program_folder.hpp"
#include "base/text_lines.hpp"
#include "wheel/cusp_labels.hpp"

namespace solvaris {

namespace {

// Names and places are text, which the glyph font's 8-bit codes cannot
// hold (an accented letter would come out as a planet or a sign), so the
// heading is printed in a text face at the heading's size.
constexpr std::string_view kHeadingFont = "Courier New";

// The height of a list's lines: that of its first line, or of a digit when
// the first line is empty and the surface measures nothing for it.
double LineHeight(Canvas& canvas, std::string_view firstLine) {
    const double height = canvas.TextHeight(firstLine);
    return height > 0 ? height : canvas.TextHeight("0");
}

// The line, or as much of it as keeps its box outside the circle of that
// radius followed by "..." to tell that it is cut (all of it when the
// radius is 0).
std::string LineClearOf(Canvas& canvas, std::string_view line, double x, double y, double height,
                        double clearRadius) {
    const auto clear = [&](const std::string& text) {
        const double right = x + canvas.TextWidth(text);
        const double nearestX = std::clamp(0.0, x, right);
        const double nearestY = std::clamp(0.0, y - height, y);
        return std::hypot(nearestX, nearestY) >= clearRadius;
    };
    std::string text(line);
    if (clear(text)) {
        return text;
    }
    while (!text.empty() && !clear(text + "...")) {
        text.pop_back();
    }
    return text.empty() ? text : text + "...";
}

void PrintList(Canvas& canvas, const HeaderLines& lines, double x, double y,
               double clearRadius = 0) {
    const double height = LineHeight(canvas, lines[0]);
    for (const std::string& line : lines) {
        canvas.MoveTo(x, y);
        canvas.Print(LineClearOf(canvas, line, x, y, height, clearRadius));
        y -= height;
    }
}

void DrawFooter(WheelTarget& target, const std::filesystem::path& folder) {
    const std::vector<std::string> lines = FooterLines(folder);
    if (lines.empty()) {
        return;
    }
    Canvas& canvas = target.canvas;
    canvas.SetFont(kHeadingFont, target.options(opt::PrintedFooterSize));
    canvas.SetForeColour(PaletteColour(target.options, opt::PrintedFooterColour));
    const double height = LineHeight(canvas, lines[0]);
    double y = target.bounds.top - target.options(opt::PrintedFooterTop);
    for (const std::string& line : lines) {
        canvas.MoveTo(target.bounds.right - target.options(opt::PrintedFooterRightMargin) -
                          canvas.TextWidth(line),
                      y);
        canvas.Print(line);
        y -= height;
    }
}

}  // namespace

std::vector<std::string> FooterLines(const std::filesystem::path& folder) {
    return ReadTextLines(FindInFolder(folder, "PERSONAL.NAM")).value_or(std::vector<std::string>{});
}

void DrawHeading(WheelTarget& target, const WheelState& state,
                 const std::filesystem::path& folder) {
    Canvas& canvas = target.canvas;
    const UserScale& page = target.bounds;
    if (target.surface == WheelSurface::Screen) {
        // Type raised to the smallest size takes more room than a small
        // window's corners leave beside the wheel and its cusp labels: its
        // lines are cut short there.
        const double size = target.options(opt::ScreenHeadingSize);
        constexpr double kCuspLabelsRadius = kOuterCircleRadius + 28;
        const double clearRadius = target.smallestPoints > size ? kCuspLabelsRadius : 0;
        canvas.SetFont(kHeadingFont, std::max(size, target.smallestPoints));
        canvas.SetForeColour(PaletteColour(target.options, opt::ScreenHeadingColour));
        PrintList(canvas, state.heading1, page.left + 10, page.top, clearRadius);
        PrintList(canvas, state.heading2, page.left + 10,
                  page.bottom + 8 * LineHeight(canvas, state.heading2[0]), clearRadius);
        return;
    }
    canvas.SetFont(kHeadingFont, target.options(opt::PrinterHeadingSize));
    canvas.SetForeColour(PaletteColour(target.options, opt::PrinterHeadingColour));
    PrintList(canvas, state.heading1, page.left + 30,
              page.top - target.options(opt::PrintedHeadingTop));
    PrintList(canvas, state.heading2, page.left + 30,
              page.top - target.options(opt::PrintedSecondHeadingTop) * (page.top - page.bottom));
    if (target.options(opt::PrintedFooter) != 0) {
        DrawFooter(target, folder);
    }
}

}  // namespace solvaris
