// A single natal wheel painted onto the recording canvas (the layout and
// placement work alone); a single natal and a triple wheel repainted into a
// 1024 by 768 image through the Qt canvas, as the window repaints.
#include <benchmark/benchmark.h>

#include <QImage>

#include "app/wheel_command.hpp"
#include "app/wheel_drawing.hpp"
#include "chart/chart_sets.hpp"
#include "platform/headless/recording_canvas.hpp"
#include "platform/qt/image_export.hpp"
#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"

namespace {

using namespace solvaris;

struct PreparedWheel {
    Session session;
    ScriptedPlatform platform;
    WheelDrawing drawing;

    explicit PreparedWheel(WheelKind kind) {
        session.folder = SOLVARIS_SHIPPED_DATA_DIR;
        LoadOptions(session.folder / "OPTIONS.OPT", session.options);
        session.natal = Person(5, 12, 1950, 7.45f, "P.M.");
        session.natal.name = "Sample";
        session.diurnal = Person(1, 1, 2000, 12.00f, "P.M.");
        ComputeChartSets({session.natal, session.diurnal, AgeYears(session.natal, session.diurnal),
                          HouseSystem::Placidus, session.options, Ephemeris{}},
                         session.charts);
        RunWheelCommand(session, kind, DiurnalEntryWindow{}, platform);
        LoadWheelDrawing(session, false, drawing);
    }
};

void BM_WheelPaintRecording(benchmark::State& state) {
    PreparedWheel wheel(WheelKind::Natal);
    for (auto _ : state) {
        RecordingCanvas canvas;
        PaintSessionWheel(wheel.session, wheel.drawing, canvas, wheel.platform, 1024, 768);
        benchmark::DoNotOptimize(canvas.calls);
    }
}
BENCHMARK(BM_WheelPaintRecording)->Unit(benchmark::kMicrosecond);

void WheelRepaint(benchmark::State& state, WheelKind kind) {
    EnsureGuiApplication();
    PreparedWheel wheel(kind);
    // The wheel window's own repaint: a fresh image of its drawing area.
    for (auto _ : state) {
        benchmark::DoNotOptimize(PaintImage(1024, 768, 1.0, [&](Canvas& canvas) {
            PaintSessionWheel(wheel.session, wheel.drawing, canvas, wheel.platform, 1024, 768);
        }));
    }
}

void BM_WheelPaintImage(benchmark::State& state) { WheelRepaint(state, WheelKind::Natal); }
BENCHMARK(BM_WheelPaintImage)->Unit(benchmark::kMillisecond);

void BM_TripleWheelPaintImage(benchmark::State& state) {
    WheelRepaint(state, WheelKind::TripleProgressed);
}
BENCHMARK(BM_TripleWheelPaintImage)->Unit(benchmark::kMillisecond);

}  // namespace
