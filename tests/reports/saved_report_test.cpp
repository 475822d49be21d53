// Saved reports: form feeds after every option 45 - 1 lines and at the end,
// the proposed file name, the default extension; and the data window's font
// steps.
#include "reports/saved_report.hpp"

#include <gtest/gtest.h>

#include "base/option_numbers.hpp"
#include "base/text_lines.hpp"
#include "reports/data_font.hpp"

namespace solvaris {
namespace {

TEST(SavedReport, FormFeedsFollowEveryPage) {
    struct Case {
        float pageLines;
        int lines;
        std::vector<int> feedsAfter;  // indexes of the lines a form feed follows
    };
    const Case cases[] = {
        {61, 130, {60, 120, 130}},  // 130 is the spare empty slot
        {61, 60, {60, 60}},         // the spare slot ends a page and the file
        {2, 3, {1, 2, 3, 3}},
        {1, 3, {3}},  // below 2: only the closing form feed
        {0, 1, {1}},
    };
    for (const Case& c : cases) {
        OptionTable options;
        options.Set(opt::SavedLinesPerPage, c.pageLines);
        std::vector<std::string> lines;
        for (int i = 0; i < c.lines; ++i) {
            lines.push_back("L" + std::to_string(i));
        }
        const std::string text = SavedReportText(lines, options);
        ASSERT_EQ(text.substr(text.size() - 3), "\f\r\n");
        // Read back: the lines in order, each form feed where the table says.
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
        EXPECT_EQ(back, lines) << c.pageLines;
        // The closing feed follows the spare slot, at index `lines`.
        EXPECT_EQ(feeds, c.feedsAfter) << c.pageLines << " / " << c.lines;
    }
}

TEST(SavedReport, ProposedNameAndExtension) {
    struct Case {
        std::string person;
        std::string file;
    };
    const Case cases[] = {
        {"Golden New York", "Golden.DOC"},
        {"Abcdefghij", "Abcdefgh.DOC"},
        {"Abcdefgh ij", "Abcdefgh.DOC"},  // the blank is the 9th character
        {"Abcdefg hij", "Abcdefg.DOC"},
        {"\xC3\x89lo\xC3\xAFse Martin", "\xC3\x89lo\xC3\xAFse.DOC"},
        {"\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89",
         "\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89.DOC"},
        {"../etc/x", ".._etc_x.DOC"},
        {"", ".DOC"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProposedReportFileName(c.person), c.file) << c.person;
    }
    EXPECT_EQ(WithReportExtension("/tmp/Golden"), "/tmp/Golden.doc");
    EXPECT_EQ(WithReportExtension("/tmp/Golden.DOC"), "/tmp/Golden.DOC");
    EXPECT_EQ(WithReportExtension("/tmp/notes.txt"), "/tmp/notes.txt");
}

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
        {8.5, FontStep::Decrease, 7.75, 7.75, false, true},
        {7.75, FontStep::Decrease, std::nullopt, 7.0, false, true},
        {7.0, FontStep::Increase, 7.75, 7.75, false, true},
        {11.5, FontStep::Increase, 12.25, 12.25, true, false},
        {12.25, FontStep::Increase, std::nullopt, 13.0, true, false},
        {12.0, FontStep::Decrease, 11.25, 11.25, true, true},
        {8.0, FontStep::Decrease, std::nullopt, 7.25, false, true},
    };
    for (const Case& c : cases) {
        double stored = c.stored;
        EXPECT_EQ(StepDataFontSize(stored, kDataFontStepPoints, c.step), c.shown) << c.stored;
        EXPECT_DOUBLE_EQ(stored, c.storedAfter);
        EXPECT_EQ(CanDecreaseDataFont(stored), c.decreaseAfter) << c.stored;
        EXPECT_EQ(CanIncreaseDataFont(stored), c.increaseAfter) << c.stored;
    }
    EXPECT_EQ(FontFlagSetting(true), -1);
    EXPECT_EQ(FontFlagSetting(false), 0);
}

}  // namespace
}  // namespace solvaris
