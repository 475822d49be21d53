#include "reports/harmonic_report.hpp"

#include <cmath>

#include "aspects/aspect_codes.hpp"
#include "chart/harmonic_chart.hpp"
#include "reports/aspect_grids.hpp"
#include "reports/headings.hpp"
#include "reports/position_format.hpp"

namespace solvaris {

std::string HarmonicAspectLine(int p1, int p2, double s, const FoundAspect& found) {
    std::string line = "  ";
    line += ReportName(p1);
    line += ReportName(p2);
    line += AspectName(found.code);
    line += DegreesMinutesText(s, 3);
    line += "       ";
    line += DegreesMinutesText(std::fabs(found.d), 4);
    return line;
}

void HarmonicReport(ReportContext& ctx) {
    ChartStore& charts = ctx.session.charts;
    const int n = HarmonicOfOption(ctx.session.options);
    const HarmonicChart harmonic = HarmonicOf(charts.natal, n);
    charts.kind = ChartKind::Natal;
    charts.working.points.longitude = harmonic.longitude;
    charts.working.cusps = harmonic.cusps;
    charts.working.texts = harmonic.texts;
    ctx.Blank();
    ctx.Line("  HARMONIC " + std::to_string(n) + " - every natal longitude times " +
             std::to_string(n) + ", modulo 360");
    if (n == 1) {
        HouseCuspBlock(ctx);
    } else {
        HouseCuspBlock(ctx, "Equal from the harmonic Ascendant");
    }
    PositionList(ctx, ListDeclinations::None);
    ctx.Blank();
    ctx.Line("  ASPECTS IN THE HARMONIC " + std::to_string(n) + " CHART");
    ctx.Blank();
    ctx.Line("  Planet    Planet    Aspect      Separation   Degrees from exact");
    const std::size_t count = std::size(kPositionListOrder);
    bool any = false;
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            const int p1 = kPositionListOrder[i];
            const int p2 = kPositionListOrder[j];
            const double s = Separation(harmonic.longitude[p1], harmonic.longitude[p2]);
            const FoundAspect found = NatalReportAspect(ctx.session.options, s, p1, p2);
            if (found.code != NoAspect) {
                ctx.Line(HarmonicAspectLine(p1, p2, s, found));
                any = true;
            }
        }
    }
    if (!any) {
        ctx.Line("  None.");
    }
}

}  // namespace solvaris
