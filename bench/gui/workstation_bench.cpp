// The workstation as a user waits for it, offscreen: start-up to the main
// window shown, and OK in the natal entry window to the natal data report
// shown in the data window. Each beside its floor in the same run: an empty
// main window with a menu bar, and the same chart computed into the
// recording data window without any widget.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/compute_charts.hpp"
#include "gui/entry/natal_entry_form.hpp"
#include "gui/reports/data_form.hpp"
#include "gui/shell/start_up.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "support/scripted_platform.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

void CloseEveryWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A copy of the shipped folder: closing the main window writes its
// settings file there.
std::filesystem::path ProgramFolderCopy() {
    static const std::filesystem::path folder = [] {
        const auto copy = std::filesystem::temp_directory_path() /
                          ("solvaris_bench_" + std::to_string(::getpid()));
        std::filesystem::remove_all(copy);
        std::filesystem::copy(SOLVARIS_DATA_DIR, copy);
        return copy;
    }();
    return folder;
}

void BM_StartUpToMainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        Session session;
        session.folder = ProgramFolderCopy();
        ScriptedPlatform platform;
        Workstation workstation(session, platform);
        const auto main = StartUp(workstation, StartUpSteps{false});
        benchmark::DoNotOptimize(main->isVisible());
        state.PauseTiming();
        CloseEveryWindow();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);

void BM_EmptyMainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("&File"));
        window.show();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_EmptyMainWindowShown)->Unit(benchmark::kMillisecond);

void BM_OkToNatalReportShown(benchmark::State& state) {
    Session session;
    testing::OpenShippedSession(session);
    ScriptedPlatform platform;
    Workstation workstation(session, platform);
    InstallDataForm(workstation);
    testing::TypeGoldenNewYork(workstation.natalEntry, workstation.diurnalEntry);
    NatalEntryForm natal(workstation);
    natal.show();
    auto* ok = natal.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    for (auto _ : state) {
        QTest::mouseClick(ok, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    const auto* text = QApplication::activeWindow() != nullptr
                           ? QApplication::activeWindow()->findChild<QPlainTextEdit*>("Text1")
                           : nullptr;
    if (text == nullptr || text->toPlainText().isEmpty()) {
        state.SkipWithError("the natal report did not reach the data window");
    }
    CloseEveryWindow();
}
BENCHMARK(BM_OkToNatalReportShown)->Unit(benchmark::kMillisecond);

void BM_NatalReportWithoutWidgets(benchmark::State& state) {
    Session session;
    testing::OpenShippedSession(session);
    ScriptedPlatform platform;
    Workstation workstation(session, platform);
    testing::TypeGoldenNewYork(workstation.natalEntry, workstation.diurnalEntry);
    RecordingDataWindow window;
    for (auto _ : state) {
        session.reports.EmptySession();
        ComputeCharts(session, workstation.natalEntry, workstation.diurnalEntry,
                      workstation.houseSystem, platform, window);
        benchmark::DoNotOptimize(window.text.size());
    }
}
BENCHMARK(BM_NatalReportWithoutWidgets)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace solvaris

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(solvaris::ProgramFolderCopy());
    return 0;
}
