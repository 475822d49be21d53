// The shared command object: a computed chart and a Data-menu report reach
// the data window as the command line prints them; a refused entry computes
// nothing.
#include "gui/shell/workstation.hpp"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "gui/support/golden_session.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

TEST(Workstation, ReportsReachTheDataWindowAsTheCommandLinePrintsThem) {
    Session session;
    testing::OpenShippedSession(session);
    ScriptedPlatform platform;
    Workstation workstation(session, platform);
    RecordingDataWindow window;
    workstation.SetDataWindowFactory([&window]() -> DataWindowView& { return window; });
    testing::TypeGoldenNewYork(workstation.natalEntry, workstation.diurnalEntry);

    QSignalSpy computed(&workstation, &Workstation::chartComputed);
    ASSERT_TRUE(workstation.ComputeChart());
    EXPECT_EQ(computed.count(), 1);
    EXPECT_EQ(window.text, testing::GoldenReport("new-york", "natal"));

    for (const ReportCommand& command : DataMenuCommands()) {
        if (command.name == "interpretations") {
            continue;  // its window text depends on the texts' folder
        }
        session.reports.EmptySession();
        workstation.RunReport(command);
        EXPECT_EQ(window.text, testing::GoldenReport("new-york", std::string(command.name)))
            << command.name;
    }
}

TEST(Workstation, ARefusedEntryComputesNothing) {
    Session session;
    testing::OpenShippedSession(session);
    ScriptedPlatform platform;
    Workstation workstation(session, platform);
    testing::TypeGoldenNewYork(workstation.natalEntry, workstation.diurnalEntry);
    workstation.natalEntry.txtMonth = "13";

    QSignalSpy computed(&workstation, &Workstation::chartComputed);
    EXPECT_FALSE(workstation.ComputeChart());
    EXPECT_EQ(computed.count(), 0);
    EXPECT_FALSE(platform.Messages().empty());
}

}  // namespace
}  // namespace solvaris
