// The printed aspect grid reads the session's one orb table, as the grid window does.
#include "app/wheel_drawing.hpp"

#include <gtest/gtest.h>

#include "app/compute_charts.hpp"
#include "app/wheel_command.hpp"
#include "base/option_numbers.hpp"
#include "platform/headless/recording_canvas.hpp"
#include "support/golden_chart.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

TEST(WheelDrawing, PrintedAspectGridKeepsTheOrbsAFileDoesNotSet) {
    Session session;
    ScriptedPlatform platform;
    NatalEntryWindow natal;
    DiurnalEntryWindow diurnal;
    testing::OpenShippedSession(session);
    testing::TypeGoldenNewYork(natal, diurnal);
    ASSERT_TRUE(ComputeChartStore(session, natal, diurnal, HouseSystem::Placidus, platform));
    ASSERT_TRUE(RunWheelCommand(session, WheelKind::Natal, diurnal, platform));
    session.options.Set(opt::PrintedAspectGrid, 1);
    testing::TempFolder folder;
    folder.Write("SHORT.ORB", "  2.5  Conjunction\r\n  3.5  Sextile\r\n  4.5  Square\r\n\r\n");
    session.currentOrbFile = (folder / "SHORT.ORB").string();
    session.orbTable.fill(9);

    WheelDrawing drawing;
    ASSERT_EQ(LoadWheelDrawing(session, false, drawing), "");
    drawing.state.printMode = WheelPrintMode::FullPage;
    RecordingCanvas canvas;
    PaintSessionWheel(session, drawing, canvas, platform, 1024, 768);

    for (int entry = 1; entry <= kOrbEntries; ++entry) {  // the file's 2.5, 3.5, 4.5, then 9
        EXPECT_FLOAT_EQ(session.orbTable[entry], entry <= 3 ? 1.5f + entry : 9.0f) << entry;
    }
    EXPECT_TRUE(platform.Messages().empty());
}

}  // namespace
}  // namespace solvaris
