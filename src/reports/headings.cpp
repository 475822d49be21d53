#include "reports/headings.hpp"

#include <cmath>

#include "base/format_pattern.hpp"
#include "engine/ayanamsa.hpp"
#include "reports/emphasis_summary.hpp"
#include "reports/extra_point_lines.hpp"
#include "reports/position_format.hpp"

namespace solvaris {

namespace {

std::string DateOf(const BirthData& b) { return FormatDate(b.year, b.month, b.day); }

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

}  // namespace

std::string BirthDataLine(const BirthData& b) {
    std::string line = "  ";
    line += DateOf(b);
    line += "    TZ = ";
    line += FormatNumber(b.timeZone, "##0.0");
    line += "      ";
    line += FormatNumber(b.time, "#0.00");
    line += ' ';
    line += b.meridiem;
    line += "   ";
    line += FormatNumber(std::fabs(b.latitude), "##0.00");
    line += ' ';
    line += b.latitudeText;
    line += "    ";
    line += FormatNumber(std::fabs(b.longitude), "##0.00");
    line += ' ';
    line += b.longitudeText;
    return line;
}

std::string PlutoOutsideTheoryLine(std::string_view chart) {
    std::string line = "  NOTE: ";
    line += chart;
    line += " Pluto lies outside its theory's range (1885-2099); its position is approximate.";
    return line;
}

void PlutoOutsideTheoryLines(ReportContext& ctx, const PlutoOutsideTheory& which) {
    if (which.natal) {
        ctx.Line(PlutoOutsideTheoryLine("natal"));
    }
    if (which.progressed) {
        ctx.Line(PlutoOutsideTheoryLine("progressed"));
    }
    if (which.transit) {
        ctx.Line(PlutoOutsideTheoryLine("transiting"));
    }
}

void ZodiacHeadingLine(ReportContext& ctx) {
    if (const std::string zodiac = ZodiacHeading(ctx.session.charts.zodiac); !zodiac.empty()) {
        ctx.Line("  " + zodiac);
    }
}

void NatalHeading(ReportContext& ctx) {
    ctx.Begin();
    ctx.Blank();
    ctx.Line("  " + ctx.session.natal.name);
    ctx.Line(BirthDataLine(ctx.session.natal));
    ZodiacHeadingLine(ctx);
    PlutoOutsideTheoryLines(ctx, {ctx.session.charts.plutoOutsideTheory.natal, false, false});
}

void DualHeading(ReportContext& ctx) {
    NatalHeading(ctx);
    ctx.Line("  Diurnal date = " + DateOf(ctx.session.diurnal));
    const PlutoOutsideTheory& outside = ctx.session.charts.plutoOutsideTheory;
    PlutoOutsideTheoryLines(ctx, {false, outside.progressed, outside.transit});
}

std::string DiurnalDataLine(const BirthData& diurnal) { return BirthDataLine(diurnal); }

void HouseCuspBlock(ReportContext& ctx) {
    HouseCuspBlock(ctx, Info(ctx.session.charts.houseSystem).displayName);
}

void HouseCuspBlock(ReportContext& ctx, std::string_view housesName) {
    const ChartStore& charts = ctx.session.charts;
    ctx.Blank();
    ctx.Line("  HOUSE CUSPS - " + std::string(housesName));
    const auto cusp = [&](int slot, bool first) {
        std::string text = first ? "  " : " ";
        text += HouseLabel(slot);
        text += " house = ";
        text += LongitudeDM(charts.working.cusps[slot]);
        return text;
    };
    if (charts.kind == ChartKind::Progressed) {
        ctx.Line(cusp(1, true) + cusp(4, false));
        return;
    }
    for (int first = 1; first <= kCuspCount; first += 3) {
        ctx.Line(cusp(first, true) + cusp(first + 1, false) + cusp(first + 2, false));
    }
}

std::string PositionLineStart(const WorkingSet& w, int p) {
    std::string line = "  ";
    line += LongitudeDMS(w.points.longitude[p]);
    line += "   ";
    line += ReportName(p);
    line += w.texts.retrogradeMarks.substr(p - 1, 1);
    line += "    ";
    return line;
}

void PositionList(ReportContext& ctx, ListDeclinations declinations) {
    const ChartStore& charts = ctx.session.charts;
    const WorkingSet& w = charts.working;
    const bool houses = charts.kind == ChartKind::Natal ||
                        (charts.kind == ChartKind::Transit && ctx.session.secondPerson);
    ctx.Blank();
    for (int p : kPositionListOrder) {
        std::string line = PositionLineStart(w, p);
        if (houses) {
            line += '(';
            line += w.texts.housePositionText.substr(10 * (p - 1), 10);
            line += ")    ";
        } else {
            line += Blanks(16);
        }
        if (declinations == ListDeclinations::Natal) {
            line += DeclinationDM(charts.natal.points.declination[p]);
        } else if (declinations == ListDeclinations::Working) {
            line += DeclinationDM(w.points.declination[p]);
        }
        ctx.Line(line);
    }
    const bool declinationLine =
        declinations == ListDeclinations::Natal ||
        (declinations == ListDeclinations::Working &&
         (charts.kind == ChartKind::Progressed || charts.kind == ChartKind::Transit));
    if (declinationLine) {
        ctx.Line(Blanks(51) + "Decl.");
    }
    // The progressed and transit lists stand without the dual heading.
    const PlutoOutsideTheory& outside = charts.plutoOutsideTheory;
    PlutoOutsideTheoryLines(ctx, {false, charts.kind == ChartKind::Progressed && outside.progressed,
                                  charts.kind == ChartKind::Transit && outside.transit});
}

void SpecialPointLines(ReportContext& ctx, double vertex, double equatorial, double coAscendant,
                       double polar) {
    ctx.Line("  Vertex       =  " + LongitudeDM(vertex) + Blanks(10) +
             "Equatorial Ascendant =  " + LongitudeDM(equatorial));
    ctx.Line("  Co-Ascendant =  " + LongitudeDM(coAscendant) + Blanks(10) +
             "Polar Ascendant      =  " + LongitudeDM(polar));
}

void NatalDataReport(ReportContext& ctx) {
    ChartStore& charts = ctx.session.charts;
    charts.kind = ChartKind::Natal;
    charts.working.points = charts.natal.points;
    charts.working.cusps = charts.natal.cusps;
    charts.working.texts = charts.natal.texts;
    HouseCuspBlock(ctx);
    ctx.Blank();
    const auto& special = charts.natal.specialPoints;  // 3 Vertex ... 6 Polar Ascendant
    SpecialPointLines(ctx, special[3], special[4], special[5], special[6]);
    EmphasisSummary(ctx);
    PositionList(ctx, ListDeclinations::Natal);
    ctx.Blank();
    ctx.Line("  " + LongitudeDMS(charts.natal.trueNodeLongitude) + "   TRUE NORTH NODE" +
             Blanks(16) + DeclinationDMTruncated(charts.natal.trueNodeDeclination));
    ExtraPointLines(ctx);
}

void NatalDataCommand(ReportContext& ctx) {
    NatalHeading(ctx);
    NatalDataReport(ctx);
    // A zone found in the tz database says which rule it was.
    if (!ctx.session.natalZoneRule.empty()) {
        ctx.Blank();
        ctx.Line("  Time zone: " + ctx.session.natalZoneRule);
    }
    ctx.ShowComputed(ctx.session.charts.ephemeris);
}

}  // namespace solvaris
