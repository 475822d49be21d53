// PrntFile: the report handed over through PRNTFILE.XXX printed in the size
// its widest line allows, the first page break after option 30 lines;
// edits printed; cancel, a cancelled print dialog and a failed print. The
// page and size rules hold their table in tests/reports/saved_report_test.cpp.
#include "gui/reports/print_file_form.hpp"

#include <gtest/gtest.h>

#include <QAction>

#include "reports/print_file.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::WindowDesk;

// Print shows the current report, Print Data the whole session, each
// printed as shown: the first page break after 60 lines, the size the
// widest line allows.
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
        auto& data = dynamic_cast<DataForm&>(desk.workstation.DataWindow());
        testing::Control<QAction>(data, item).trigger();
        auto& form = testing::Control<PrintFileForm>(data, "PrntFile");
        EXPECT_EQ(testing::Shown(form, "txtContent"), JoinCrLf(lines));
        Click(form, "btnPrint");
        EXPECT_EQ(desk.printed.Lines(), lines);
        EXPECT_EQ(desk.printed.PageLengths().front(), 60u);
        EXPECT_EQ(desk.printed.fontSizePoints, 10);  // lines of 105 characters
        EXPECT_FALSE(form.isVisible());
        EXPECT_TRUE(desk.platform.Messages().empty());
    }
}

TEST(PrintFileForm, EditsAreWhatPrints) {
    WindowDesk desk;
    desk.folder.Write(std::string(kPrintFileName), "first\r\nsecond\r\n");
    PrintFileForm form(desk.workstation);
    auto& content = testing::Control<QPlainTextEdit>(form, "txtContent");
    content.selectAll();
    QTest::keyClicks(&content, "Only this");
    Click(form, "btnPrint");
    EXPECT_EQ(desk.printed.Lines(), std::vector<std::string>{"Only this"});
    EXPECT_EQ(desk.folder.Read(std::string(kPrintFileName)), "Only this\r\n");
}

TEST(PrintFileForm, CancelDialogCancelAndFailure) {
    struct Case {
        const char* button;
        bool dialogCancelled;
        std::string failure;
        bool stillOpen;
        int jobs;
    };
    for (const Case& c :
         {Case{"btnCancel", false, "", false, 0}, Case{"btnPrint", true, "", true, 0},
          Case{"btnPrint", false, "out of paper", true, 1}}) {
        SCOPED_TRACE(c.button + c.failure);
        WindowDesk desk;
        desk.folder.Write(std::string(kPrintFileName), "a line\r\n");
        desk.printed.failure = c.failure;
        if (c.dialogCancelled) {
            desk.workstation.SetPrinterChooser([] { return std::unique_ptr<Printer>(); });
        }
        PrintFileForm form(desk.workstation);
        form.show();
        Click(form, c.button);
        EXPECT_EQ(form.isVisible(), c.stillOpen);
        EXPECT_EQ(desk.printed.jobsEnded, c.jobs);
        ASSERT_EQ(desk.platform.Messages().size(), c.failure.empty() ? 0u : 1u);
        if (!c.failure.empty()) {
            EXPECT_EQ(desk.platform.Messages()[0].title, "Error!");
            EXPECT_NE(desk.platform.Messages()[0].text.find(c.failure), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace solvaris
