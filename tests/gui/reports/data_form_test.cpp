// OutputD1 driven as a user drives it: reports shown as the command line
// prints them, every menu command, Save and Save As written byte for byte,
// a failed save said, the More menu stepping the ephemeris and the transit
// interpretations, the window re-created after it is closed.
#include "gui/reports/data_form.hpp"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "base/text_lines.hpp"
#include "engine/calendar.hpp"
#include "gui/reports/data_window_fixture.hpp"
#include "gui/reports/print_file_form.hpp"

namespace solvaris {
namespace {

using testing::DataWindowFixture;
using testing::GoldenReport;

TEST(DataForm, ShowsEachReportAsTheCommandLinePrintsIt) {
    DataWindowFixture f;
    ASSERT_TRUE(f.workstation.ComputeChart());
    DataForm* form = f.Form();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle().toStdString(), "SOLVARIS (Tropical zodiac) - Data");
    EXPECT_EQ(form->ReportText(), GoldenReport("new-york", "natal"));
    EXPECT_EQ(f.Shown(), GoldenReport("new-york", "natal"));
    // Columns line up: every character as wide as every other.
    const QFontMetricsF metrics(f.Text1()->font());
    for (const char* text : {"iiiiiiiiii", "          ", "0123456789", "SUN   MC  "}) {
        EXPECT_EQ(metrics.horizontalAdvance(text), metrics.horizontalAdvance("WWWWWWWWWW"));
    }
    EXPECT_TRUE(f.platform.Messages().empty());

    for (const ReportCommand& command : DataMenuCommands()) {
        f.session.reports.EmptySession();
        f.workstation.RunReport(command);
        EXPECT_EQ(f.Shown(), GoldenReport("new-york", std::string(command.name))) << command.name;
    }

    // Minimised, the window keeps what it showed; the report still goes
    // into the session.
    const std::string shown = f.Shown();
    const int before = f.session.reports.LineCount();
    form->showMinimized();
    ASSERT_TRUE(form->Minimised());
    f.workstation.RunReport(f.Command("natal"));
    EXPECT_EQ(f.Shown(), shown);
    EXPECT_GT(f.session.reports.LineCount(), before);
}

TEST(DataForm, EachMenuCommandDoesItsWork) {
    struct Case {
        const char* item;
        bool clearFirst;  // "Clear all data" before the command
        std::string message;
        std::function<void(DataWindowFixture&)> check;
    };
    const Case cases[] = {
        {"mnuClearBuffer", false, "All data cleared from buffer.",
         [](DataWindowFixture& f) {
             EXPECT_EQ(f.session.reports.LineCount(), 0);
             EXPECT_EQ(f.Shown(), GoldenReport("new-york", "natal"));  // still shown
         }},
        {"mnuFileSave", true, "No data to write to file.", {}},
        {"mnuFileSaveAs", true, "No data to write to file.", {}},
        {"mnuPrintData", true, "No data to print.", {}},
        // The current report still prints after the buffer was cleared.
        {"mnuPrint", true, "",
         [](DataWindowFixture& f) {
             auto* prntFile = f.Form()->findChild<PrintFileForm*>("PrntFile");
             ASSERT_NE(prntFile, nullptr);
             EXPECT_TRUE(prntFile->isVisible());
         }},
        {"mnuHelp", false, "",
         [](DataWindowFixture& f) {
             const auto help = ReadTextLines(f.folder / "OUTPUTD1.HLP");
             ASSERT_TRUE(help);
             EXPECT_EQ(f.session.reports.Current().front(), help->front());
             EXPECT_EQ(f.session.reports.CurrentCount(), static_cast<int>(help->size()) + 2);
         }},
        {"mnuFontsBold", false, "",
         [](DataWindowFixture& f) {
             EXPECT_TRUE(f.Text1()->font().bold());
             EXPECT_TRUE(f.Item("mnuFontsBold")->isChecked());
             EXPECT_EQ(f.session.settings.fontBold, -1);
             f.Item("mnuFontsBold")->trigger();
             EXPECT_FALSE(f.Text1()->font().bold());
             EXPECT_EQ(f.session.settings.fontBold, 0);
         }},
        {"mnuFontsItalic", false, "",
         [](DataWindowFixture& f) {
             EXPECT_TRUE(f.Text1()->font().italic());
             EXPECT_TRUE(f.Item("mnuFontsItalic")->isChecked());
             EXPECT_EQ(f.session.settings.fontItalic, -1);
         }},
        // 8.5 points less 0.75: the text at 7.75 and Decrease disabled.
        {"mnuFontsDecrease", false, "",
         [](DataWindowFixture& f) {
             EXPECT_DOUBLE_EQ(f.Text1()->font().pointSizeF(), 7.75);
             EXPECT_DOUBLE_EQ(f.session.settings.fontSize, 7.75);
             EXPECT_FALSE(f.Item("mnuFontsDecrease")->isEnabled());
             EXPECT_TRUE(f.Item("mnuFontsIncrease")->isEnabled());
         }},
        {"mnuFontsIncrease", false, "",
         [](DataWindowFixture& f) {
             EXPECT_DOUBLE_EQ(f.Text1()->font().pointSizeF(), 9.25);
             EXPECT_DOUBLE_EQ(f.session.settings.fontSize, 9.25);
         }},
    };
    for (const Case& c : cases) {
        DataWindowFixture f;
        ASSERT_TRUE(f.workstation.ComputeChart());
        if (c.clearFirst) {
            f.Item("mnuClearBuffer")->trigger();
        }
        f.platform.ClearMessages();
        f.Item(c.item)->trigger();
        if (c.message.empty()) {
            EXPECT_TRUE(f.platform.Messages().empty()) << c.item;
        } else {
            ASSERT_EQ(f.platform.Messages().size(), 1u) << c.item;
            EXPECT_EQ(f.platform.Messages()[0].text, c.message);
            EXPECT_EQ(f.platform.Messages()[0].icon, MessageIcon::Exclamation);
        }
        if (c.check) {
            SCOPED_TRACE(c.item);
            c.check(f);
        }
    }
}

// The saved file read back: the session's lines with the spare empty line,
// a form-feed line after line 60 (option 45 is 61) and at the end.
void ExpectSavedSession(const std::string& bytes, const std::vector<std::string>& session) {
    std::vector<std::string> lines;
    std::vector<std::size_t> feedsAfter;
    for (const std::string& line : SplitLines(bytes)) {
        if (line == "\f") {
            feedsAfter.push_back(lines.size() - 1);
        } else {
            lines.push_back(line);
        }
    }
    std::vector<std::string> expected = session;
    expected.emplace_back();
    EXPECT_EQ(lines, expected);
    std::vector<std::size_t> feeds;
    for (std::size_t i = 60; i < expected.size(); i += 60) {
        feeds.push_back(i);
    }
    feeds.push_back(expected.size() - 1);
    EXPECT_EQ(feedsAfter, feeds);
}

TEST(DataForm, SaveAsThenSaveWriteTheSession) {
    DataWindowFixture f;
    ASSERT_TRUE(f.workstation.ComputeChart());
    // Reports without the aspect list, which is one entry of many lines.
    f.workstation.RunReport(f.Command("summary"));
    f.workstation.RunReport(f.Command("transit-data"));
    ASSERT_GT(f.session.reports.LineCount(), 121);  // two pages and more

    // Save with no file yet is Save As; the chosen name gets ".doc".
    f.platform.QueueChosenFile((f.folder / "Golden").string());
    f.Item("mnuFileSave")->trigger();
    EXPECT_TRUE(f.platform.Messages().empty());
    ExpectSavedSession(f.folder.Read("Golden.doc"), f.session.reports.Session());
    EXPECT_EQ(f.workstation.reportSaveFile, (f.folder / "Golden.doc").string());

    // Save again: the same file, replaced, no chooser asked.
    f.workstation.RunReport(f.Command("summary"));
    f.Item("mnuFileSave")->trigger();
    ExpectSavedSession(f.folder.Read("Golden.doc"), f.session.reports.Session());

    // Save As cancelled writes nothing.
    f.Item("mnuFileSaveAs")->trigger();
    EXPECT_FALSE(std::filesystem::exists(f.folder / "Golden.DOC"));
}

TEST(DataForm, AFailedSaveSaysSoAndKeepsEverything) {
    DataWindowFixture f;
    ASSERT_TRUE(f.workstation.ComputeChart());
    const std::string path = (f.folder / "no such folder" / "Golden.DOC").string();
    f.platform.QueueChosenFile(path);
    f.Item("mnuFileSaveAs")->trigger();
    ASSERT_EQ(f.platform.Messages().size(), 1u);
    EXPECT_EQ(f.platform.Messages()[0].title, "Error!");
    EXPECT_NE(f.platform.Messages()[0].text.find(path), std::string::npos);
    EXPECT_TRUE(f.Form()->isVisible());
    EXPECT_EQ(f.Shown(), GoldenReport("new-york", "natal"));
    EXPECT_TRUE(f.workstation.reportSaveFile.empty());  // Save asks again
    EXPECT_GT(f.session.reports.LineCount(), 0);
}

TEST(DataForm, MoreStepsTheEphemerisAndTheInterpretations) {
    DataWindowFixture f;
    EXPECT_FALSE(f.Item("mnuMore")->isVisible());  // no ephemeris yet
    ReportContext context{f.session, f.platform, f.workstation.DataWindow()};
    ASSERT_TRUE(StartEphemeris(context, f.workstation.natalEntry, f.workstation.houseSystem,
                               EphemerisHour::Midnight, f.workstation.ephemeris));
    EXPECT_TRUE(f.Item("mnuMore")->isVisible());
    EXPECT_FALSE(f.Item("mnuMoreNewDate")->isVisible());

    struct Step {
        const char* item;
        std::string firstDay;  // the heading's date
        std::string dayField;  // the natal entry's day afterwards
    };
    const Step steps[] = {
        {"mnuMoreZForward", "Tuesday, 26 Dec 1950", "26"},
        {"mnuMoreZForward", "Tuesday, 16 Jan 1951", "16"},
        {"mnuMoreBackward", "Tuesday, 26 Dec 1950", "26"},
    };
    QSignalSpy entryChanged(&f.workstation, &Workstation::entryChanged);
    for (const Step& s : steps) {
        f.Item(s.item)->trigger();
        EXPECT_NE(f.session.reports.Current()[1].find("Ephemeris starting " + s.firstDay),
                  std::string::npos)
            << f.session.reports.Current()[1];
        EXPECT_EQ(f.workstation.natalEntry.txtDay, s.dayField);
    }
    EXPECT_EQ(entryChanged.count(), 3);

    // A natal data report in between: More stays and still pages the
    // ephemeris.
    testing::TypeGoldenNewYork(f.workstation.natalEntry, f.workstation.diurnalEntry);
    ASSERT_TRUE(f.workstation.ComputeChart());
    EXPECT_TRUE(f.Item("mnuMore")->isVisible());

    // The interpretations step a day at a time; New Date reports the day
    // the date window sets.
    f.workstation.RunReport(f.Command("interpretations"));
    EXPECT_TRUE(f.Item("mnuMoreNewDate")->isVisible());
    QObject::connect(f.Form(), &DataForm::newDateRequested,
                     [&f] { f.workstation.ShowInterpretationsFrom(JulianDayNumber(2000, 3, 15)); });
    const Step days[] = {
        {"mnuMoreZForward", "Sunday, 02 Jan 2000", ""},
        {"mnuMoreZForward", "Monday, 03 Jan 2000", ""},
        {"mnuMoreBackward", "Sunday, 02 Jan 2000", ""},
        {"mnuMoreNewDate", "Wednesday, 15 Mar 2000", ""},
        {"mnuMoreZForward", "Thursday, 16 Mar 2000", ""},
    };
    for (const Step& s : days) {
        f.Item(s.item)->trigger();
        EXPECT_NE(f.session.reports.Current()[3].find(s.firstDay), std::string::npos)
            << s.item << ": " << f.session.reports.Current()[3];
    }
    EXPECT_EQ(entryChanged.count(), 3);  // the interpretations leave the entry alone
    // Any other report ends the stepping of the interpretations.
    ASSERT_TRUE(f.workstation.ComputeChart());
    EXPECT_FALSE(f.Item("mnuMore")->isVisible());
    EXPECT_FALSE(f.Item("mnuMoreNewDate")->isVisible());
}

TEST(DataForm, ClosedWindowComesBackWithTheNextReportWhereItWas) {
    DataWindowFixture f;
    ASSERT_TRUE(f.workstation.ComputeChart());
    QPointer<DataForm> first = f.Form();
    first->resize(800, 600);
    first->move(120, 90);
    // 15 twips a pixel at 96 dots an inch.
    const double twips = 1440.0 / first->screen()->logicalDotsPerInch();
    EXPECT_EQ(f.session.settings.dataWidth, static_cast<std::int16_t>(800 * twips));
    EXPECT_EQ(f.session.settings.dataLeft, static_cast<std::int16_t>(120 * twips));
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());

    f.workstation.RunReport(f.Command("summary"));
    DataForm* second = f.Form();
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(f.Shown(), GoldenReport("new-york", "summary"));
    EXPECT_EQ(second->size(), QSize(800, 600));
    EXPECT_EQ(second->pos(), QPoint(120, 90));

    // A placement off every screen comes back onto the primary one.
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    f.session.settings.dataLeft = 30000;
    f.workstation.RunReport(f.Command("summary"));
    EXPECT_EQ(f.Form()->pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
}

TEST(DataForm, EscapeAndRightClickActivateTheMainWindow) {
    DataWindowFixture f;
    QWidget main;
    main.setObjectName("SOLVARIS");
    main.show();
    ASSERT_TRUE(f.workstation.ComputeChart());
    for (int press = 0; press < 2; ++press) {
        f.Form()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.Form()));
        if (press == 0) {
            QTest::keyClick(f.Text1(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(f.Text1()->viewport(), Qt::RightButton);
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main)) << press;
    }
}

}  // namespace
}  // namespace solvaris
