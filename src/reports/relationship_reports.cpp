#include "reports/relationship_reports.hpp"

#include <cmath>

#include "base/format_pattern.hpp"
#include "chart/composite_chart.hpp"
#include "chart/davison_chart.hpp"
#include "engine/calendar.hpp"
#include "reports/headings.hpp"
#include "reports/position_format.hpp"

namespace solvaris {

namespace {

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// "123 45'": degrees and minutes, rounded to the minute as a whole.
std::string DegreesMinutes(double degrees) {
    const long minutes = std::lround(degrees * 60);
    return std::to_string(minutes / 60) + " " + TwoDigits(static_cast<int>(minutes % 60)) + "'";
}

// "40 30' 15\" NORTH".
std::string PlaceAngle(double degrees, const char* positive, const char* negative) {
    const long seconds = std::lround(std::fabs(degrees) * 3600);
    return std::to_string(seconds / 3600) + " " + TwoDigits(static_cast<int>(seconds / 60 % 60)) +
           "' " + TwoDigits(static_cast<int>(seconds % 60)) + "\" " +
           (degrees < 0 ? negative : positive);
}

// "15:07:30 UT" from a fraction of the day.
std::string UniversalTime(double dayFraction) {
    const long seconds = std::lround(dayFraction * 86400);
    return TwoDigits(static_cast<int>(seconds / 3600)) + ":" +
           TwoDigits(static_cast<int>(seconds / 60 % 60)) + ":" +
           TwoDigits(static_cast<int>(seconds % 60)) + " UT";
}

std::string SecondName(const ReportSession& session) {
    return session.secondPerson ? session.secondPersonName : std::string("Second chart");
}

TwoBirths BirthsOf(const ReportSession& session) {
    return {session.natal, session.diurnal, session.charts.houseSystem, session.options,
            session.charts.ephemeris};
}

// Both persons with their birth data, the zodiac's line and the title.
void TwoPersonsHeading(ReportContext& ctx, const std::string& title) {
    ctx.Begin();
    ctx.Blank();
    ctx.Line("  " + ctx.session.natal.name);
    ctx.Line(BirthDataLine(ctx.session.natal));
    ctx.Line("  " + SecondName(ctx.session));
    ctx.Line(BirthDataLine(ctx.session.diurnal));
    ZodiacHeadingLine(ctx);
    ctx.Blank();
    ctx.Line("  " + title);
}

// The cusps and the positions of a chart put in the working set, which the
// natal report takes back; the chart kind stays natal, so houses show.
void CuspsAndPositions(ReportContext& ctx, const WorkingSet& chart) {
    ChartStore& charts = ctx.session.charts;
    const WorkingSet kept = charts.working;
    const ChartKind keptKind = charts.kind;
    charts.working = chart;
    charts.kind = ChartKind::Natal;
    HouseCuspBlock(ctx);
    PositionList(ctx, ListDeclinations::Working);
    ctx.Line(Blanks(51) + "Decl.");
    charts.working = kept;
    charts.kind = keptKind;
}

}  // namespace

void CompositeReport(ReportContext& ctx) {
    const std::optional<CompositeChart> c = CastComposite(BirthsOf(ctx.session));
    if (!c) {
        ctx.platform.ShowMessage(kRelationshipChartFault, "Error!", MessageIcon::Critical);
        return;
    }
    TwoPersonsHeading(ctx, "COMPOSITE CHART");
    ctx.Line("  Each planet, node and the Part of Fortune at the nearer midpoint of the two");
    ctx.Line("  charts' longitudes. The Midheaven at the nearer midpoint of the two");
    ctx.Line("  Midheavens; its right ascension on the ecliptic of the mean obliquity");
    ctx.Line("  (" + DegreesMinutes(c->obliquity) + ") is the RAMC (" + DegreesMinutes(c->ramc) +
             ") that gives the Ascendant and the cusps");
    ctx.Line("  at the mean latitude (" + PlaceAngle(c->latitude, "N", "S") + ").");
    ctx.Line("  Declinations: of the composite longitudes on the ecliptic (latitude 0).");
    CuspsAndPositions(ctx, {c->points, c->cusps, c->texts, {}});
    ctx.ShowComputed(ctx.session.charts.ephemeris);
}

void DavisonReport(ReportContext& ctx) {
    const DavisonResult result = CastDavison(BirthsOf(ctx.session));
    if (!result.chart) {
        ctx.platform.ShowMessage(result.problem, "Error!", MessageIcon::Critical);
        return;
    }
    const DavisonChart& d = *result.chart;
    const CivilDate date = CalendarDateOfDayNumber(d.moment.dayNumber);
    TwoPersonsHeading(ctx, "DAVISON CHART");
    ctx.Line("  Cast for the moment midway between the two births in universal time and the");
    ctx.Line("  place midway between the birthplaces on the great circle through them:");
    ctx.Line("  " + FormatDate(date.year, date.month, date.day) + "  " +
             UniversalTime(d.moment.dayFraction) + "   " +
             PlaceAngle(d.place.latitude, "NORTH", "SOUTH") + "   " +
             PlaceAngle(d.place.longitude, "WEST", "EAST"));
    ctx.Line(BirthDataLine(d.shown));
    if (d.plutoOutsideTheory) {
        ctx.Line(PlutoOutsideTheoryLine("the Davison chart's"));
    }
    const NatalSet& set = d.chart.set;
    ctx.Blank();
    SpecialPointLines(ctx, set.specialPoints[3], set.specialPoints[4], set.specialPoints[5],
                      set.specialPoints[6]);
    CuspsAndPositions(ctx, {set.points, set.cusps, set.texts, {}});
    ctx.ShowComputed(ctx.session.charts.ephemeris);
}

}  // namespace solvaris
