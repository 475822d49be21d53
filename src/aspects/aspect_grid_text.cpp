#include "aspects/aspect_grid_text.hpp"

#include "aspects/aspect_codes.hpp"
#include "aspects/aspect_finder.hpp"
#include "aspects/parallels.hpp"
#include "base/horary_glyphs.hpp"

namespace solvaris {

namespace {

constexpr const char* kLineEnd = "\r\n";

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
    const bool natalTitle = w.innerHeader[0].ends_with("natal");
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
            const ParallelKind kind =
                ParallelTest(rowDeclination[pr], columnDeclination[pk], in.orbs[6]).kind;
            if (kind != ParallelKind::None) {
                AppendGlyphLine(
                    text, pr,
                    kind == ParallelKind::Contra ? kContraParallelCode : AspectGlyphCode(Parallel),
                    pk);
            }
        }
    }
    return text;
}

}  // namespace solvaris
