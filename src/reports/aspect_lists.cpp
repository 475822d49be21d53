#include "reports/aspect_lists.hpp"

#include "aspects/aspect_codes.hpp"
#include "aspects/parallels.hpp"
#include "base/format_pattern.hpp"
#include "base/option_numbers.hpp"

namespace solvaris {

namespace {

struct PairRule {
    int firstLast;       // p1 runs 1 to this
    bool firstSkips13;   // p1 never the Part of Fortune
    bool firstSkips11;   // p1 never the north node
    bool sameChart;      // p2 runs p1 + 1 to 15
    bool secondSkips11;  // p2 never the north node
};

const PointArray& SetOf(const ChartStore& charts, int which) {
    switch (which) {
        case 0: return charts.natal.points.longitude;
        case 1: return charts.progressed.points.longitude;
        case 2: return charts.solarArc.longitude;
        default: return charts.transit.points.longitude;
    }
}

struct ListLayout {
    const char* title;
    int first;  // 0 natal, 1 progressed, 2 solar arc, 3 transit
    int second;
    PairRule rule;
};

ListLayout LayoutOf(ListReport report) {
    switch (report) {
        case ListReport::ProgressedToNatal:
            return {"      PROGRESSED PLANET ASPECTS TO NATAL PLANETS",
                    1,
                    0,
                    {15, true, false, false, false}};
        case ListReport::ProgressedToProgressed:
            return {"   PROGRESSED PLANET ASPECTS TO PROGRESSED PLANETS",
                    1,
                    1,
                    {14, false, false, true, false}};
        case ListReport::SolarArcToNatal:
            return {"      SOLAR ARC PLANET ASPECTS TO NATAL PLANETS",
                    2,
                    0,
                    {15, false, true, false, true}};
        case ListReport::TransitsToNatal:
            return {"      TRANSITING PLANET ASPECTS TO NATAL PLANETS",
                    3,
                    0,
                    {15, true, false, false, false}};
        case ListReport::TransitsToProgressed:
            return {"   TRANSITING PLANET ASPECTS TO PROGRESSED PLANETS",
                    3,
                    1,
                    {15, true, false, false, false}};
        case ListReport::TransitsToSolarArc:
            return {"    TRANSITING PLANET ASPECTS TO SOLAR ARC PLANETS",
                    3,
                    2,
                    {15, true, false, false, false}};
        case ListReport::TransitsToTransits: break;
    }
    return {
        "   TRANSITING PLANET ASPECTS TO TRANSITING PLANETS", 3, 3, {14, true, false, true, false}};
}

}  // namespace

FoundAspect SignedFixedTest(double longitude1, double longitude2) {
    const double signedDifference = longitude1 - longitude2;
    FoundAspect found = FixedTest(Separation(longitude1, longitude2));
    if (signedDifference <= -180 || (signedDifference >= 0 && signedDifference < 180)) {
        found.d = -found.d;
    }
    return found;
}

FoundAspect AspectListLine(ReportContext& ctx, int p1, int p2, double longitude1, double longitude2,
                           bool quiet) {
    const FoundAspect found = SignedFixedTest(longitude1, longitude2);
    if (found.code == NoAspect || quiet) {
        return found;
    }
    std::string line = "  ";
    line += ReportName(p1);
    line += "    ";
    line += AspectName(found.code);
    line += "    ";
    line += ReportName(p2);
    line += found.d < 0 ? "    " : "     ";
    line += FormatNumber(found.d, "0.0");
    line += " degrees";
    ctx.Line(line);
    return found;
}

void ParallelListLine(ReportContext& ctx, int p1, int p2, bool contra, double d) {
    std::string line = "  ";
    line += ReportName(p1);
    line += std::string(10, ' ');
    line += contra ? "C.Parallel" : "Parallel  ";
    line += "    ";
    line += ReportName(p2);
    line += "     ";
    line += FormatNumber(d, "0.0");
    line += " degrees";
    ctx.Line(line);
}

void AspectList(ReportContext& ctx, ListReport report) {
    const ListLayout layout = LayoutOf(report);
    const ChartStore& charts = ctx.session.charts;
    const PointArray& first = SetOf(charts, layout.first);
    const PointArray& second = SetOf(charts, layout.second);
    ctx.Blank();
    ctx.Line(layout.title);
    ctx.Blank();
    const PairRule& rule = layout.rule;
    for (int p1 = 1; p1 <= rule.firstLast; ++p1) {
        if (p1 == SouthNode || (rule.firstSkips13 && p1 == PartOfFortune) ||
            (rule.firstSkips11 && p1 == NorthNode)) {
            continue;
        }
        for (int p2 = rule.sameChart ? p1 + 1 : 1; p2 <= kPointCount; ++p2) {
            if (p2 == SouthNode || (rule.secondSkips11 && p2 == NorthNode)) {
                continue;
            }
            AspectListLine(ctx, p1, p2, first[p1], second[p2], false);
        }
    }
}

void ProgressedParallels(ReportContext& ctx) {
    const PointArray& declination = ctx.session.charts.progressed.points.declination;
    const double orb = ctx.session.options(opt::ParallelOrb);
    ctx.Blank();
    ctx.Line("     PROGRESSED PLANET PARALLELS TO PROGRESSED PLANETS");
    ctx.Blank();
    for (int p1 = 1; p1 <= 14; ++p1) {
        for (int p2 = p1 + 1; p2 <= kPointCount; ++p2) {
            const FoundParallel found = ParallelTest(declination[p1], declination[p2], orb);
            if (found.kind != ParallelKind::None) {
                ParallelListLine(ctx, p1, p2, found.kind == ParallelKind::Contra, found.d);
            }
        }
    }
    ctx.Blank();
}

}  // namespace solvaris
