#include "reports/aspect_lists.hpp"

#include <string_view>
#include <vector>

#include "aspects/aspect_codes.hpp"
#include "aspects/parallels.hpp"
#include "base/format_pattern.hpp"
#include "base/option_numbers.hpp"
#include "chart/moving_extra_points.hpp"

namespace solvaris {

namespace {

struct PairRule {
    bool firstSkips13;   // p1 never the Part of Fortune
    bool firstSkips11;   // p1 never the north node
    bool sameChart;      // p2 after p1 in the chart's order
    bool secondSkips11;  // p2 never the north node
};

enum class ListChart { Natal, Progressed, SolarArc, Transit };

// One point of a list's chart: a chart point (1 to 15) or an extra point
// (its number after them).
struct ListPoint {
    int number;
    std::string_view name;
    double longitude;
};

// The chart's fifteen points, then its extra points when the options show
// them.
std::vector<ListPoint> PointsOf(const ReportContext& ctx, ListChart chart) {
    const ChartStore& charts = ctx.session.charts;
    const OptionTable& options = ctx.session.options;
    const PointArray* longitude = &charts.transit.points.longitude;
    std::vector<ExtraPlace> extra;
    switch (chart) {
        case ListChart::Natal:
            longitude = &charts.natal.points.longitude;
            extra = charts.natal.extraPoints;
            break;
        case ListChart::Progressed:
            longitude = &charts.progressed.points.longitude;
            extra = ProgressedExtraPoints(charts, options);
            break;
        case ListChart::SolarArc:
            longitude = &charts.solarArc.longitude;
            extra = SolarArcExtraPoints(charts, options);
            break;
        case ListChart::Transit: extra = TransitExtraPoints(charts, options); break;
    }
    std::vector<ListPoint> points;
    for (int p = Sun; p <= kPointCount; ++p) {
        points.push_back({p, ReportName(p), (*longitude)[p]});
    }
    for (const ExtraPlace& place : extra) {
        points.push_back(
            {PointNumberOf(place.point), NameOf(place.point).reportName, place.longitude});
    }
    return points;
}

struct ListLayout {
    const char* title;
    ListChart first;
    ListChart second;
    PairRule rule;
};

ListLayout LayoutOf(ListReport report) {
    switch (report) {
        case ListReport::ProgressedToNatal:
            return {"      PROGRESSED PLANET ASPECTS TO NATAL PLANETS",
                    ListChart::Progressed,
                    ListChart::Natal,
                    {true, false, false, false}};
        case ListReport::ProgressedToProgressed:
            return {"   PROGRESSED PLANET ASPECTS TO PROGRESSED PLANETS",
                    ListChart::Progressed,
                    ListChart::Progressed,
                    {false, false, true, false}};
        case ListReport::SolarArcToNatal:
            return {"      SOLAR ARC PLANET ASPECTS TO NATAL PLANETS",
                    ListChart::SolarArc,
                    ListChart::Natal,
                    {false, true, false, true}};
        case ListReport::TransitsToNatal:
            return {"      TRANSITING PLANET ASPECTS TO NATAL PLANETS",
                    ListChart::Transit,
                    ListChart::Natal,
                    {true, false, false, false}};
        case ListReport::TransitsToProgressed:
            return {"   TRANSITING PLANET ASPECTS TO PROGRESSED PLANETS",
                    ListChart::Transit,
                    ListChart::Progressed,
                    {true, false, false, false}};
        case ListReport::TransitsToSolarArc:
            return {"    TRANSITING PLANET ASPECTS TO SOLAR ARC PLANETS",
                    ListChart::Transit,
                    ListChart::SolarArc,
                    {true, false, false, false}};
        case ListReport::TransitsToTransits: break;
    }
    return {"   TRANSITING PLANET ASPECTS TO TRANSITING PLANETS",
            ListChart::Transit,
            ListChart::Transit,
            {true, false, true, false}};
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

void AspectListLine(ReportContext& ctx, std::string_view name1, std::string_view name2,
                    double longitude1, double longitude2) {
    const FoundAspect found = SignedFixedTest(longitude1, longitude2);
    if (found.code == NoAspect) {
        return;
    }
    std::string line = "  ";
    line += name1;
    line += "    ";
    line += AspectName(found.code);
    line += "    ";
    line += name2;
    line += found.d < 0 ? "    " : "     ";
    line += FormatNumber(found.d, "0.0");
    line += " degrees";
    ctx.Line(line);
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
    const std::vector<ListPoint> first = PointsOf(ctx, layout.first);
    const std::vector<ListPoint> second =
        layout.second == layout.first ? first : PointsOf(ctx, layout.second);
    ctx.Blank();
    ctx.Line(layout.title);
    ctx.Blank();
    const PairRule& rule = layout.rule;
    // Mean and true Lilith of one chart are two reckonings of one point.
    const auto lilith = [](int number) {
        return number == PointNumberOf(ExtraPoint::MeanLilith) ||
               number == PointNumberOf(ExtraPoint::TrueLilith);
    };
    for (std::size_t i = 0; i < first.size(); ++i) {
        const int p1 = first[i].number;
        if (p1 == SouthNode || (rule.firstSkips13 && p1 == PartOfFortune) ||
            (rule.firstSkips11 && p1 == NorthNode)) {
            continue;
        }
        for (std::size_t j = rule.sameChart ? i + 1 : 0; j < second.size(); ++j) {
            const int p2 = second[j].number;
            if (p2 == SouthNode || (rule.secondSkips11 && p2 == NorthNode) ||
                (rule.sameChart && lilith(p1) && lilith(p2))) {
                continue;
            }
            AspectListLine(ctx, first[i].name, second[j].name, first[i].longitude,
                           second[j].longitude);
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
