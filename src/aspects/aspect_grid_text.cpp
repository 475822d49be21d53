#include "aspects/aspect_grid_text.hpp"

#include <cmath>

#include "aspects/aspect_codes.hpp"
#include "aspects/aspect_finder.hpp"
#include "wheel/horary_glyphs.hpp"

namespace solvaris {

namespace {

constexpr const char* kLineEnd = "\r\n";

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void AppendGlyphLine(std::string& text, int rowPoint, unsigned char aspect, int columnPoint) {
    text += "  ";
    text += static_cast<char>(PointGlyphCode(rowPoint));
    text += ' ';
    text += static_cast<char>(aspect);
    text += ' ';
    text += static_cast<char>(PointGlyphCode(columnPoint));
    text += kLineEnd;
}

}  // namespace

std::string AspectGridText(const AspectGridInputs& in) {
    const WheelSetup& w = in.wheel;
    const bool single = w.layout == 0;
    const PointArray& rows = single ? w.longitude : w.second.longitude;
    const PointArray& columns = w.longitude;
    std::string text = kLineEnd;
    for (int r = 1; r <= kPointCount; ++r) {
        for (int k = 1; k <= kPointCount; ++k) {
            if (single && r == k) {
                continue;
            }
            const int pr = kGridRowPoints[r];
            const int pk = kGridRowPoints[k];
            const double s = Separation(rows[pr], columns[pk]);
            const FoundAspect found = in.planetClassOrbs
                                          ? ClassTest(s, r, k, PointNumbering::GridRows)
                                          : TableTest(s, in.orbs, true, true);
            if (found.code != NoAspect) {
                AppendGlyphLine(text, pr, AspectGlyphCode(found.code), pk);
            }
        }
    }
    const bool natalTitle = EndsWith(w.innerHeader[0], "natal");
    const bool parallels = natalTitle && (single || w.secondHeader[5] == "Inner = progressed");
    if (!parallels) {
        return text;
    }
    const PointArray& rowDeclination =
        single ? in.charts.natal.points.declination : in.charts.progressed.points.declination;
    const PointArray& columnDeclination = in.charts.natal.points.declination;
    text += kLineEnd;
    for (int r = 1; r <= kPointCount; ++r) {
        for (int k = 1; k <= kPointCount; ++k) {
            if (r >= 11 && r <= 13) {
                break;
            }
            if ((k >= 11 && k <= 13) || (single && r == k)) {
                continue;
            }
            const int pr = kGridRowPoints[r];
            const int pk = kGridRowPoints[k];
            const double dr = rowDeclination[pr];
            const double dk = columnDeclination[pk];
            const double d = std::abs(std::abs(dr) - std::abs(dk));
            if (WithinOrb(d, in.orbs[6])) {
                const bool contra = (dr < 0) != (dk < 0);
                AppendGlyphLine(text, pr, contra ? kContraParallelCode : AspectGlyphCode(Parallel),
                                pk);
            }
        }
    }
    return text;
}

}  // namespace solvaris
