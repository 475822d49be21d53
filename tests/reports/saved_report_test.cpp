// A report saved (form feeds, file name) and printed (pages, font, work
// file), and the data window's font steps.
#include "reports/saved_report.hpp"

#include <gtest/gtest.h>

#include <tuple>

#include "base/option_numbers.hpp"
#include "base/text_lines.hpp"
#include "platform/headless/recording_printer.hpp"
#include "reports/data_font.hpp"
#include "reports/print_file.hpp"

namespace solvaris {
namespace {

std::vector<std::string> NumberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) {
        lines.push_back("line " + std::to_string(i));
    }
    return lines;
}

TEST(SavedReport, FormFeedsFollowEveryPage) {
    // The lines a page, the lines, the indexes of the lines a form feed follows.
    using Case = std::tuple<float, int, std::vector<int>>;
    const Case cases[] = {
        {61, 130, {60, 120, 130}},  // 130 is the spare empty slot
        {61, 60, {60, 60}},         // the spare slot ends a page and the file
        {2, 3, {1, 2, 3, 3}},
        {1, 3, {3}},  // below 2: only the closing form feed
        {0, 1, {1}},
    };
    for (const auto& [pageLines, count, feedsAfter] : cases) {
        OptionTable options;
        options.Set(opt::SavedLinesPerPage, pageLines);
        std::vector<std::string> lines = NumberedLines(count);
        const std::string text = SavedReportText(lines, options);
        ASSERT_EQ(text.substr(text.size() - 3), "\f\r\n");
        std::vector<std::string> back;
        std::vector<int> feeds;
        for (const std::string& line : SplitLines(text)) {
            if (line == "\f") {
                feeds.push_back(static_cast<int>(back.size()) - 1);
            } else {
                back.push_back(line);
            }
        }
        lines.emplace_back();  // the spare slot is written as an empty line
        EXPECT_EQ(back, lines) << pageLines;
        EXPECT_EQ(feeds, feedsAfter) << pageLines << " / " << count;
    }
}

TEST(SavedReport, ProposedNameAndExtension) {
    for (const auto& [person, file] : std::initializer_list<std::pair<std::string, std::string>>{
             {"Golden New York", "Golden.DOC"},
             {"Abcdefghij", "Abcdefgh.DOC"},
             {"Abcdefgh ij", "Abcdefgh.DOC"},  // the blank is the 9th character
             {"Abcdefg hij", "Abcdefg.DOC"},
             {"\xC3\x89lo\xC3\xAFse Martin", "\xC3\x89lo\xC3\xAFse.DOC"},
             {"\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89",
              "\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89.DOC"},
             {"../etc/x", ".._etc_x.DOC"},
             {"", ".DOC"}}) {
        EXPECT_EQ(ProposedReportFileName(person), file) << person;
    }
    EXPECT_EQ(WithReportExtension("/tmp/Golden"), "/tmp/Golden.doc");
    EXPECT_EQ(WithReportExtension("/tmp/Golden.DOC"), "/tmp/Golden.DOC");
    EXPECT_EQ(WithReportExtension("/tmp/notes.txt"), "/tmp/notes.txt");
}

// 8.5 points less one step and the bold and italic flags: DataForm.EachMenuCommandDoesItsWork.
TEST(DataFont, StepsMoveTheStoredSizeAndTheTextInsideTheBounds) {
    struct Case {
        double stored;
        FontStep step;
        std::optional<double> shown;
        double storedAfter;
        bool decreaseAfter;
        bool increaseAfter;
    };
    const Case cases[] = {
        {7.75, FontStep::Decrease, std::nullopt, 7.0, false, true},
        {7.0, FontStep::Increase, 7.75, 7.75, false, true},
        {11.5, FontStep::Increase, 12.25, 12.25, true, false},
        {12.25, FontStep::Increase, std::nullopt, 13.0, true, false},
        {8.0, FontStep::Decrease, std::nullopt, 7.25, false, true},
    };
    for (const Case& c : cases) {
        double stored = c.stored;
        EXPECT_EQ(StepDataFontSize(stored, kDataFontStepPoints, c.step), c.shown) << c.stored;
        EXPECT_DOUBLE_EQ(stored, c.storedAfter);
        EXPECT_EQ(CanDecreaseDataFont(stored), c.decreaseAfter) << c.stored;
        EXPECT_EQ(CanIncreaseDataFont(stored), c.increaseAfter) << c.stored;
    }
}

// 130 lines of 60 a page in Courier New: HelpFile.PrintsOptionLinesAPage.
TEST(PrintFile, PagesFollowTheLinesPerPage) {
    // The lines, the lines a page, the breaks and the lines of each page printed.
    using Case = std::tuple<int, int, PageBreaks, std::vector<std::size_t>>;
    const Case cases[] = {
        {120, 60, PageBreaks::EveryPage, {60, 60}},  // no empty page after the last break
        {61, 60, PageBreaks::EveryPage, {60, 1}},
        {3, 1, PageBreaks::EveryPage, {1, 1, 1}},
        {150, 60, PageBreaks::AfterFirstPage, {60, 90}},
        {60, 60, PageBreaks::AfterFirstPage, {60}},
        {59, 60, PageBreaks::AfterFirstPage, {59}},
        {25, 0, PageBreaks::EveryPage, {25}},  // no option: the printer breaks
        {0, 60, PageBreaks::EveryPage, {}},
    };
    for (const auto& [count, pageLines, breaks, pages] : cases) {
        PrintRecord record;
        RecordingPrinter printer(record);
        const std::vector<std::string> lines = NumberedLines(count);
        EXPECT_EQ(PrintLines(printer, 12, lines, pageLines, breaks), "");
        EXPECT_EQ(record.PageLengths(), pages) << count << " lines, " << pageLines;
        EXPECT_EQ(record.jobsEnded, 1);
        EXPECT_EQ(record.pageLines, pageLines);
        EXPECT_EQ(record.Lines(), lines);  // every line once, in order
    }

    PrintRecord failing;
    failing.failure = "paper jam";
    RecordingPrinter printer(failing);
    EXPECT_EQ(PrintLines(printer, 12, NumberedLines(2), 60, PageBreaks::EveryPage), "paper jam");
}

TEST(PrintFile, OptionsFontAndWorkFile) {
    for (const auto& [value, lines] : std::initializer_list<std::pair<float, int>>{
             {60, 60}, {60.9f, 60}, {1, 1}, {0, 0}, {-5, 0}, {3e9f, 0}}) {
        OptionTable options;
        options.Set(opt::PrintedLinesPerPage, value);
        EXPECT_EQ(PrintedPageLines(options), lines) << value;
    }
    // Characters are counted, not bytes: 80 letters with accents fit in 80.
    std::string accented;
    for (int i = 0; i < 80; ++i) {
        accented += "\xC3\xA9";
    }
    for (const auto& [line, wide] : std::initializer_list<std::pair<std::string, bool>>{
             {std::string(80, 'x'), false}, {std::string(81, 'x'), true}, {accented, false}}) {
        EXPECT_EQ(IsWideText({"short", line}, 80), wide) << line.size();
        EXPECT_EQ(PrintPointsFor(wide), wide ? 10 : 12);
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
