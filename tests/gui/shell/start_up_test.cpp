// Start-up on a program folder: the main window shown with the house system
// of option 27, the entry records at the present moment, the busy pointer
// back to normal, the entry windows open and the data window with the
// chart and the natal wheel when option 210 asks for it; a missing wheel
// data file said once, the chart still computed and the workstation still
// usable. A house change keeps its report. The title window's OK closes
// it.
#include "gui/shell/start_up.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "base/text_lines.hpp"
#include "gui/shell/title_form.hpp"
#include "gui/wheel/wheels_form.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

QWidget* TopLevel(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name)) {
            return window;
        }
    }
    return nullptr;
}

// The shipped folder with option 27 and option 210 set as asked.
void CopyShippedFolder(const testing::TempFolder& folder, int houseOption, int chartOption) {
    std::filesystem::copy(SOLVARIS_DATA_DIR, folder.path(),
                          std::filesystem::copy_options::recursive);
    auto lines = *ReadTextLines(folder / "OPTIONS.OPT");
    lines[27 - 1] = "    " + std::to_string(houseOption) + "  Houses";
    lines[210 - 1] = "    " + std::to_string(chartOption) + "  Start-up";
    folder.Write("OPTIONS.OPT", JoinCrLf(lines));
}

TEST(StartUp, OpensTheMainWindowWithWhatTheFolderHolds) {
    struct Case {
        const char* what;
        int houseOption;
        int chartOption;
        const char* removed;
        const char* checkedHouse;
        std::size_t messages;
        bool chartShown;
        bool wheelShown;
    };
    const Case cases[] = {
        {"shipped", 1, 0, nullptr, "mnuHousePlacidus", 0, false, false},
        {"Koch", 3, 0, nullptr, "mnuHouseKoch", 0, false, false},
        {"Morinus, chart at start", 9, 1, nullptr, "mnuHouseMorinus", 0, true, true},
        {"no RADIUS.DAT", 1, 0, "RADIUS.DAT", "mnuHousePlacidus", 1, false, false},
        {"no RADIUS.DAT, chart at start", 9, 1, "RADIUS.DAT", "mnuHouseMorinus", 1, true, false},
    };
    for (const Case& c : cases) {
        testing::TempFolder folder;
        CopyShippedFolder(folder, c.houseOption, c.chartOption);
        if (c.removed != nullptr) {
            std::filesystem::remove(folder / c.removed);
        }
        Session session;
        session.folder = folder.path();
        ScriptedPlatform platform;
        platform.SetNow({2026, 12, 5, 14, 5, 0});
        Workstation workstation(session, platform);
        const auto main = StartUp(workstation, StartUpSteps{false});
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(main->isVisible()) << c.what;
        EXPECT_EQ(main->objectName(), "SOLVARIS");
        EXPECT_TRUE(main->findChild<QAction*>(c.checkedHouse)->isChecked()) << c.what;
        EXPECT_EQ(platform.Messages().size(), c.messages) << c.what;
        EXPECT_FALSE(platform.Busy()) << c.what;
        EXPECT_GE(platform.BusyRequests(), 1) << c.what;
        EXPECT_EQ(workstation.natalEntry.txtName, "Now") << c.what;
        EXPECT_EQ(workstation.natalEntry.txtYear, "2026") << c.what;
        for (const char* entry : {"InputD", "InputD1", "Names"}) {
            const auto* form = main->findChild<QWidget*>(QString::fromLatin1(entry));
            ASSERT_NE(form, nullptr) << entry;
            EXPECT_TRUE(form->isVisible()) << c.what << ": " << entry;
        }
        const QWidget* data = TopLevel("OutputD1");
        EXPECT_EQ(data != nullptr && data->isVisible(), c.chartShown) << c.what;
        if (c.chartShown) {
            const auto* text = data->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
            ASSERT_NE(text, nullptr);
            EXPECT_NE(text->toPlainText().indexOf(QStringLiteral("Morinus")), -1);
        }
        // The chart is computed whether or not its wheel can be drawn.
        EXPECT_EQ(session.natal.name.empty(), c.chartOption == 0) << c.what;
        const auto* wheels = main->findChild<WheelsForm*>("Wheels");
        EXPECT_EQ(wheels != nullptr && wheels->isVisible(), c.wheelShown) << c.what;
        if (c.wheelShown && wheels != nullptr) {
            EXPECT_EQ(wheels->State().heading1[0], "Now - natal");
            EXPECT_EQ(wheels->State().family, 1);
            EXPECT_EQ(session.currentOrbFile, (folder.path() / "NATAL.ORB").string());
        }
        EXPECT_GT(workstation.twipsPerPixel, 0) << c.what;
        // The Input command brings a closed names list back.
        auto* names = main->findChild<QWidget*>(QStringLiteral("Names"));
        names->close();
        workstation.AnnounceInputCommand();
        EXPECT_TRUE(names->isVisible()) << c.what;
        // "Click here for cities" goes to the cities list, wholly on the
        // screen though the names list stands at its right edge; its own
        // button comes back to the names.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        names->move(screen.right() - names->frameGeometry().width() + 1, screen.top() + 40);
        QTest::mouseClick(names->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QWidget* cities = TopLevel("Geograph");
        ASSERT_NE(cities, nullptr) << c.what;
        EXPECT_TRUE(cities->isVisible() && !names->isVisible()) << c.what;
        EXPECT_TRUE(screen.contains(cities->frameGeometry()))
            << c.what << ": " << cities->frameGeometry().left() << "+"
            << cities->frameGeometry().width();
        QTest::mouseClick(cities->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        EXPECT_TRUE(names->isVisible()) << c.what;
        // The data window is made for this workstation: it goes with it.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The visible data window's text, when one is shown.
QString ShownReport() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("OutputD1") && window->isVisible()) {
            return window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
        }
    }
    return {};
}

// A house change with the data window open: the Input command closes that
// window, and the recomputed report appears in a new one and stays when the
// closed window is gone.
TEST(StartUp, HouseChangeWithTheDataWindowOpenShowsTheNewReport) {
    testing::TempFolder folder;
    CopyShippedFolder(folder, 1, 1);
    Session session;
    session.folder = folder.path();
    ScriptedPlatform platform;
    Workstation workstation(session, platform);
    const auto main = StartUp(workstation, StartUpSteps{false});
    ASSERT_NE(ShownReport().indexOf(QStringLiteral("Placidus")), -1);
    for (const char* item : {"mnuHouseKoch", "mnuHouseMorinus", "mnuHouseMorinus"}) {
        main->findChild<QAction*>(item)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QString expected = QString::fromLatin1(item).mid(8);
        EXPECT_NE(ShownReport().indexOf(expected), -1) << item;
    }
    EXPECT_TRUE(platform.Messages().empty());
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(StartUp, TitleWindowClosesOnOK) {
    Session session;
    ScriptedPlatform platform;
    Workstation workstation(session, platform);
    TitleForm title(workstation);
    EXPECT_EQ(title.objectName(), "TITLE");
    QTimer::singleShot(0, [&title]() {
        QTest::mouseClick(title.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    EXPECT_EQ(title.exec(), QDialog::Accepted);
}

}  // namespace
}  // namespace solvaris
