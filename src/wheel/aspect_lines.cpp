#include "wheel/aspect_lines.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "aspects/aspect_codes.hpp"
#include "aspects/aspect_finder.hpp"
#include "base/horary_glyphs.hpp"
#include "base/option_numbers.hpp"
#include "engine/angles.hpp"
#include "platform/printed_box.hpp"
#include "wheel/text_overlaps.hpp"

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

namespace {

struct AspectLine {
    int i;
    int j;
    int code;
    int colour;
    DrawnLine line;
    std::optional<PrintedBox> glyph;
};

PrintedBox GlyphBoxAt(const DrawnLine& line, double share, double width, double height) {
    PrintedBox box;
    const double x = line.x1 + (line.x2 - line.x1) * share;
    const double y = line.y1 + (line.y2 - line.y1) * share;
    box.left = x - width / 2;
    box.right = x + width / 2;
    box.top = y + height / 2;
    box.bottom = y - height / 2;
    return box;
}

bool Clear(const PrintedBox& box, const std::vector<AspectLine>& lines, std::size_t self,
           bool ofLines) {
    constexpr double kClearUnits = 0.5;
    constexpr double kInsideUnits = 2;
    for (const double x : {box.left, box.right}) {
        for (const double y : {box.top, box.bottom}) {
            if (std::hypot(x, y) > kLineRadius - kInsideUnits) {
                return false;
            }
        }
    }
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::optional<PrintedBox>& other = lines[k].glyph;
        if (other &&
            std::min(box.right, other->right) - std::max(box.left, other->left) > -kClearUnits &&
            std::min(box.top, other->top) - std::max(box.bottom, other->bottom) > -kClearUnits) {
            return false;
        }
        if (ofLines && k != self && LineRunsThroughBox(lines[k].line, box, 0)) {
            return false;
        }
    }
    return true;
}

// The middle of the line when it is clear of the glyphs placed before (and
// if possible of the other lines); otherwise the nearest clear point along
// the middle half of the line; nothing when there is none, and the line
// keeps only its colour.
void PlaceGlyphs(std::vector<AspectLine>& lines, double width, double height) {
    constexpr double kShareStep = 0.02;
    constexpr double kFarthestShare = 0.25;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        for (const bool ofLines : {true, false}) {
            for (double turn = 0; turn <= kFarthestShare && !lines[n].glyph; turn += kShareStep) {
                for (const double share : {0.5 + turn, 0.5 - turn}) {
                    const PrintedBox box = GlyphBoxAt(lines[n].line, share, width, height);
                    if (!lines[n].glyph && Clear(box, lines, n, ofLines)) {
                        lines[n].glyph = box;
                    }
                }
            }
        }
    }
}

// A point a line can end on: a planet, or an extra point the ring shows.
struct LinePoint {
    int number;  // its wheel point number
    double longitude;
    int orbClass;  // the planet whose orbs it takes
};

// The ten planets, then the main ring's extra points that were placed (a
// crowded house leaves some out), each with a planet's orbs as Mercury's.
std::vector<LinePoint> LinePoints(const WheelState& state) {
    std::vector<LinePoint> points;
    for (int p = Sun; p <= Moon; ++p) {
        points.push_back({p, state.mainSet[p], p});
    }
    for (const ExtraPlace& extra : state.mainExtra) {
        const int number = PointNumberOf(extra.point);
        if (state.slotOf[static_cast<std::size_t>(number)] >= 0) {
            points.push_back({number, extra.longitude, Mercury});
        }
    }
    return points;
}

// The lines of every pair in aspect, from the angles at which the ring's
// glyphs were drawn; their glyphs not yet placed.
std::vector<AspectLine> LinesInAspect(const WheelTarget& target, const WheelState& state,
                                      const std::vector<LinePoint>& points, bool planetClassOrbs) {
    std::vector<AspectLine> lines;
    for (std::size_t a = 0; a < points.size(); ++a) {
        for (std::size_t b = a + 1; b < points.size(); ++b) {
            const int i = points[a].number;
            const int j = points[b].number;
            const double d = Separation(points[a].longitude, points[b].longitude);
            const int code = WheelLineAspect(d, points[a].orbClass, points[b].orbClass,
                                             target.options, planetClassOrbs);
            if (code == NoAspect) {
                continue;
            }
            const double ai = DegToRad(state.angleOf[static_cast<std::size_t>(i)]);
            const double aj = DegToRad(state.angleOf[static_cast<std::size_t>(j)]);
            lines.push_back({i,
                             j,
                             code,
                             LineColour(target, code),
                             {kLineRadius * std::cos(ai), kLineRadius * std::sin(ai),
                              kLineRadius * std::cos(aj), kLineRadius * std::sin(aj)},
                             std::nullopt});
        }
    }
    return lines;
}

std::string GlyphOf(int code) { return std::string(1, static_cast<char>(AspectGlyphCode(code))); }

void DrawLine(Canvas& canvas, const AspectLine& line) {
    const DrawnLine& l = line.line;
    canvas.Line(l.x1, l.y1, l.x2, l.y2, line.colour);
    if (line.glyph) {
        const std::string glyph = GlyphOf(line.code);
        canvas.SetForeColour(line.colour);
        canvas.MoveTo((line.glyph->left + line.glyph->right) / 2 - canvas.TextWidth(glyph) / 2,
                      (line.glyph->top + line.glyph->bottom) / 2 + canvas.TextHeight(glyph) / 2);
        canvas.Print(glyph);
    }
}

}  // namespace

void DrawAspectLines(WheelTarget& target, const WheelState& state, bool planetClassOrbs) {
    if (IsNinetyDegreeWheel(state)) {
        return;
    }
    Canvas& canvas = target.canvas;
    SetGlyphFont(target, target.options(opt::AspectGlyphSize));
    const std::vector<LinePoint> points = LinePoints(state);
    std::vector<AspectLine> lines = LinesInAspect(target, state, points, planetClassOrbs);
    // Every glyph of the lines is as large as the widest.
    double width = 0;
    double height = 0;
    for (const AspectLine& l : lines) {
        width = std::max(width, canvas.TextWidth(GlyphOf(l.code)));
        height = std::max(height, canvas.TextHeight(GlyphOf(l.code)));
    }
    PlaceGlyphs(lines, width, height);
    // Each pair is visited from both ends and drawn twice in one place.
    for (const LinePoint& from : points) {
        for (const LinePoint& to : points) {
            const auto at = std::find_if(lines.begin(), lines.end(), [&](const AspectLine& l) {
                return (l.i == from.number && l.j == to.number) ||
                       (l.i == to.number && l.j == from.number);
            });
            if (at != lines.end()) {
                DrawLine(canvas, *at);
            }
        }
    }
}

}  // namespace solvaris
