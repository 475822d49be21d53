// The position reports of the Data menu for one chart, each from its
// heading to ShowReport (the data window's text built), with the report
// buffer emptied between runs as the user's "Clear all data" would.
#include <benchmark/benchmark.h>

#include "app/session.hpp"
#include "chart/chart_sets.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/data_menu.hpp"
#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"

namespace {

using namespace solvaris;

void BM_PositionReport(benchmark::State& state) {
    const ReportCommand& command = DataMenuCommands()[static_cast<std::size_t>(state.range(0))];
    Session session;
    session.natal = Person(5, 12, 1950, 7.45f, "P.M.");
    session.natal.name = "Sample";
    session.diurnal = Person(1, 1, 2000, 12.00f, "P.M.");
    session.options.Set(212, 1);
    ComputeChartSets({session.natal, session.diurnal, AgeYears(session.natal, session.diurnal),
                      HouseSystem::Placidus, session.options, Ephemeris{}},
                     session.charts);
    ScriptedPlatform platform;
    RecordingDataWindow window;
    ReportContext ctx{session, platform, window};
    for (auto _ : state) {
        session.reports.EmptySession();
        command.run(ctx);
        benchmark::DoNotOptimize(window.text);
    }
    state.SetLabel(std::string(command.name));
}
BENCHMARK(BM_PositionReport)
    ->DenseRange(0, static_cast<int>(DataMenuCommands().size()) - 1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
