// OutputD1 driven as a user drives it: the report the core made shown in
// columns, every menu command, Save and Save As written as the core saves,
// a failed save said, the More menu stepping the ephemeris and the transit
// interpretations, the window re-created after it is closed. Every report's
// text is held against its golden file once, in
// tests/reports/golden_reports_test.cpp.
#include "gui/reports/data_form.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetricsF>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <functional>

#include "engine/calendar.hpp"
#include "gui/reports/print_file_form.hpp"
#include "reports/saved_report.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::WindowDesk;

DataForm& Form(WindowDesk& desk) { return dynamic_cast<DataForm&>(desk.workstation.DataWindow()); }
QAction* Item(WindowDesk& desk, const char* name) { return Form(desk).findChild<QAction*>(name); }
std::string Shown(WindowDesk& desk) { return testing::TextShown(Form(desk), "Text1"); }

const ReportCommand& Command(std::string_view name) {
    for (const ReportCommand& command : DataMenuCommands()) {
        if (command.name == name) {
            return command;
        }
    }
    throw std::logic_error("no such report");
}

TEST(DataForm, ShowsTheReportInColumnsAndKeepsItWhenMinimised) {
    WindowDesk desk({.dataForm = true});
    ASSERT_TRUE(desk.workstation.ComputeChart());
    EXPECT_TRUE(Form(desk).isVisible());
    EXPECT_EQ(Form(desk).windowTitle().toStdString(), "SOLVARIS (Tropical zodiac) - Data");
    EXPECT_EQ(Shown(desk), testing::GoldenReport("new-york", "natal"));
    // Columns line up: every character as wide as every other.
    const QFontMetricsF metrics(testing::Control<QWidget>(Form(desk), "Text1").font());
    for (const char* text : {"iiiiiiiiii", "          ", "0123456789", "SUN   MC  "}) {
        EXPECT_EQ(metrics.horizontalAdvance(text), metrics.horizontalAdvance("WWWWWWWWWW"));
    }
    // Minimised, the window keeps what it showed; the report still goes
    // into the session.
    const int before = desk.session.reports.LineCount();
    Form(desk).showMinimized();
    ASSERT_TRUE(Form(desk).Minimised());
    desk.workstation.RunReport(Command("summary"));
    EXPECT_EQ(Shown(desk), testing::GoldenReport("new-york", "natal"));
    EXPECT_GT(desk.session.reports.LineCount(), before);
    EXPECT_TRUE(desk.platform.Messages().empty());
}

TEST(DataForm, EachMenuCommandDoesItsWork) {
    struct Case {
        const char* item;
        bool clearFirst;  // "Clear all data" before the command
        std::string message;
        std::function<void(WindowDesk&)> check;
    };
    const Case cases[] = {
        {"mnuClearBuffer", false, "All data cleared from buffer.",
         [](WindowDesk& desk) {
             EXPECT_EQ(desk.session.reports.LineCount(), 0);
             EXPECT_EQ(Shown(desk), testing::GoldenReport("new-york", "natal"));  // still shown
         }},
        {"mnuFileSave", true, "No data to write to file.", {}},
        {"mnuPrintData", true, "No data to print.", {}},
        // The current report still prints after the buffer was cleared.
        {"mnuPrint", true, "",
         [](WindowDesk& desk) {
             auto* prntFile = Form(desk).findChild<PrintFileForm*>("PrntFile");
             ASSERT_NE(prntFile, nullptr);
             EXPECT_TRUE(prntFile->isVisible());
         }},
        {"mnuHelp", false, "",
         [](WindowDesk& desk) {
             EXPECT_EQ(desk.session.reports.Current().front(),
                       ReadTextLines(desk.folder / "OUTPUTD1.HLP")->front());
         }},
        {"mnuFontsBold", false, "",
         [](WindowDesk& desk) {
             EXPECT_TRUE(testing::Control<QWidget>(Form(desk), "Text1").font().bold());
             EXPECT_EQ(desk.session.settings.fontBold, -1);
             Item(desk, "mnuFontsBold")->trigger();
             EXPECT_FALSE(testing::Control<QWidget>(Form(desk), "Text1").font().bold());
             EXPECT_EQ(desk.session.settings.fontBold, 0);
         }},
        {"mnuFontsItalic", false, "",
         [](WindowDesk& desk) {
             EXPECT_TRUE(testing::Control<QWidget>(Form(desk), "Text1").font().italic());
             EXPECT_TRUE(Item(desk, "mnuFontsItalic")->isChecked());
             EXPECT_EQ(desk.session.settings.fontItalic, -1);
         }},
        // 8.5 points less 0.75: the text at 7.75 and Decrease disabled.
        {"mnuFontsDecrease", false, "",
         [](WindowDesk& desk) {
             EXPECT_DOUBLE_EQ(testing::Control<QWidget>(Form(desk), "Text1").font().pointSizeF(),
                              7.75);
             EXPECT_DOUBLE_EQ(desk.session.settings.fontSize, 7.75);
             EXPECT_FALSE(Item(desk, "mnuFontsDecrease")->isEnabled());
             EXPECT_TRUE(Item(desk, "mnuFontsIncrease")->isEnabled());
         }},
        {"mnuFontsIncrease", false, "",
         [](WindowDesk& desk) {
             EXPECT_DOUBLE_EQ(testing::Control<QWidget>(Form(desk), "Text1").font().pointSizeF(),
                              9.25);
             EXPECT_DOUBLE_EQ(desk.session.settings.fontSize, 9.25);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        WindowDesk desk({.dataForm = true});
        ASSERT_TRUE(desk.workstation.ComputeChart());
        if (c.clearFirst) {
            Item(desk, "mnuClearBuffer")->trigger();
        }
        desk.platform.ClearMessages();
        Item(desk, c.item)->trigger();
        ASSERT_EQ(desk.platform.Messages().size(), c.message.empty() ? 0u : 1u);
        if (!c.message.empty()) {
            EXPECT_EQ(desk.platform.Messages()[0].text, c.message);
        }
        if (c.check) {
            c.check(desk);
        }
    }
}

TEST(DataForm, SaveAsThenSaveWriteTheSessionAndAFailureKeepsEverything) {
    WindowDesk desk({.dataForm = true});
    ASSERT_TRUE(desk.workstation.ComputeChart());
    desk.workstation.RunReport(Command("transit-data"));
    const auto saved = [&desk]() {
        return SavedReportText(desk.session.reports.Session(), desk.session.options);
    };
    // Save with no file yet is Save As; the chosen name gets ".doc".
    desk.platform.QueueChosenFile((desk.folder / "Golden").string());
    Item(desk, "mnuFileSave")->trigger();
    EXPECT_EQ(desk.folder.Read("Golden.doc"), saved());
    // Save again: the same file, replaced, no chooser asked.
    desk.workstation.RunReport(Command("summary"));
    Item(desk, "mnuFileSave")->trigger();
    EXPECT_EQ(desk.folder.Read("Golden.doc"), saved());
    EXPECT_TRUE(desk.platform.Messages().empty());

    // A folder that is not there: said, and nothing lost.
    const std::string path = (desk.folder / "no such folder" / "Golden.DOC").string();
    desk.platform.QueueChosenFile(path);
    const std::string shown = Shown(desk);
    Item(desk, "mnuFileSaveAs")->trigger();
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].title, "Error!");
    EXPECT_NE(desk.platform.Messages()[0].text.find(path), std::string::npos);
    EXPECT_EQ(Shown(desk), shown);
    EXPECT_EQ(desk.workstation.reportSaveFile, (desk.folder / "Golden.doc").string());
}

TEST(DataForm, MoreStepsTheEphemerisAndTheInterpretations) {
    WindowDesk desk({.dataForm = true});
    EXPECT_FALSE(Item(desk, "mnuMore")->isVisible());  // no ephemeris yet
    desk.platform.QueueAnswer(MessageAnswer::Yes);
    ASSERT_TRUE(desk.workstation.StartEphemeris());
    EXPECT_TRUE(Item(desk, "mnuMore")->isVisible());
    EXPECT_FALSE(Item(desk, "mnuMoreNewDate")->isVisible());
    for (const auto& [item, heading, day] :
         std::initializer_list<std::tuple<const char*, const char*, const char*>>{
             {"mnuMoreZForward", "Tuesday, 26 Dec 1950", "26"},
             {"mnuMoreBackward", "Tuesday, 05 Dec 1950", "5"}}) {
        Item(desk, item)->trigger();
        EXPECT_NE(
            desk.session.reports.Current()[1].find(std::string("Ephemeris starting ") + heading),
            std::string::npos)
            << desk.session.reports.Current()[1];
        EXPECT_EQ(desk.workstation.natalEntry.fields.day, day);
    }

    // The interpretations step a day at a time; New Date reports the day
    // the date window sets. Any other report ends the stepping.
    testing::TypeGoldenNewYork(desk.workstation.natalEntry, desk.workstation.diurnalEntry);
    desk.workstation.RunReport(Command("interpretations"));
    EXPECT_TRUE(Item(desk, "mnuMoreNewDate")->isVisible());
    QObject::connect(&Form(desk), &DataForm::newDateRequested, [&desk] {
        desk.workstation.ShowInterpretationsFrom(JulianDayNumber(2000, 3, 15));
    });
    for (const auto& [item, heading] : std::initializer_list<std::pair<const char*, const char*>>{
             {"mnuMoreZForward", "Sunday, 02 Jan 2000"},
             {"mnuMoreBackward", "Saturday, 01 Jan 2000"},
             {"mnuMoreNewDate", "Wednesday, 15 Mar 2000"}}) {
        Item(desk, item)->trigger();
        EXPECT_NE(desk.session.reports.Current()[3].find(heading), std::string::npos)
            << item << ": " << desk.session.reports.Current()[3];
    }
    ASSERT_TRUE(desk.workstation.ComputeChart());
    EXPECT_FALSE(Item(desk, "mnuMore")->isVisible());
}

TEST(DataForm, ClosedWindowComesBackWithTheNextReportWhereItWas) {
    WindowDesk desk({.dataForm = true});
    ASSERT_TRUE(desk.workstation.ComputeChart());
    QPointer<DataForm> first = &Form(desk);
    first->resize(800, 600);
    first->move(120, 90);
    first->close();
    testing::DiscardClosedWindows();
    EXPECT_TRUE(first.isNull());
    desk.workstation.RunReport(Command("summary"));
    EXPECT_TRUE(Form(desk).isVisible());
    EXPECT_EQ(Form(desk).pos(), QPoint(120, 90));
    EXPECT_EQ(Form(desk).size(), QSize(800, 600));
    // A placement off every screen comes back onto the primary one.
    Form(desk).close();
    testing::DiscardClosedWindows();
    desk.session.settings.dataLeft = 30000;
    desk.workstation.RunReport(Command("summary"));
    EXPECT_EQ(Form(desk).pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
}

TEST(DataForm, EscapeAndRightClickActivateTheMainWindow) {
    WindowDesk desk({.dataForm = true});
    QWidget main;
    main.show();
    desk.workstation.SetMainWindow(&main);
    ASSERT_TRUE(desk.workstation.ComputeChart());
    auto& text = testing::Control<QPlainTextEdit>(Form(desk), "Text1");
    for (const bool escape : {true, false}) {
        Form(desk).activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form(desk)));
        if (escape) {
            QTest::keyClick(&text, Qt::Key_Escape);
        } else {
            QTest::mouseClick(text.viewport(), Qt::RightButton);
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main)) << escape;
    }
}

}  // namespace
}  // namespace solvaris
