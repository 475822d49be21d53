// The Qt platform driven offscreen, its printer read back with pdftotext.
// SelectFIle's listing holds its table in tests/people/file_choice_test.cpp.
#include "gui/platform/qt_platform.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <regex>

#include "gui/platform/qt_printer.hpp"
#include "gui/platform/select_file_form.hpp"
#include "reports/print_file.hpp"
#include "support/run_program.hpp"
#include "support/temp_folder.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Lines;

// A box's text, title, icon, buttons and default button.
using SeenBox = std::tuple<QString, QString, QMessageBox::Icon, QMessageBox::StandardButtons,
                           QMessageBox::StandardButton>;

// Clicks `press` on the message box as soon as it is up (or presses Escape
// when `press` is NoButton) and keeps what it showed.
void AnswerNextBox(QMessageBox::StandardButton press, SeenBox& seen) {
    QTimer::singleShot(0, [press, &seen]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->text(), box->windowTitle(), box->icon(), box->standardButtons(),
                box->standardButton(box->defaultButton())};
        if (press == QMessageBox::NoButton) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            QTest::mouseClick(box->button(press), Qt::LeftButton);
        }
    });
}

TEST(QtPlatform, MessageBoxesShowTheirButtonsAndAnswerTheOneClicked) {
    using enum QMessageBox::StandardButton;
    struct Case {
        MessageButtons buttons;
        std::optional<MessageAnswer> defaultButton;
        QMessageBox::StandardButton press;  // NoButton: Escape
        QMessageBox::StandardButtons shown;
        QMessageBox::StandardButton shownDefault;
        MessageAnswer answer;
    };
    const Case cases[] = {
        {MessageButtons::Ok, std::nullopt, Ok, Ok, Ok, MessageAnswer::Ok},
        {MessageButtons::YesNo, MessageAnswer::No, Yes, Yes | No, No, MessageAnswer::Yes},
        {MessageButtons::YesNo, std::nullopt, NoButton, Yes | No, Yes, MessageAnswer::No},
        {MessageButtons::YesNoCancel, MessageAnswer::Cancel, No, Yes | No | Cancel, Cancel,
         MessageAnswer::No},
        {MessageButtons::YesNoCancel, std::nullopt, NoButton, Yes | No | Cancel, Yes,
         MessageAnswer::Cancel},
        // A default the box does not have leaves the first button the default.
        {MessageButtons::YesNo, MessageAnswer::Cancel, Yes, Yes | No, Yes, MessageAnswer::Yes},
    };
    QtPlatform platform;
    for (const Case& c : cases) {
        SeenBox seen;
        AnswerNextBox(c.press, seen);
        const char* text = "Click 'YES' for full page chartwheel. Click 'NO' for half page.";
        const char* title = "Full page or half page chartwheel";
        EXPECT_EQ(
            platform.ShowMessage(text, title, MessageIcon::Question, c.buttons, c.defaultButton),
            c.answer)
            << &c - cases;
        EXPECT_TRUE(seen == SeenBox(text, title, QMessageBox::Question, c.shown, c.shownDefault))
            << &c - cases;
    }
}

TEST(QtPlatform, TheLocaleTheUniversalClockOutsideProgramsAndTheBusyPointer) {
    const std::tuple<const char*, DateOrder> dates[] = {
        {"yy/M/d", DateOrder::YearMonthDay},
        {"", DateOrder::MonthDayYear},
    };
    for (const auto& [format, order] : dates) {
        EXPECT_EQ(DateOrderOfFormat(QString::fromLatin1(format)), order) << format;
    }
    // A marker inside quotes is a word of the format, not the clock's.
    const std::tuple<const char*, bool> clocks[] = {{"HH 'Uhr' mm 'am'", false},
                                                    {"'at' h:mm a", true}};
    for (const auto& [format, twelve] : clocks) {
        EXPECT_EQ(TwelveHourClockOfFormat(QString::fromLatin1(format)), twelve) << format;
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QtPlatform platform;
    EXPECT_EQ(platform.UserDateOrder(), DateOrder::DayMonthYear);
    EXPECT_FALSE(platform.TwelveHourClock());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(platform.UserDateOrder(), DateOrder::MonthDayYear);
    EXPECT_TRUE(platform.TwelveHourClock());
    QLocale::setDefault(QLocale::system());
    const LocalDateTime now = platform.Now();
    const QDateTime read(QDate(now.year, now.month, now.day),
                         QTime(now.hour, now.minute, now.second), Qt::UTC);
    EXPECT_LE(std::abs(read.secsTo(QDateTime::currentDateTimeUtc())), 2);
    EXPECT_TRUE(platform.StartAndWait("/bin/true"));
    EXPECT_FALSE(platform.StartAndWait("/nonexistent/ATLAS.EXE"));
    {
        BusyPointer outer(platform);
        BusyPointer{platform};  // nested and released: the outer one still shows
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtPlatform, SavingChooserPreselectsAndAnswersTheChosenFile) {
    testing::TempFolder folder;
    const std::string report = (folder / "REPORT.FIL").string();
    // A new name typed over the proposed one, or the dialog cancelled.
    for (const auto& [typed, chosen] :
         {std::pair<const char*, std::string>{"OTHER.FIL", (folder / "OTHER.FIL").string()},
          {nullptr, ""}}) {
        QtPlatform platform;
        QString shownFile;
        QTimer::singleShot(0, [typed = typed, &shownFile]() {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (const auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) {
                shownFile = name->text();
            }
            if (typed == nullptr) {
                dialog->reject();
                return;
            }
            dialog->selectFile(QString::fromLatin1(typed));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        EXPECT_EQ(platform.ChooseSaveFile("*.FIL", report), chosen);
        EXPECT_EQ(shownFile, "REPORT.FIL");
    }
}

QListWidget& List(QWidget& chooser, const char* name) {
    return testing::Control<QListWidget>(chooser, name);
}

TEST(SelectFileForm, SelectDoubleClickCancelAndAnUnreadableFolder) {
    testing::TempFolder folder;
    for (const char* file : {"b.fil", "NAMES.FIL", "GA_MA.LL", "sub/OTHER.FIL"}) {
        std::filesystem::create_directories(folder / "sub");
        folder.Write(file, "x\r\n");
    }
    ScriptedPlatform platform;
    const std::string here = folder.path().string();
    const std::vector<std::string> files = {"b.fil", "NAMES.FIL"};
    {
        SelectFileForm chooser(platform, "*.FIL", here + "/names.fil");
        chooser.show();
        EXPECT_EQ(Lines(List(chooser, "lstFiles")), files);
        EXPECT_EQ(List(chooser, "lstFiles").currentRow(), 1);
        testing::Click(chooser, "cmdSelect");
        EXPECT_EQ(chooser.result(), QDialog::Accepted);
        EXPECT_EQ(chooser.ChosenPath(), here + "/NAMES.FIL");
    }
    {
        SelectFileForm chooser(platform, "*.FIL", here + "/NAMES.FIL");
        chooser.show();
        testing::ClickLine(List(chooser, "lstFolders"), "sub", true);
        EXPECT_EQ(Lines(List(chooser, "lstFiles")), std::vector<std::string>{"OTHER.FIL"});
        EXPECT_EQ(testing::Control<QLabel>(chooser, "lblFolder").text().toStdString(),
                  here + "/sub");
        testing::ClickLine(List(chooser, "lstFolders"), "..", true);
        EXPECT_EQ(Lines(List(chooser, "lstFiles")), files);
        std::filesystem::remove_all(folder / "sub");
        testing::ClickLine(List(chooser, "lstFolders"), "sub", true);
        EXPECT_EQ(testing::Said(platform), "The folder " + here + "/sub cannot be read.");
        EXPECT_EQ(Lines(List(chooser, "lstFiles")), files);
        testing::ClickLine(List(chooser, "lstFiles"), "b.fil", true);
        EXPECT_EQ(chooser.result(), QDialog::Accepted);
        EXPECT_EQ(chooser.ChosenPath(), here + "/b.fil");
    }
    SelectFileForm chooser(platform, "*.FIL", here + "/NAMES.FIL");
    chooser.show();
    testing::Click(chooser, "cmdCancel");
    EXPECT_EQ(chooser.result(), QDialog::Rejected);
    EXPECT_EQ(chooser.ChosenPath(), "");
}

TEST(QtPrinter, PdfPagesFollowThePrintRules) {
    testing::TempFolder folder;
    // 200 lines without a page length of their own (0) fill pages until the
    // printer starts new ones: some 60 lines of 12 points on A4 or letter.
    const std::tuple<int, int, long, long> cases[] = {
        {130, 60, 3, 3}, {90, 30, 3, 3}, {0, 60, 1, 1}, {200, 0, 3, 5}};
    for (const auto& [count, pageLines, fewest, most] : cases) {
        SCOPED_TRACE(count);
        const std::vector<std::string> lines(count, std::string(70, '-'));
        const auto file = folder / ("out" + std::to_string(count) + ".pdf");
        EXPECT_EQ(PrintLines(*PdfFilePrinter(file), kPrintPoints, lines, pageLines,
                             PageBreaks::EveryPage),
                  "");
        const std::string pdf = testing::ReadBytes(file);
        EXPECT_GE(testing::PdfPageCount(pdf), fewest);
        EXPECT_LE(testing::PdfPageCount(pdf), most);
    }
    const std::string failure = PrintLines(*PdfFilePrinter(folder / "no such folder" / "out.pdf"),
                                           kPrintPoints, {"a"}, 60, PageBreaks::EveryPage);
    EXPECT_NE(failure.find("out.pdf"), std::string::npos) << failure;
}

// A printed line as pdftotext finds it: page, page width, ends in points, text.
struct PrintedWord {
    int page;
    double pageWidth;
    double left;
    double right;
    std::string text;
};

std::vector<PrintedWord> PrintedWords(const std::filesystem::path& pdf) {
    const std::string boxes = testing::RunShell("pdftotext -bbox", {pdf.string(), "-"}).out;
    static const std::regex item(
        R"re(<page width="([0-9.]+)"|<word xMin="([0-9.]+)"[^>]*xMax="([0-9.]+)"[^>]*>([^<]*)<)re");
    std::vector<PrintedWord> words;
    int page = -1;
    double width = 0;
    for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), item);
         it != std::sregex_iterator(); ++it) {
        if ((*it)[1].matched) {
            ++page;
            width = std::stod((*it)[1]);
        } else {
            words.push_back({page, width, std::stod((*it)[2]), std::stod((*it)[3]), (*it)[4]});
        }
    }
    return words;
}

TEST(QtPrinter, ALineWiderThanThePageSqueezesTheWholeJobAlike) {
    if (testing::RunShell("command -v pdftotext", {}).status != 0) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    const auto columns = [](std::size_t inked, std::size_t blanks = 0) {
        return std::string(inked, 'x') + std::string(blanks, ' ');
    };
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        int pageLines;
        bool squeezed;
        int pages;
    };
    const Case cases[] = {
        {"trailing blanks free", {columns(40), columns(40, 100), columns(60)}, 60, false, 1},
        {"a line of 150 columns", {columns(60), columns(150), columns(60)}, 60, true, 1},
        {"a wide line on the second page", {columns(60), columns(40), columns(150, 8)}, 2, true, 2},
    };
    // Courier's advance, 0.6 of its size.
    const double columnPoints = 0.6 * kPrintPoints;
    const testing::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto file = folder / "job.pdf";
        ASSERT_EQ(PrintLines(*PdfFilePrinter(file), kPrintPoints, c.lines, c.pageLines,
                             PageBreaks::EveryPage),
                  "");
        const std::vector<PrintedWord> words = PrintedWords(file);
        ASSERT_EQ(words.size(), c.lines.size());
        const double perColumn = (words[1].right - words[1].left) / words[1].text.size();
        EXPECT_EQ(perColumn < columnPoints - 0.1, c.squeezed) << perColumn;
        // The margins alike on both sides; the widest line fills the width.
        const double rightEdge = words[0].pageWidth - words[0].left;
        double widest = 0;
        for (const PrintedWord& word : words) {
            EXPECT_NEAR(word.left, words[0].left, 0.05) << word.text.size();
            EXPECT_NEAR((word.right - word.left) / word.text.size(), perColumn, 0.01);
            widest = std::max(widest, word.right);
        }
        EXPECT_LE(widest, rightEdge + 0.5);
        if (c.squeezed) {
            EXPECT_NEAR(widest, rightEdge, 1.0);
        }
        EXPECT_EQ(words.back().page + 1, c.pages);
    }
}

}  // namespace
}  // namespace solvaris
