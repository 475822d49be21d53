// The Qt printer into a PDF file, read back with poppler's pdftotext: the
// pages the print rules ask for, a file that cannot be written, and a line
// wider than the page squeezing the whole job alike, columns kept.
#include "gui/platform/qt_printer.hpp"

#include <gtest/gtest.h>

#include <regex>

#include "reports/print_file.hpp"
#include "support/run_program.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

TEST(QtPrinter, PdfPagesFollowThePrintRules) {
    testing::TempFolder folder;
    // 30 lines a page are far fewer than a page holds; 200 lines without an
    // option of their own (0) fill pages until the printer starts new ones:
    // 12 points a line leave some 60 lines on A4 or letter paper.
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
        ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_GE(testing::PdfPageCount(pdf), fewest);
        EXPECT_LE(testing::PdfPageCount(pdf), most);
    }
    const std::string failure = PrintLines(*PdfFilePrinter(folder / "no such folder" / "out.pdf"),
                                           kPrintPoints, {"a"}, 60, PageBreaks::EveryPage);
    EXPECT_NE(failure.find("out.pdf"), std::string::npos) << failure;
}

// A printed line as pdftotext finds it: its page and the page's width, its
// ends in points, its letters.
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
    const auto columns = [](int inked, int blanks = 0) {
        return std::string(static_cast<std::size_t>(inked), 'x') +
               std::string(static_cast<std::size_t>(blanks), ' ');
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
