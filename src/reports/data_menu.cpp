#include "reports/data_menu.hpp"

#include "reports/derived_reports.hpp"
#include "reports/headings.hpp"

namespace solvaris {

namespace {

void Summary(ReportContext& ctx) {
    NatalHeading(ctx);
    PositionsSummary(ctx);
    ctx.Show();
}

void SolarArcData(ReportContext& ctx) {
    NatalHeading(ctx);
    SolarArcDirections(ctx);
    ctx.Show();
}

void TransitDataCommand(ReportContext& ctx) {
    ctx.Begin();
    TransitData(ctx);
    ctx.Show();
    ctx.session.charts.kind = ChartKind::Natal;
}

}  // namespace

const std::vector<ReportCommand>& PositionReportCommands() {
    static const std::vector<ReportCommand> commands = {
        {"natal", "mnuDataNatalData", NatalDataCommand},
        {"summary", "mnuDataSummary", Summary},
        {"solar-arc-data", "mnuDataSolarArcData", SolarArcData},
        {"transit-data", "mnuDataTransitData", TransitDataCommand},
    };
    return commands;
}

}  // namespace solvaris
