#include "reports/data_menu.hpp"

#include "base/option_numbers.hpp"
#include "chart/zodiac.hpp"
#include "reports/aspect_grids.hpp"
#include "reports/aspect_lists.hpp"
#include "reports/derived_reports.hpp"
#include "reports/harmonic_report.hpp"
#include "reports/headings.hpp"
#include "reports/lunations.hpp"
#include "reports/midpoint_report.hpp"
#include "reports/progressed_moon.hpp"
#include "reports/relationship_reports.hpp"
#include "reports/transit_interpretations.hpp"

namespace solvaris {

namespace {

void CopyToWorking(ReportContext& ctx, const PointSet& set) {
    ctx.session.charts.working.points.longitude = set.longitude;
    ctx.session.charts.working.points.declination = set.declination;
}

void NatalAspects(ReportContext& ctx) {
    CopyToWorking(ctx, ctx.session.charts.natal.points);
    NatalHeading(ctx);
    NatalAspectReport(ctx, ctx.session.charts.natal.extraPoints);
    ctx.ShowComputed(ctx.session.charts.ephemeris);
}

void ProgressionData(ReportContext& ctx) {
    NatalHeading(ctx);
    ProgressedPositions(ctx);
    CopyToWorking(ctx, ctx.session.charts.progressed.points);
    ProgressedAspectGrid(ctx);
    ctx.ShowComputed(ctx.session.charts.ephemeris);
}

void ProgressionAspectsNatal(ReportContext& ctx) {
    DualHeading(ctx);
    ctx.session.charts.working.points.longitude = ctx.session.charts.progressed.points.longitude;
    AspectList(ctx, ListReport::ProgressedToNatal);
    ctx.Blank();
    ProgressedToNatalGrid(ctx);
    ctx.ShowComputed(ctx.session.charts.ephemeris);
}

template <void (*Body)(ReportContext&)>
void UnderNatalHeading(ReportContext& ctx) {
    NatalHeading(ctx);
    Body(ctx);
    ctx.ShowComputed(ctx.session.charts.ephemeris);
}

template <void (*Body)(ReportContext&)>
void Dual(ReportContext& ctx) {
    DualHeading(ctx);
    Body(ctx);
    ctx.ShowComputed(ctx.session.charts.ephemeris);
}

template <ListReport Report>
void DualList(ReportContext& ctx) {
    DualHeading(ctx);
    AspectList(ctx, Report);
    ctx.ShowComputed(ctx.session.charts.ephemeris);
}

void TransitDataCommand(ReportContext& ctx) {
    ctx.Begin();
    TransitData(ctx);
    ctx.ShowComputed(ctx.session.charts.ephemeris);
    ctx.session.charts.kind = ChartKind::Natal;
}

// The second person's name and chart data under a heading, with the
// zodiac's line when no natal heading stands above.
enum class ZodiacLine { Shown, AboveAlready };
void SecondPersonLines(ReportContext& ctx, ZodiacLine zodiac) {
    ctx.Blank();
    ctx.Line("  " + ctx.session.secondPersonName);
    ctx.Line(DiurnalDataLine(ctx.session.diurnal));
    if (zodiac == ZodiacLine::Shown) {
        ZodiacHeadingLine(ctx);
    }
    if (ctx.session.charts.plutoOutsideTheory.transit) {
        ctx.Line(PlutoOutsideTheoryLine("the second person's"));
    }
    ctx.Blank();
}

void TransitsToNatal(ReportContext& ctx) {
    if (!ctx.session.secondPerson) {
        DualList<ListReport::TransitsToNatal>(ctx);
        return;
    }
    NatalHeading(ctx);
    SecondPersonLines(ctx, ZodiacLine::AboveAlready);
    NatalToSecondPersonGrid(ctx);
    ctx.ShowComputed(ctx.session.charts.ephemeris);
}

void TransitsToTransits(ReportContext& ctx) {
    if (!ctx.session.secondPerson) {
        DualList<ListReport::TransitsToTransits>(ctx);
        return;
    }
    CopyToWorking(ctx, ctx.session.charts.transit.points);
    ctx.Begin();
    SecondPersonLines(ctx, ZodiacLine::Shown);
    // The second person's chart is cast for the diurnal moment: its extra
    // points are those of that moment.
    const ChartStore& charts = ctx.session.charts;
    NatalAspectReport(ctx,
                      ctx.session.options(opt::ExtraPoints) == 1
                          ? ExtraPointsInZodiac(charts.ephemeris, charts.zodiac, charts.transit.jd)
                          : std::vector<ExtraPlace>{});
    ctx.ShowComputed(ctx.session.charts.ephemeris);
}

}  // namespace

const std::vector<ReportCommand>& DataMenuCommands() {
    static const std::vector<ReportCommand> commands = {
        {DataReport::Natal, "natal", "mnuDataNatalData", "&Data", NatalDataCommand},
        {DataReport::NatalAspects, "natal-aspects", "mnuDataNatalAspects", "&Aspects",
         NatalAspects},
        {DataReport::Summary, "summary", "mnuDataSummary", "&Summary",
         UnderNatalHeading<PositionsSummary>},
        {DataReport::ProgressionData, "progression-data", "mnuDataProgressionData",
         "&Data and Aspects", ProgressionData},
        {DataReport::ProgressionAspectsNatal, "progression-aspects-natal",
         "mnuDataProgressionAspectsNatal", "&Aspects to Natal", ProgressionAspectsNatal},
        {DataReport::ProgressionAspectsProgressed, "progression-aspects-progressed",
         "mnuDataProgressionsAspectsProgress", "Aspec&ts to Progressed",
         DualList<ListReport::ProgressedToProgressed>},
        {DataReport::ProgressionParallelsProgressed, "progression-parallels-progressed",
         "mnuDataProgParallelsProg", "Parallels to Pro&gressed", Dual<ProgressedParallels>},
        {DataReport::ProgressionMoonAspectsNatal, "progression-moon-aspects-natal",
         "mnuDataProgMoonAspectsNatal", "&Moon Aspects to Natal",
         Dual<ProgressedMoonAspectsToNatal>},
        {DataReport::ProgressionMoonAspectsProgressed, "progression-moon-aspects-progressed",
         "mnuDataProgMoonAspectsProg", "Moon Asp&ects to Progressed",
         Dual<ProgressedMoonAspectsToProgressed>},
        {DataReport::ProgressionMoonParallelsNatal, "progression-moon-parallels-natal",
         "mnuDataProgMoonParallelsNatal", "Moon &Parallels to Natal",
         Dual<ProgressedMoonParallelsToNatal>},
        {DataReport::SolarArcData, "solar-arc-data", "mnuDataSolarArcData", "&Data",
         UnderNatalHeading<SolarArcDirections>},
        {DataReport::SolarArcAspectsNatal, "solar-arc-aspects-natal",
         "mnuDataSolarArcAspectstoNatal", "&Aspects to Natal",
         DualList<ListReport::SolarArcToNatal>},
        {DataReport::TransitData, "transit-data", "mnuDataTransitData", "&Data",
         TransitDataCommand},
        {DataReport::TransitAspectsNatal, "transit-aspects-natal", "mnuDataTransitsAspectstoNatal",
         "&Aspects to Natal", TransitsToNatal},
        {DataReport::TransitAspectsProgressed, "transit-aspects-progressed",
         "mnuDataTransitAspecttoProgressed", "Aspects to &Progressions",
         DualList<ListReport::TransitsToProgressed>},
        {DataReport::TransitAspectsSolarArc, "transit-aspects-solar-arc",
         "mnuDataTransitAspectstoSolarArc", "Aspects to &Solar Arc",
         DualList<ListReport::TransitsToSolarArc>},
        {DataReport::TransitAspectsTransits, "transit-aspects-transits",
         "mnuDataTransitAspectsToTransits", "Aspects to &Transits", TransitsToTransits},
        {DataReport::Lunations, "lunations", "mnuDataTransitLunations", "&Lunations",
         UnderNatalHeading<LunationsReport>},
        {DataReport::Interpretations, "interpretations", "mnuDataTransitInterpretations",
         "&Interpretations", TransitInterpretationsCommand},
        {DataReport::Composite, "composite", "mnuDataTransitComposite", "&Composite Chart",
         CompositeReport},
        {DataReport::Davison, "davison", "mnuDataTransitDavison", "Da&vison Chart", DavisonReport},
        {DataReport::Midpoints, "midpoints", "mnuDataNatalMidpoints", "&Midpoints",
         UnderNatalHeading<MidpointReport>},
        {DataReport::Harmonic, "harmonic", "mnuDataNatalHarmonic", "&Harmonic",
         UnderNatalHeading<HarmonicReport>},
    };
    return commands;
}

const ReportCommand& DataMenuCommand(DataReport report) {
    return DataMenuCommands()[static_cast<std::size_t>(report)];
}

}  // namespace solvaris
