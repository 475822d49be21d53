#include "reports/midpoint_report.hpp"

#include "aspects/aspect_codes.hpp"
#include "reports/position_format.hpp"

namespace solvaris {

namespace {

constexpr std::size_t kLabelWidth = 9;
constexpr std::size_t kCellsPerLine = 3;

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The cells down the first column, then the next: `cells` in reading order.
void ColumnLines(ReportContext& ctx, const std::vector<std::string>& cells) {
    const std::size_t rows = (cells.size() + kCellsPerLine - 1) / kCellsPerLine;
    for (std::size_t row = 0; row < rows; ++row) {
        std::string line = "  ";
        for (std::size_t column = 0; column < kCellsPerLine; ++column) {
            const std::size_t k = column * rows + row;
            if (k < cells.size()) {
                line += (column > 0 ? "    " : "") + cells[k];
            }
        }
        ctx.Line(line);
    }
}

int AspectCodeOfDegrees(int degrees) {
    switch (degrees) {
        case 45: return SemiSquare;
        case 90: return Square;
        case 135: return Sesquisquare;
        case 180: return Opposition;
        default: return Conjunction;
    }
}

}  // namespace

std::string MidpointLabel(const Midpoint& midpoint) {
    return Trimmed(ShortName(midpoint.first)) + "/" + Trimmed(ShortName(midpoint.second));
}

std::string DialText(double longitude) {
    const SplitLongitude split = Split(DialPosition(longitude));
    return TwoDigits(30 * (split.sign - 1) + split.degrees) + "d " + TwoDigits(split.minutes) + "m";
}

void MidpointReport(ReportContext& ctx) {
    const PointArray& longitude = ctx.session.charts.natal.points.longitude;
    const std::vector<Midpoint> midpoints = ChartMidpoints(longitude);
    std::vector<std::string> cells;
    for (const Midpoint& m : InZodiacOrder(midpoints)) {
        cells.push_back(Field(MidpointLabel(m), kLabelWidth) + LongitudeDM(m.longitude));
    }
    ctx.Blank();
    ctx.Line("  MIDPOINTS IN ZODIAC ORDER");
    ctx.Blank();
    ColumnLines(ctx, cells);
    cells.clear();
    for (const Midpoint& m : InDialOrder(midpoints)) {
        cells.push_back(Field(MidpointLabel(m), kLabelWidth) + DialText(m.longitude));
    }
    ctx.Blank();
    ctx.Line("  MIDPOINTS ON THE 90-DEGREE DIAL");
    ctx.Blank();
    ColumnLines(ctx, cells);
    const double orbDeg = MidpointOrbDeg(ctx.session.options);
    ctx.Blank();
    ctx.Line("  PLANETARY PICTURES - points within" + DegreesMinutesText(orbDeg, 2) +
             " of a midpoint on the 90-degree dial");
    ctx.Blank();
    const std::vector<PlanetaryPicture> pictures = PlanetaryPictures(longitude, orbDeg);
    if (pictures.empty()) {
        ctx.Line("  None.");
        return;
    }
    ctx.Line("  Point       Midpoint  Aspect       Orb");
    for (const PlanetaryPicture& picture : pictures) {
        std::string line = "  ";
        line += ReportName(picture.point);
        line += "= ";
        line += Field(MidpointLabel(picture.midpoint), kLabelWidth + 1);
        line += AspectName(AspectCodeOfDegrees(picture.aspectDeg));
        line += DegreesMinutesText(picture.orbDeg, 2);
        ctx.Line(line);
    }
}

}  // namespace solvaris
