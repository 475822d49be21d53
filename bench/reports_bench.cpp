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
    w.fields.day = std::to_string(day);
    w.fields.month = std::to_string(month);
    w.fields.year = std::to_string(year);
    w.fields.hour = "12";
    w.fields.minute = "0";
    w.fields.zone = "0";
    w.fields.longDeg = "0";
    w.fields.longMin = "0";
    w.fields.latDeg = "51";
    w.fields.latMin = "29";
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
        benchmark::DoNotOptimize(FindNewMoons(Ephemeris{}, start));
        start += 31.3 / 36525;
    }
}
BENCHMARK(BM_NewMoonLunationSearch)->Unit(benchmark::kMicrosecond);

}  // namespace
