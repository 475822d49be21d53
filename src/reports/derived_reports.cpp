#include "reports/derived_reports.hpp"

#include <cmath>

#include "base/format_pattern.hpp"
#include "engine/angles.hpp"
#include "reports/emphasis_summary.hpp"
#include "reports/headings.hpp"
#include "reports/position_format.hpp"

namespace solvaris {

namespace {

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// Position line steps 1 and 2 without the declination: the solar-arc list.
void DirectionList(ReportContext& ctx) {
    const WorkingSet& w = ctx.session.charts.working;
    ctx.Blank();
    for (int p : kPositionListOrder) {
        ctx.Line(PositionLineStart(w, p) + Blanks(16));
    }
}

std::string LongitudeCell(double longitude, char mark) {
    std::string cell = LongitudeDM(longitude);
    cell += ' ';
    cell += mark;
    cell += ' ';
    return cell;
}

std::string DeclinationCell(double declination) { return DeclinationDM(declination) + "   "; }

}  // namespace

std::string SolarArcLine(const ChartStore& charts, const BirthData& diurnal) {
    const double arc = charts.solarArc.arc;
    std::string text = "Solar arc is ";
    text += FormatNumber(std::trunc(arc), "##0");
    text += " degrees, ";
    text += TwoDigits(Split(std::fabs(arc)).minutes);
    text += " minutes (";
    text += FormatDate(diurnal.year, diurnal.month, diurnal.day);
    text += ')';
    return text;
}

void ProgressedPositions(ReportContext& ctx) {
    ChartStore& charts = ctx.session.charts;
    charts.kind = ChartKind::Progressed;
    ctx.Blank();
    ctx.Line("  PROGRESSED POSITIONS -  " + SolarArcLine(charts, ctx.session.diurnal));
    WorkingSet& w = charts.working;
    w.points = charts.progressed.points;
    w.cusps = charts.progressed.cusps;
    w.texts = charts.progressed.texts;
    const PointArray& p = charts.progressed.points.longitude;
    w.cusps[1] = p[Midheaven];
    w.cusps[4] = p[Ascendant];
    if (charts.houseSystem == HouseSystem::EqualAscendant) {
        w.cusps[1] = Normalize360(p[Ascendant] + 270);
    } else if (charts.houseSystem == HouseSystem::EqualMidheaven) {
        w.cusps[4] = Normalize360(p[Midheaven] + 90);
    } else if (charts.houseSystem == HouseSystem::WholeSign) {
        w.cusps[4] = 30 * std::floor(p[Ascendant] / 30);
        w.cusps[1] = Normalize360(w.cusps[4] + 270);
    }
    HouseCuspBlock(ctx);
    PositionList(ctx, ListDeclinations::Working);
    const PointArray& natal = charts.natal.points.longitude;
    ctx.Line("  Progressed  MC has traveled " +
             FormatNumber(Normalize360(p[Midheaven] - natal[Midheaven]), "#0.00") + " degrees.");
    ctx.Line("  Progressed ASC has traveled " +
             FormatNumber(Normalize360(p[Ascendant] - natal[Ascendant]), "#0.00") + " degrees.");
}

void SolarArcDirections(ReportContext& ctx) {
    ChartStore& charts = ctx.session.charts;
    charts.kind = ChartKind::SolarArc;
    ctx.Blank();
    ctx.Line("  SOLAR ARC DIRECTIONS - " + SolarArcLine(charts, ctx.session.diurnal));
    WorkingSet& w = charts.working;
    w.points.longitude = charts.solarArc.longitude;
    w.cusps = charts.solarArc.cusps;
    w.texts.retrogradeMarks = kNoRetrogradeMarks;
    HouseCuspBlock(ctx);
    DirectionList(ctx);
    w.points.longitude = charts.solarArc.converseLongitude;
    ctx.Blank();
    ctx.Blank();
    ctx.Line("  NATAL PLANETS MINUS SOLAR ARC");
    DirectionList(ctx);
}

void PositionsSummary(ReportContext& ctx) {
    const ChartStore& charts = ctx.session.charts;
    ctx.Blank();
    ctx.Line("  " + SolarArcLine(charts, ctx.session.diurnal));
    ctx.Blank();
    ctx.Line("  PLANET   NATAL LONG  NATAL D.  PROG LONG   PROG D.   SOLAR ARC   TRANSITS");
    ctx.Line("  ------   ----------  --------  ---------   -------   ---------   --------");
    const auto mark = [](const ChartTexts& texts, int p) { return texts.retrogradeMarks[p - 1]; };
    for (int p : kPositionListOrder) {
        std::string row = "  ";
        row += Field(std::string(kPointListNames[p].substr(0, 7)), 9);
        row += LongitudeCell(charts.natal.points.longitude[p], mark(charts.natal.texts, p));
        row += DeclinationCell(charts.natal.points.declination[p]);
        row +=
            LongitudeCell(charts.progressed.points.longitude[p], mark(charts.progressed.texts, p));
        row += DeclinationCell(charts.progressed.points.declination[p]);
        row += LongitudeCell(charts.solarArc.longitude[p], ' ');
        row += LongitudeCell(charts.transit.points.longitude[p], mark(charts.transit.texts, p));
        ctx.Line(row);
    }
    const BirthData& d = ctx.session.diurnal;
    ctx.Blank();
    ctx.Line("  Progressed, solar arc, and transit positions exact to " +
             FormatDate(d.year, d.month, d.day));
    // The natal note stands in the heading.
    const PlutoOutsideTheory& outside = charts.plutoOutsideTheory;
    PlutoOutsideTheoryLines(ctx, {false, outside.progressed, outside.transit});
}

void TransitData(ReportContext& ctx) {
    ChartStore& charts = ctx.session.charts;
    charts.kind = ChartKind::Transit;
    ctx.Blank();
    if (ctx.session.secondPerson) {
        ctx.Line("  " + ctx.session.secondPersonName + "'s NATAL POSITIONS");
    } else {
        ctx.Line("  TRANSIT POSITIONS");
    }
    ctx.Line(DiurnalDataLine(ctx.session.diurnal));
    ZodiacHeadingLine(ctx);
    WorkingSet& w = charts.working;
    w.points = charts.transit.points;
    w.cusps = charts.transit.cusps;
    w.texts = charts.transit.texts;
    HouseCuspBlock(ctx);
    if (ctx.session.secondPerson) {
        const ExtraAngles& x = charts.transit.extraAngles;
        ctx.Blank();
        SpecialPointLines(ctx, x.vertex, x.equatorialAscendant, x.coAscendant, x.polarAscendant);
        EmphasisSummary(ctx);
    }
    PositionList(ctx, ListDeclinations::Working);
}

}  // namespace solvaris
