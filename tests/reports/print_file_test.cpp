// Printing a report: pages of option 30 lines (every page for the help, the
// first page only for the print-file window), the font chosen by the widest
// line, and the work file's text.
#include "reports/print_file.hpp"

#include <gtest/gtest.h>

#include "base/option_numbers.hpp"
#include "platform/headless/recording_printer.hpp"

namespace solvaris {
namespace {

std::vector<std::string> NumberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) {
        lines.push_back("line " + std::to_string(i));
    }
    return lines;
}

TEST(PrintFile, PagesFollowTheLinesPerPage) {
    struct Case {
        int lines;
        int pageLines;
        PageBreaks breaks;
        std::vector<std::size_t> pages;
    };
    const Case cases[] = {
        {130, 60, PageBreaks::EveryPage, {60, 60, 10}},
        {120, 60, PageBreaks::EveryPage, {60, 60}},  // no empty page after the last break
        {61, 60, PageBreaks::EveryPage, {60, 1}},
        {3, 1, PageBreaks::EveryPage, {1, 1, 1}},
        {150, 60, PageBreaks::AfterFirstPage, {60, 90}},
        {60, 60, PageBreaks::AfterFirstPage, {60}},
        {59, 60, PageBreaks::AfterFirstPage, {59}},
        {25, 0, PageBreaks::EveryPage, {25}},  // no option: the printer breaks
        {0, 60, PageBreaks::EveryPage, {}},
    };
    for (const Case& c : cases) {
        PrintRecord record;
        RecordingPrinter printer(record);
        const std::vector<std::string> lines = NumberedLines(c.lines);
        EXPECT_EQ(PrintLines(printer, 12, lines, c.pageLines, c.breaks), "");
        EXPECT_EQ(record.PageLengths(), c.pages) << c.lines << " lines, " << c.pageLines;
        EXPECT_EQ(record.jobsEnded, 1);
        EXPECT_EQ(record.pageLines, c.pageLines);
        EXPECT_EQ(record.fontName, "Courier New");
        EXPECT_EQ(record.Lines(), lines);  // every line once, in order
    }

    PrintRecord failing;
    failing.failure = "paper jam";
    RecordingPrinter printer(failing);
    EXPECT_EQ(PrintLines(printer, 12, NumberedLines(2), 60, PageBreaks::EveryPage), "paper jam");
}

TEST(PrintFile, OptionsFontAndWorkFile) {
    struct PageOption {
        float value;
        int lines;
    };
    for (const PageOption& c : {PageOption{60, 60}, PageOption{60.9f, 60}, PageOption{1, 1},
                                PageOption{0, 0}, PageOption{-5, 0}, PageOption{3e9f, 0}}) {
        OptionTable options;
        options.Set(opt::PrintedLinesPerPage, c.value);
        EXPECT_EQ(PrintedPageLines(options), c.lines) << c.value;
    }

    struct Wide {
        std::string line;
        bool wide;
    };
    // Characters are counted, not bytes: 80 letters with accents fit in 80.
    std::string accented;
    for (int i = 0; i < 80; ++i) {
        accented += "\xC3\xA9";
    }
    for (const Wide& c : {Wide{std::string(80, 'x'), false}, Wide{std::string(81, 'x'), true},
                          Wide{accented, false}, Wide{"", false}}) {
        EXPECT_EQ(IsWideText({"short", c.line}, 80), c.wide) << c.line.size();
        EXPECT_EQ(PrintPointsFor(c.wide), c.wide ? 10 : 12);
    }

    EXPECT_EQ(PrintFileText({"a", "", "  b"}), "a\r\n\r\n  b\r\n\r\n");
    EXPECT_EQ(PrintFileText({}), "\r\n");
    // Written back with one line end, never a second.
    EXPECT_EQ(PrintFileContent("a\r\nb"), "a\r\nb\r\n");
    EXPECT_EQ(PrintFileContent("a\r\nb\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(PrintFileContent(""), "\r\n");
}

}  // namespace
}  // namespace solvaris
