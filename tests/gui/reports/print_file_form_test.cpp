// PrntFile: the report handed over through PRNTFILE.XXX, printed in the
// size its widest line allows with the first page break after option 30
// lines; edits printed; cancel, a cancelled print dialog and a failed print.
#include "gui/reports/print_file_form.hpp"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "base/text_lines.hpp"
#include "gui/reports/data_window_fixture.hpp"
#include "reports/print_file.hpp"

namespace solvaris {
namespace {

using testing::DataWindowFixture;

QPushButton* Button(QWidget* form, const char* name) { return form->findChild<QPushButton*>(name); }

TEST(PrintFileForm, PrintPageSendsTheReportShown) {
    DataWindowFixture f;
    ASSERT_TRUE(f.workstation.ComputeChart());
    f.Item("mnuPrint")->trigger();
    auto* form = f.Form()->findChild<PrintFileForm*>("PrntFile");
    ASSERT_NE(form, nullptr);
    auto* content = form->findChild<QPlainTextEdit*>("txtContent");
    EXPECT_EQ(content->toPlainText().replace("\n", "\r\n").toStdString(),
              testing::GoldenReport("new-york", "natal"));
    EXPECT_TRUE(form->WideText());  // the natal report has lines of 105 characters

    QTest::mouseClick(Button(form, "btnPrint"), Qt::LeftButton);
    const auto golden =
        ReadTextLines(std::string(SOLVARIS_TEST_DATA_DIR) + "/reports/new-york/natal.txt");
    ASSERT_TRUE(golden);
    EXPECT_EQ(f.printed.Lines(), *golden);
    EXPECT_EQ(f.printed.PageLengths(), (std::vector<std::size_t>{60, golden->size() - 60}));
    EXPECT_EQ(f.printed.fontName, "Courier New");
    EXPECT_EQ(f.printed.fontSizePoints, 10);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(f.platform.Messages().empty());
}

TEST(PrintFileForm, SizeAndPagesFollowTheText) {
    struct Case {
        int lines;
        int width;  // characters of every line
        double points;
        std::vector<std::size_t> pages;
    };
    // Option 117 is 80 and option 30 is 60 in the shipped options.
    const Case cases[] = {
        {150, 80, 12, {60, 90}},
        {150, 81, 10, {60, 90}},
        {60, 20, 12, {60}},
        {1, 0, 12, {1}},
    };
    for (const Case& c : cases) {
        DataWindowFixture f;
        std::vector<std::string> lines(static_cast<std::size_t>(c.lines),
                                       std::string(static_cast<std::size_t>(c.width), 'x'));
        f.folder.Write(std::string(kPrintFileName), JoinCrLf(lines));
        PrintFileForm form(f.workstation);
        QTest::mouseClick(Button(&form, "btnPrint"), Qt::LeftButton);
        EXPECT_EQ(f.printed.fontSizePoints, c.points) << c.lines << "x" << c.width;
        EXPECT_EQ(f.printed.PageLengths(), c.pages) << c.lines << "x" << c.width;
        EXPECT_EQ(f.printed.Lines(), lines);
    }
}

TEST(PrintFileForm, EditsAreWhatPrints) {
    DataWindowFixture f;
    f.folder.Write(std::string(kPrintFileName), "first\r\nsecond\r\n");
    PrintFileForm form(f.workstation);
    auto* content = form.findChild<QPlainTextEdit*>("txtContent");
    content->selectAll();
    QTest::keyClicks(content, "Only this");
    QTest::mouseClick(Button(&form, "btnPrint"), Qt::LeftButton);
    EXPECT_EQ(f.printed.Lines(), std::vector<std::string>{"Only this"});
    EXPECT_EQ(f.folder.Read(std::string(kPrintFileName)), "Only this\r\n");
}

TEST(PrintFileForm, CancelDialogCancelAndFailure) {
    struct Case {
        const char* button;
        bool dialogCancelled;
        std::string failure;
        bool stillOpen;
        std::size_t messages;
        int jobs;
    };
    const Case cases[] = {
        {"btnCancel", false, "", false, 0, 0},
        {"btnPrint", true, "", true, 0, 0},
        {"btnPrint", false, "out of paper", true, 1, 1},
    };
    for (const Case& c : cases) {
        DataWindowFixture f;
        f.folder.Write(std::string(kPrintFileName), "a line\r\n");
        f.printed.failure = c.failure;
        if (c.dialogCancelled) {
            f.workstation.SetPrinterChooser([] { return std::unique_ptr<Printer>(); });
        }
        PrintFileForm form(f.workstation);
        form.show();
        QTest::mouseClick(Button(&form, c.button), Qt::LeftButton);
        EXPECT_EQ(form.isVisible(), c.stillOpen) << c.button << c.failure;
        EXPECT_EQ(f.printed.jobsEnded, c.jobs);
        ASSERT_EQ(f.platform.Messages().size(), c.messages);
        if (c.messages > 0) {
            EXPECT_EQ(f.platform.Messages()[0].title, "Error!");
            EXPECT_NE(f.platform.Messages()[0].text.find(c.failure), std::string::npos);
        }
    }
}

TEST(PrintFileForm, PrintDataSendsTheWholeSessionAndTheHelpPrints) {
    DataWindowFixture f;
    ASSERT_TRUE(f.workstation.ComputeChart());
    f.workstation.RunReport(f.Command("summary"));
    f.Item("mnuPrintData")->trigger();
    auto* form = f.Form()->findChild<PrintFileForm*>("PrntFile");
    ASSERT_NE(form, nullptr);
    QTest::mouseClick(Button(form, "btnPrint"), Qt::LeftButton);
    std::vector<std::string> session = f.session.reports.Session();
    session.emplace_back();  // the spare empty slot
    EXPECT_EQ(f.printed.Lines(), session);

    // Help > Print Help Files: the shipped HELPFILE, 60 lines on every page.
    PrintRecord help;
    f.workstation.SetPrinterChooser(RecordingPrinterChooser(help));
    ASSERT_TRUE(f.workstation.PrintHelp());
    const auto lines = ReadTextLines(f.folder / "HELPFILE");
    ASSERT_TRUE(lines);
    EXPECT_EQ(help.Lines(), *lines);
    const std::vector<std::size_t> pages = help.PageLengths();
    ASSERT_EQ(pages.size(), (lines->size() + 59) / 60);
    for (std::size_t p = 0; p + 1 < pages.size(); ++p) {
        EXPECT_EQ(pages[p], 60u);
    }
    EXPECT_EQ(help.fontSizePoints, 12);
}

}  // namespace
}  // namespace solvaris
