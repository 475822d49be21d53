// An ephemeris page (21 days of positions and lines) and a lunations search
// (thirteen new moons); the goal is under 5 ms each.
#include <benchmark/benchmark.h>

#include "platform/headless/recording_data_window.hpp"
#include "reports/ephemeris_report.hpp"
#include "reports/new_moons.hpp"
#include "support/scripted_platform.hpp"

namespace {

using namespace solvaris;

NatalEntryWindow EphemerisDate(int day, int month, int year) {
    NatalEntryWindow w;
    w.txtDay = std::to_string(day);
    w.txtMonth = std::to_string(month);
    w.txtYear = std::to_string(year);
    w.txtBirthHour = "12";
    w.txtBirthMinute = "0";
    w.txtTZ = "0";
    w.txtLongDeg = "0";
    w.txtLongMin = "0";
    w.txtLatDeg = "51";
    w.txtLatMin = "29";
    return w;
}

void BM_EphemerisPage(benchmark::State& state) {
    ReportSession session;
    ScriptedPlatform platform;
    RecordingDataWindow window;
    ReportContext ctx{session, platform, window};
    NatalEntryWindow natal = EphemerisDate(1, 1, 2000);
    HouseSystem houses = HouseSystem::Placidus;
    EphemerisPaging paging;
    RunEphemeris(ctx, natal, houses, paging);
    bool forward = true;
    for (auto _ : state) {
        // Keep the session buffer short of its capacity.
        session.reports.EmptySession();
        // Forward then Backward, so that the pages stay in the same weeks.
        const bool shown = forward ? EphemerisForward(ctx, natal, houses, paging)
                                   : EphemerisBackward(ctx, natal, houses, paging);
        if (!shown) {
            state.SkipWithError("the ephemeris page was refused");
            break;
        }
        forward = !forward;
    }
}
BENCHMARK(BM_EphemerisPage)->Unit(benchmark::kMicrosecond);

void BM_NewMoonLunationSearch(benchmark::State& state) {
    // T of 2026 March 15, less 31 days, stepped a lunation and a bit each run.
    double start = (2461114.5 - 31 - 2415020) / 36525;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindNewMoons(start));
        start += 31.3 / 36525;
    }
}
BENCHMARK(BM_NewMoonLunationSearch)->Unit(benchmark::kMicrosecond);

}  // namespace
