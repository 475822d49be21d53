#include "reports/aspect_grids.hpp"

#include <cmath>

#include "aspects/aspect_codes.hpp"
#include "aspects/aspect_finder.hpp"
#include "aspects/parallels.hpp"
#include "base/format_pattern.hpp"
#include "base/option_numbers.hpp"
#include "reports/extra_point_aspects.hpp"

namespace solvaris {

namespace {

constexpr const char* kTriangularHeader =
    "        MC  Asc  P.F  S.N  N.N  Moo  Plu  Nep  Ura  Sat  Jup  Mar  Ven  Mer  Sun";
constexpr const char* kFullHeader =
    "       SUN  MER  VEN  MAR  JUP  SAT  URA  NEP  PLU  MOO  N.N  S.N  P.F  ASC   MC";
constexpr const char* kNoAspectCell = "---  ";

std::string ParallelCell(double declination1, double declination2, double orb) {
    switch (ParallelTest(declination1, declination2, orb).kind) {
        case ParallelKind::Same: return " P   ";
        case ParallelKind::Contra: return " CP  ";
        case ParallelKind::None: break;
    }
    return kNoAspectCell;
}

std::string AspectCell(int code) { return code == NoAspect ? kNoAspectCell : AngleCell(code); }

std::string LeftPadded(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

// Whole degrees and minutes rounded to the minute (x is not negative):
// 63 degrees 59.7 minutes is 64d 00m, never 63d 60m.
struct DegreesMinutes {
    double degrees;
    double minutes;
};

DegreesMinutes RoundedToMinute(double x) {
    const double minutes = std::round((x - std::floor(x)) * 60);
    return minutes == 60 ? DegreesMinutes{std::trunc(x) + 1, 0}
                         : DegreesMinutes{std::trunc(x), minutes};
}

}  // namespace

std::string NatalListLine(int p1, int p2, double s, double d) {
    return NatalListLine(ReportName(p1), ReportName(p2), s, d);
}

std::string NatalListLine(std::string_view name1, std::string_view name2, double s, double d) {
    const DegreesMinutes separation = RoundedToMinute(s);
    const DegreesMinutes deviation = RoundedToMinute(std::fabs(d));
    std::string line = "  ";
    line += name1;
    line += name2;
    line += ' ';
    line += LeftPadded(FormatNumber(separation.degrees, "##0"), 3);
    line += "d ";
    line += FormatNumber(separation.minutes, "00");
    line += "m       ";
    line += LeftPadded(FormatNumber(deviation.degrees, "#0"), 4);
    line += "d ";
    line += FormatNumber(deviation.minutes, "00");
    line += "m\r\n";
    return line;
}

namespace {

void FirstLegendLines(ReportContext& ctx, bool blankBetween) {
    ctx.Blank();
    ctx.Line("    0  = conjunction    60 = sextile          90 = square         120 = trine");
    ctx.Line("  180  = opposition      P = parallel         CP = contra-parallel");
    if (blankBetween) {
        ctx.Blank();
    }
    ctx.Line("   30  = semi-sextile   45 = semi-square     135 = sesquisquare   150 = quincunx");
}

// Orbs 1 to 15 of the option table in the places of the orb file's
// entries.
OrbTable ReportOrbs(const OptionTable& options) {
    OrbTable orbs{};
    for (int k = opt::FirstReportOrb; k <= opt::LastReportOrb; ++k) {
        orbs[static_cast<std::size_t>(k)] = options(k);
    }
    return orbs;
}

// The orbs of the natal-to-second-person grid: option 55 for the major
// aspects, 56 with a node, 57 with the Sun or the Moon (which wins); 58 for
// the quincunx, sesquisquare, semi-square and semi-sextile.
FoundAspect SynastryTest(double s, int p1, int p2, const OptionTable& options) {
    const auto either = [p1, p2](int a, int b) { return p1 == a || p1 == b || p2 == a || p2 == b; };
    double major = options(opt::GridMajorOrb);
    if (either(NorthNode, SouthNode)) {
        major = options(opt::GridNodeOrb);
    }
    if (either(Sun, Moon)) {
        major = options(opt::GridLuminaryOrb);
    }
    const double minor = options(opt::GridMinorOrb);
    struct Band {
        int code;
        double angle;
        double orb;
    };
    const Band bands[] = {{Sextile, 60, major},     {Square, 90, major},
                          {Trine, 120, major},      {Quincunx, 150, minor},
                          {Opposition, 180, major}, {SemiSextile, 30, minor},
                          {SemiSquare, 45, minor},  {Sesquisquare, 135, minor}};
    FoundAspect found;
    for (const Band& band : bands) {
        const bool hit = band.code == Opposition
                             ? s >= 180 - band.orb
                             : band.angle - band.orb <= s && s <= band.angle + band.orb;
        if (hit) {
            found = {band.code, s - band.angle};
        }
    }
    if (s <= major) {
        found = {Conjunction, s};
    }
    return found;
}

struct CrossCharts {
    const PointArray& rowLongitude;
    const PointArray& columnLongitude;
    const PointArray& rowDeclination;
    const PointArray& columnDeclination;
};

template <typename Test>
void CrossChartGrid(ReportContext& ctx, const CrossCharts& charts, Test test) {
    ctx.Blank();
    ctx.Line(kFullHeader);
    for (int r = 1; r <= kPointCount; ++r) {
        std::string row = GridRowLabel(r);
        for (int c = 1; c <= kPointCount; ++c) {
            const double s = Separation(charts.rowLongitude[r], charts.columnLongitude[c]);
            row += AspectCell(test(s, r, c).code);
        }
        ctx.Line(row);
    }
    ctx.Blank();
    ctx.Line("    0  = conjunction       60 = sextile          90 = square         120 = trine");
    ctx.Line("  180  = opposition        30 = semi-sextile    150 = quincunx");
    ctx.Line("   45  = semi-square      135 = sesquisquare");
    ctx.Blank();
    ctx.Blank();
    ctx.Line(kFullHeader);
    for (int r = 1; r <= kPointCount; ++r) {
        std::string row = GridRowLabel(r);
        for (int c = 1; c <= kPointCount; ++c) {
            row += ParallelCell(charts.rowDeclination[r], charts.columnDeclination[c], 1);
        }
        ctx.Line(row);
    }
    ctx.Blank();
    ctx.Line("    P = parallel      CP = contra-parallel");
}

// The grid of the working set: a blank line, the header, one row per
// point; above the diagonal (columns from the Midheaven down to the Sun)
// the aspect `test` finds for the pair's separation, below it the
// parallels within `parallelOrb`.
template <typename Test>
void TriangularGrid(ReportContext& ctx, double parallelOrb, Test test) {
    const WorkingSet& w = ctx.session.charts.working;
    ctx.Blank();
    ctx.Line(kTriangularHeader);
    for (int p1 = 1; p1 <= kPointCount; ++p1) {
        std::string row = GridRowLabel(p1);
        for (int p2 = kPointCount; p2 >= 1; --p2) {
            if (p1 == p2) {
                row += "***  ";
            } else if (p1 > p2) {
                row +=
                    ParallelCell(w.points.declination[p1], w.points.declination[p2], parallelOrb);
            } else {
                row += AspectCell(
                    test(Separation(w.points.longitude[p1], w.points.longitude[p2]), p1, p2));
            }
        }
        ctx.Line(row);
    }
}

}  // namespace

std::string AngleCell(int code) {
    const int angle = kAspectAngles[static_cast<std::size_t>(code)];
    std::string cell = angle >= 100  ? FormatNumber(angle, "000")
                       : angle >= 10 ? " " + FormatNumber(angle, "00")
                                     : "  " + FormatNumber(angle, "0");
    cell += "  ";
    return cell;
}

std::string GridRowLabel(int point) {
    switch (point) {
        case NorthNode: return "  N.N  ";
        case SouthNode: return "  S.N  ";
        case PartOfFortune: return "  P.F  ";
        default: break;
    }
    std::string label = "  ";
    label += kPointListNames[static_cast<std::size_t>(point)].substr(0, 3);
    label += "  ";
    return label;
}

FoundAspect NatalReportAspect(const OptionTable& options, double s, int p1, int p2) {
    return options(opt::OrbScheme) != 0
               ? ClassTest(s, p1, p2, PointNumbering::ChartPoints)
               : TableTest(s, ReportOrbs(options), options(opt::MinorAspects) == 1, false);
}

void NatalAspectReport(ReportContext& ctx, const std::vector<ExtraPlace>& extraPoints) {
    const OptionTable& options = ctx.session.options;
    std::string list = "  Planet    Planet    Separation   Degrees from exact\r\n";
    ctx.Blank();
    ctx.Line("                      NATAL PLANET ASPECTS TO NATAL PLANETS");
    TriangularGrid(ctx, options(opt::ParallelOrb), [&](double s, int p1, int p2) {
        const FoundAspect found = NatalReportAspect(options, s, p1, p2);
        if (found.code != NoAspect && p1 != SouthNode) {
            list += NatalListLine(p1, p2, s, found.d);
        }
        return found.code;
    });
    FirstLegendLines(ctx, true);
    if (options(opt::MinorAspects) != 0) {
        ctx.Line("   36  = semi-quintile  40 = nonagen          72 = quintile       108 = trecile");
        ctx.Line("  144  = bi-quintile");
    }
    ctx.Blank();
    ctx.Blank();
    if (options(opt::ExtraPoints) == 1) {
        list +=
            ExtraPointListLines(options, ctx.session.charts.working.points.longitude, extraPoints);
    }
    ctx.Line(list);
}

void ProgressedAspectGrid(ReportContext& ctx) {
    ctx.Blank();
    ctx.Line("                 PROGRESSED PLANET ASPECTS TO PROGRESSED PLANETS");
    TriangularGrid(ctx, 1, [](double s, int, int) { return FixedTest(s).code; });
    FirstLegendLines(ctx, false);
}

void ProgressedToNatalGrid(ReportContext& ctx) {
    const ChartStore& charts = ctx.session.charts;
    ctx.Blank();
    ctx.Line("  " + ctx.session.natal.name + "'s PROGRESSED PLANET ASPECTS TO NATAL PLANETS");
    ctx.Line("  (Dn = Progressed planets, Across = Natal planets)");
    CrossChartGrid(ctx,
                   {charts.progressed.points.longitude, charts.natal.points.longitude,
                    charts.progressed.points.declination, charts.natal.points.declination},
                   [](double s, int, int) { return FixedTest(s); });
}

void NatalToSecondPersonGrid(ReportContext& ctx) {
    const ChartStore& charts = ctx.session.charts;
    const std::string& natal = ctx.session.natal.name;
    const std::string& second = ctx.session.secondPersonName;
    ctx.Blank();
    ctx.Line("  " + natal + "'s NATAL PLANET ASPECTS TO " + second + "'s NATAL PLANETS");
    ctx.Line("  (Dn = " + natal + ", Across = " + second + ")");
    const OptionTable& options = ctx.session.options;
    CrossChartGrid(ctx,
                   {charts.natal.points.longitude, charts.transit.points.longitude,
                    charts.natal.points.declination, charts.transit.points.declination},
                   [&options](double s, int r, int c) { return SynastryTest(s, r, c, options); });
}

}  // namespace solvaris
