// The Qt printer into a PDF file: the pages the print rules ask for, the
// printer's own page break when the paper is full, a file that cannot be
// written reported.
#include "gui/platform/qt_printer.hpp"

#include <gtest/gtest.h>

#include <regex>

#include "reports/print_file.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

// The page objects of a PDF file: "/Type /Page" not followed by "s".
std::size_t PdfPageCount(const std::string& pdf) {
    static const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<std::size_t>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST(QtPrinter, PdfPagesFollowThePrintRules) {
    testing::TempFolder folder;
    struct Case {
        int lines;
        int pageLines;
        std::size_t pages;
    };
    // 30 lines a page are far fewer than a page holds; 200 lines without an
    // option of their own fill pages until the printer starts new ones.
    const Case cases[] = {{130, 60, 3}, {120, 60, 2}, {90, 30, 3}, {0, 60, 1}};
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        for (int i = 1; i <= c.lines; ++i) {
            lines.push_back("line " + std::to_string(i) + std::string(70, '-'));
        }
        const auto file = folder / ("out" + std::to_string(c.lines) + ".pdf");
        auto printer = PdfFilePrinter(file);
        EXPECT_EQ(PrintLines(*printer, kPrintPoints, lines, c.pageLines, PageBreaks::EveryPage),
                  "");
        const std::string pdf = folder.Read(file.filename().string());
        ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_EQ(PdfPageCount(pdf), c.pages) << c.lines;
    }

    // Without a page length the printer breaks where the paper ends: 12
    // points a line leave some 60 lines on A4 or letter paper.
    std::vector<std::string> many(200, std::string(80, 'x'));
    auto printer = PdfFilePrinter(folder / "many.pdf");
    EXPECT_EQ(PrintLines(*printer, kPrintPoints, many, 0, PageBreaks::EveryPage), "");
    const std::size_t pages = PdfPageCount(folder.Read("many.pdf"));
    EXPECT_GE(pages, 3u);
    EXPECT_LE(pages, 5u);

    auto unwritable = PdfFilePrinter(folder / "no such folder" / "out.pdf");
    const std::string failure =
        PrintLines(*unwritable, kPrintPoints, {"a"}, 60, PageBreaks::EveryPage);
    EXPECT_NE(failure.find("out.pdf"), std::string::npos) << failure;
}

}  // namespace
}  // namespace solvaris
