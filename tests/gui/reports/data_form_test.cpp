// OutputD1, PrntFile and TimelineRange driven as a user does. The rules: the
// golden reports, saved_report_test, tests/cli/report_command_test.
#include "gui/reports/data_form.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QPointer>

#include "engine/calendar.hpp"
#include "gui/reports/print_file_form.hpp"
#include "gui/reports/timeline_range_form.hpp"
#include "reports/print_file.hpp"
#include "reports/saved_report.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Shown;
using testing::TypeInto;
using testing::WindowDesk;

DataForm& Form(WindowDesk& desk) { return dynamic_cast<DataForm&>(desk.workstation.DataWindow()); }
QAction* Item(WindowDesk& desk, const char* name) { return Form(desk).findChild<QAction*>(name); }
std::string Shown(WindowDesk& desk) { return testing::Shown(Form(desk), "Text1"); }
QFont ShownFont(WindowDesk& desk) { return testing::Control<QWidget>(Form(desk), "Text1").font(); }

const ReportCommand& Command(std::string_view name) {
    const auto& commands = DataMenuCommands();
    return *std::find_if(commands.begin(), commands.end(),
                         [name](const ReportCommand& c) { return c.name == name; });
}

TEST(DataForm, ShowsTheReportInColumnsMinimisedOrClosedAndGivesWayToTheMain) {
    WindowDesk desk({.dataForm = true});
    QWidget main;
    main.show();
    desk.workstation.SetMainWindow(&main);
    ASSERT_TRUE(desk.workstation.ComputeChart());
    EXPECT_TRUE(Form(desk).isVisible());
    EXPECT_EQ(Shown(desk), testing::GoldenReport("new-york", "natal"));
    // Columns line up: every character as wide as every other.
    const QFontMetricsF metrics(ShownFont(desk));
    EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
    // Minimised, the window keeps what it showed; the session takes the report.
    const int before = desk.session.reports.LineCount();
    Form(desk).showMinimized();
    ASSERT_TRUE(Form(desk).Minimised());
    desk.workstation.RunReport(Command("summary"));
    EXPECT_EQ(Shown(desk), testing::GoldenReport("new-york", "natal"));
    EXPECT_GT(desk.session.reports.LineCount(), before);

    QPointer<DataForm> first = &Form(desk);
    first->showNormal();
    first->resize(800, 600);
    first->move(120, 90);
    first->close();
    testing::DiscardClosedWindows();
    EXPECT_TRUE(first.isNull());
    desk.workstation.RunReport(Command("summary"));
    EXPECT_TRUE(Form(desk).isVisible());
    EXPECT_EQ(QRect(Form(desk).pos(), Form(desk).size()), QRect(120, 90, 800, 600));

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

TEST(DataForm, EachMenuCommandDoesItsWork) {
    struct Case {
        const char* item;
        bool clearFirst;      // "Clear all data" before the command
        const char* message;  // "": none
        const char* opens;    // the window it opens, or nullptr
        const char* help;     // the help file whose first line the report begins with
        bool bold;            // Text1's font after it, and in the settings
        bool italic;
        double points;
    };
    const Case cases[] = {
        {"mnuClearBuffer", false, "All data cleared from buffer.", nullptr, nullptr, false, false,
         8.5},
        {"mnuFileSave", true, "No data to write to file.", nullptr, nullptr, false, false, 8.5},
        {"mnuPrintData", true, "No data to print.", nullptr, nullptr, false, false, 8.5},
        // The current report still prints after the buffer was cleared.
        {"mnuPrint", true, "", "PrntFile", nullptr, false, false, 8.5},
        {"mnuHelp", false, "", nullptr, "OUTPUTD1.HLP", false, false, 8.5},
        {"mnuFontsBold", false, "", nullptr, nullptr, true, false, 8.5},
        {"mnuFontsItalic", false, "", nullptr, nullptr, false, true, 8.5},
        // 8.5 points less 0.75: the smallest, Decrease disabled.
        {"mnuFontsDecrease", false, "", nullptr, nullptr, false, false, 7.75},
        {"mnuFontsIncrease", false, "", nullptr, nullptr, false, false, 9.25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        WindowDesk desk({.dataForm = true});
        ASSERT_TRUE(desk.workstation.ComputeChart());
        if (c.clearFirst) {
            Item(desk, "mnuClearBuffer")->trigger();
        }
        const std::string shown = Shown(desk);
        desk.platform.ClearMessages();
        Item(desk, c.item)->trigger();
        EXPECT_EQ(testing::Said(desk.platform), *c.message != '\0' ? c.message : "0 messages");
        EXPECT_EQ(testing::OpenWindow<QWidget>("PrntFile") != nullptr, c.opens != nullptr);
        if (c.help != nullptr) {
            EXPECT_EQ(desk.session.reports.Current().front(),
                      ReadTextLines(desk.folder / c.help)->front());
        } else {
            EXPECT_EQ(Shown(desk), shown);
        }
        const QFont font = ShownFont(desk);
        const Settings& s = desk.session.settings;
        EXPECT_EQ(std::tuple(font.bold(), font.italic(), font.pointSizeF()),
                  std::tuple(c.bold, c.italic, c.points));
        EXPECT_EQ(std::tuple(s.fontBold, s.fontItalic, s.fontSize),
                  std::tuple(c.bold ? -1 : 0, c.italic ? -1 : 0, c.points));
        EXPECT_EQ(Item(desk, "mnuFontsDecrease")->isEnabled(), c.points > 7.75);
    }
}

TEST(DataForm, MoreStepsTheEphemerisAndInterpretationsAndSavesWriteTheSession) {
    WindowDesk desk({.dataForm = true});
    EXPECT_FALSE(Item(desk, "mnuMore")->isVisible());  // no ephemeris yet
    desk.platform.QueueAnswer(MessageAnswer::Yes);
    ASSERT_TRUE(desk.workstation.StartEphemeris());
    EXPECT_TRUE(Item(desk, "mnuMore")->isVisible());
    EXPECT_FALSE(Item(desk, "mnuMoreNewDate")->isVisible());
    // The item, the report line that shows where it went, the text it shows.
    const auto step = [&desk](const char* item, std::size_t line, const std::string& heading) {
        Item(desk, item)->trigger();
        EXPECT_NE(desk.session.reports.Current()[line].find(heading), std::string::npos)
            << item << ": " << desk.session.reports.Current()[line];
    };
    step("mnuMoreZForward", 1, "Ephemeris starting Tuesday, 26 Dec 1950");
    EXPECT_EQ(desk.workstation.natalEntry.fields.day, "26");
    step("mnuMoreBackward", 1, "Ephemeris starting Tuesday, 05 Dec 1950");

    // The interpretations step a day at a time; New Date reports the day
    // the date window sets. Any other report ends the stepping.
    testing::TypeGoldenNewYork(desk.workstation.natalEntry, desk.workstation.diurnalEntry);
    desk.workstation.RunReport(Command("interpretations"));
    EXPECT_TRUE(Item(desk, "mnuMoreNewDate")->isVisible());
    QObject::connect(&Form(desk), &DataForm::newDateRequested, [&desk] {
        desk.workstation.ShowInterpretationsFrom(JulianDayNumber(2000, 3, 15));
    });
    step("mnuMoreZForward", 3, "Sunday, 02 Jan 2000");
    step("mnuMoreBackward", 3, "Saturday, 01 Jan 2000");
    step("mnuMoreNewDate", 3, "Wednesday, 15 Mar 2000");
    ASSERT_TRUE(desk.workstation.ComputeChart());
    EXPECT_FALSE(Item(desk, "mnuMore")->isVisible());
    desk.platform.ClearMessages();  // the ephemeris question
    desk.workstation.RunReport(Command("transit-data"));
    const auto saved = [&desk]() {
        return SavedReportText(desk.session.reports.Session(), desk.session.options);
    };
    // Save with no file yet is Save As; the name gets ".doc".
    desk.platform.QueueChosenFile((desk.folder / "Golden").string());
    Item(desk, "mnuFileSave")->trigger();
    EXPECT_EQ(desk.folder.Read("Golden.doc"), saved());
    // Save again: the same file, replaced, no chooser asked.
    desk.workstation.RunReport(Command("summary"));
    Item(desk, "mnuFileSave")->trigger();
    EXPECT_EQ(desk.folder.Read("Golden.doc"), saved());

    // A folder that is not there: said, and nothing lost.
    const std::string path = (desk.folder / "no such folder" / "Golden.DOC").string();
    desk.platform.QueueChosenFile(path);
    const std::string shown = Shown(desk);
    Item(desk, "mnuFileSaveAs")->trigger();
    EXPECT_NE(testing::Said(desk.platform).find(path), std::string::npos);
    EXPECT_EQ(Shown(desk), shown);
    EXPECT_EQ(desk.workstation.reportSaveFile, (desk.folder / "Golden.doc").string());
}

// Printed as shown: the first page break after option 30's 60 lines, the size
// the widest line allows.
TEST(PrintFileForm, PrintAndPrintDataSendWhatTheWindowShows) {
    for (const char* item : {"mnuPrint", "mnuPrintData"}) {
        SCOPED_TRACE(item);
        WindowDesk desk({.dataForm = true});
        ASSERT_TRUE(desk.workstation.ComputeChart());
        desk.workstation.RunReport(DataMenuCommands().front());
        std::vector<std::string> lines = std::string(item) == "mnuPrint"
                                             ? desk.session.reports.Current()
                                             : desk.session.reports.Session();
        lines.emplace_back();  // the spare empty slot
        Item(desk, item)->trigger();
        auto& form = testing::Control<PrintFileForm>(Form(desk), "PrntFile");
        EXPECT_EQ(testing::Shown(form, "txtContent"), JoinCrLf(lines));
        Click(form, "btnPrint");
        EXPECT_EQ(desk.printed.Lines(), lines);
        EXPECT_EQ(desk.printed.PageLengths().front(), 60u);
        EXPECT_EQ(desk.printed.fontSizePoints, 10);  // lines of 105 characters
    }
}

TEST(PrintFileForm, EditsPrintedCancelDialogCancelAndFailure) {
    struct Case {
        const char* button;
        bool dialogCancelled;
        std::string failure;
        bool stillOpen;
        int jobs;
    };
    for (const Case& c :
         {Case{"btnPrint", false, "", false, 1}, Case{"btnCancel", false, "", false, 0},
          Case{"btnPrint", true, "", true, 0}, Case{"btnPrint", false, "out of paper", true, 1}}) {
        SCOPED_TRACE(c.button + c.failure);
        WindowDesk desk;
        desk.folder.Write(std::string(kPrintFileName), "first\r\nsecond\r\n");
        desk.printed.failure = c.failure;
        if (c.dialogCancelled) {
            desk.workstation.SetPrinterChooser([] { return std::unique_ptr<Printer>(); });
        }
        PrintFileForm form(desk.workstation);
        form.show();
        auto& content = testing::Control<QPlainTextEdit>(form, "txtContent");
        content.selectAll();
        QTest::keyClicks(&content, "Only this");
        Click(form, c.button);
        EXPECT_EQ(form.isVisible(), c.stillOpen);
        EXPECT_EQ(desk.printed.jobsEnded, c.jobs);
        EXPECT_EQ(desk.printed.Lines(), std::vector<std::string>(c.jobs == 1, "Only this"));
        ASSERT_EQ(desk.platform.Messages().size(), c.failure.empty() ? 0u : 1u);
        if (!c.failure.empty()) {
            EXPECT_EQ(desk.platform.Messages()[0].title, "Error!");
            EXPECT_NE(desk.platform.Messages()[0].text.find(c.failure), std::string::npos);
        } else if (c.jobs == 1) {
            EXPECT_EQ(desk.folder.Read(std::string(kPrintFileName)), "Only this\r\n");
        }
    }
}

std::string Range(QWidget& form) {
    return Shown(form, "txtFromMonth") + "/" + Shown(form, "txtFromDay") + "/" +
           Shown(form, "txtFromYear") + " " + Shown(form, "txtToMonth") + "/" +
           Shown(form, "txtToDay") + "/" + Shown(form, "txtToYear");
}

// The range rules hold their table in tests/cli/report_command_test.cpp.
TEST(TimelineRangeForm, OKShowsTheTimelineOfTheKindsTickedAndAWrongRangeIsRefused) {
    WindowDesk desk({.goldenChart = false});
    // Before any chart the range starts today.
    EXPECT_EQ(Range(*std::make_unique<TimelineRangeForm>(desk.workstation)).substr(0, 9),
              "12/5/2026");
    testing::TypeGoldenNewYork(desk.workstation.natalEntry, desk.workstation.diurnalEntry);
    ASSERT_TRUE(desk.workstation.ComputeChart());
    const int shows = desk.dataWindow.shows;
    TimelineRangeForm form(desk.workstation);
    form.show();
    EXPECT_EQ(Range(form), "1/1/2000 12/31/2000");
    for (const auto& [control, keys, message] :
         std::initializer_list<std::tuple<const char*, const char*, const char*>>{
             {"txtFromMonth", "13", kTimelineDateError},
             {"txtToYear", "1999", "The range ends before it begins."}}) {
        TypeInto(form, control, keys);
        Click(form, "cmdOK");
        EXPECT_EQ(testing::Said(desk.platform), message);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(desk.dataWindow.shows, shows);
        desk.platform.ClearMessages();
        TypeInto(form, control, control == std::string("txtToYear") ? "2000" : "1");
    }
    Click(form, "chkProgressions");
    Click(form, "chkDirections");
    TypeInto(form, "txtToMonth", "3");
    Click(form, "cmdOK");
    EXPECT_TRUE(desk.platform.Messages().empty());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    const std::string& text = desk.dataWindow.text;
    EXPECT_NE(text.find("01 JAN 2000 to 31 MAR 2000"), std::string::npos) << text;
    EXPECT_NE(text.find("Tr. SUN       enters AQU"), std::string::npos) << text;
    EXPECT_EQ(text.find("Pr. "), std::string::npos);
    EXPECT_EQ(text.find("SA. "), std::string::npos);
}

bool Ticked(QWidget& form, const char* name) {
    return testing::Control<QCheckBox>(form, name).isChecked();
}

// The boxes mean what the command line's flags do: the Moon ticked alone
// gives what all four give; the next opening shows the boxes as left.
TEST(TimelineRangeForm, TheKindsReadAsTheCommandLineAndAreKeptBetweenOpenings) {
    WindowDesk desk;
    ASSERT_TRUE(desk.workstation.ComputeChart());
    std::string moonAlone;
    {
        TimelineRangeForm form(desk.workstation);
        form.show();
        EXPECT_TRUE(Ticked(form, "chkTransits") && Ticked(form, "chkProgressions") &&
                    Ticked(form, "chkDirections") && !Ticked(form, "chkMoon"));
        for (const char* box : {"chkTransits", "chkProgressions", "chkDirections", "chkMoon"}) {
            Click(form, box);
        }
        TypeInto(form, "txtFromMonth", "3");
        TypeInto(form, "txtFromDay", "3");
        TypeInto(form, "txtToMonth", "3");
        TypeInto(form, "txtToDay", "5");
        Click(form, "cmdOK");
        moonAlone = desk.dataWindow.text;
    }
    EXPECT_EQ(moonAlone.find("No events"), std::string::npos) << moonAlone;
    EXPECT_NE(moonAlone.find("Tr. MOON"), std::string::npos) << moonAlone;

    TimelineRangeForm again(desk.workstation);
    again.show();
    EXPECT_TRUE(!Ticked(again, "chkTransits") && !Ticked(again, "chkProgressions") &&
                !Ticked(again, "chkDirections") && Ticked(again, "chkMoon"));
    for (const char* box : {"chkTransits", "chkProgressions", "chkDirections"}) {
        Click(again, box);
    }
    TypeInto(again, "txtFromMonth", "3");
    TypeInto(again, "txtFromDay", "3");
    TypeInto(again, "txtToMonth", "3");
    TypeInto(again, "txtToDay", "5");
    Click(again, "cmdOK");
    EXPECT_EQ(desk.dataWindow.text, moonAlone);
}

// A timeline longer than the buffer's room ends on its count of the rest
// and the closing blank line, the buffer full and never refusing a line.
TEST(TimelineRangeForm, ALongTimelineIsCutShortWithinTheBuffer) {
    WindowDesk desk;
    ASSERT_TRUE(desk.workstation.ComputeChart());
    ReportBuffer& reports = desk.workstation.session().reports;
    reports.line = "filler";
    while (reports.LineCount() < kMaxReportLines - 20) {
        reports.AppendLine(desk.platform);
    }
    TimelineRangeForm form(desk.workstation);
    form.show();
    Click(form, "cmdOK");
    EXPECT_EQ(reports.LineCount(), kMaxReportLines);
    for (const ShownMessage& m : desk.platform.Messages()) {
        EXPECT_EQ(m.text.find("Buffer cannot hold"), std::string::npos) << m.text;
    }
    const std::string& text = desk.dataWindow.text;
    const std::size_t count = text.rfind("  ... ");
    ASSERT_NE(count, std::string::npos) << text;
    EXPECT_NE(
        text.find(" more events: clear the data or choose a shorter range.\r\n\r\n\r\n", count),
        std::string::npos)
        << text.substr(count);
}

}  // namespace
}  // namespace solvaris
