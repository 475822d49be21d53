// Start-up on a program folder: the house system of option 27, the entry
// windows at the present moment, the chart and wheel when option 210 asks; a
// missing wheel file said once. A house change keeps its report.
#include "gui/shell/start_up.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "gui/shell/title_form.hpp"
#include "gui/wheel/wheels_form.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::WindowDesk;

void SetStartOptions(WindowDesk& desk, int houseOption, int chartOption) {
    auto lines = *ReadTextLines(desk.folder / "OPTIONS.OPT");
    lines[27 - 1] = "    " + std::to_string(houseOption) + "  Houses";
    lines[210 - 1] = "    " + std::to_string(chartOption) + "  Start-up";
    desk.folder.Write("OPTIONS.OPT", JoinCrLf(lines));
}

QString ShownReport() {
    auto* data = testing::OpenWindow<QWidget>("OutputD1");
    return data ? testing::Control<QPlainTextEdit>(*data, "Text1").toPlainText() : QString();
}

TEST(StartUp, OpensTheMainWindowWithWhatTheFolderHolds) {
    struct Case {
        const char* what;
        int houseOption;
        int chartOption;
        const char* removed;
        const char* checkedHouse;
        bool wheelShown;
    };
    for (const Case& c : {
             Case{"Koch", 3, 0, nullptr, "mnuHouseKoch", false},
             Case{"Morinus, chart at start", 9, 1, nullptr, "mnuHouseMorinus", true},
             Case{"no RADIUS.DAT, chart at start", 9, 1, "RADIUS.DAT", "mnuHouseMorinus", false},
         }) {
        SCOPED_TRACE(c.what);
        WindowDesk desk({.goldenChart = false});
        SetStartOptions(desk, c.houseOption, c.chartOption);
        if (c.removed != nullptr) {
            std::filesystem::remove(desk.folder / c.removed);
        }
        const auto main = StartUp(desk.workstation, StartUpSteps{false});
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(main->isVisible());
        EXPECT_TRUE(main->findChild<QAction*>(c.checkedHouse)->isChecked());
        EXPECT_EQ(desk.platform.Messages().size(), c.removed ? 1u : 0u);
        EXPECT_FALSE(desk.platform.Busy());
        EXPECT_GE(desk.platform.BusyRequests(), 1);
        EXPECT_EQ(desk.workstation.natalEntry.txtName, "Now");
        for (const char* entry : {"InputD", "InputD1", "Names"}) {
            EXPECT_TRUE(testing::Control<QWidget>(*main, entry).isVisible()) << entry;
        }
        // The chart is computed whether or not its wheel can be drawn.
        EXPECT_EQ(ShownReport().contains(QStringLiteral("Morinus")), c.chartOption == 1);
        EXPECT_EQ(desk.session.natal.name.empty(), c.chartOption == 0);
        const auto* wheels = main->findChild<WheelsForm*>("Wheels");
        ASSERT_EQ(wheels != nullptr && wheels->isVisible(), c.wheelShown);
        if (c.wheelShown) {
            EXPECT_EQ(wheels->State().heading1[0], "Now - natal");
        }
        // The Input command brings a closed names list back.
        auto& names = testing::Control<QWidget>(*main, "Names");
        names.close();
        desk.workstation.AnnounceInputCommand();
        EXPECT_TRUE(names.isVisible());
        // "Click here for cities", the names list at the screen's right edge:
        // the cities list wholly on the screen; its own button comes back.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        names.move(screen.right() - names.frameGeometry().width() + 1, screen.top() + 40);
        testing::Click(names, "Command1");
        QWidget* cities = testing::OpenWindow<QWidget>("Geograph");
        ASSERT_NE(cities, nullptr);
        EXPECT_FALSE(names.isVisible());
        EXPECT_TRUE(screen.contains(cities->frameGeometry()));
        testing::Click(*cities, "Command1");
        EXPECT_TRUE(names.isVisible());
        // A house change's report in a new data window, also the same house again.
        for (int twice = 0; twice < 2 && c.chartOption == 1; ++twice) {
            main->findChild<QAction*>("mnuHouseKoch")->trigger();
            testing::DiscardClosedWindows();
            EXPECT_TRUE(ShownReport().contains(QStringLiteral("Koch")));
        }
        EXPECT_EQ(desk.platform.Messages().size(), c.removed ? 1u : 0u);
    }
}

TEST(StartUp, TheTitleClosesOnOK) {
    WindowDesk desk;
    TitleForm title(desk.workstation);
    QTimer::singleShot(0, [&title]() { testing::Click(title, "cmdOK"); });
    EXPECT_EQ(title.exec(), QDialog::Accepted);
}

}  // namespace
}  // namespace solvaris
