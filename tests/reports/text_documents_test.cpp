// A document shown unchanged plus one empty line as a new report; a missing
// one named in a message, the shown report left alone (every document
// shipped: ShippedTexts).
#include "reports/text_documents.hpp"

#include <gtest/gtest.h>

#include "platform/headless/recording_data_window.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

TEST(TextDocuments, LinesUnchangedAndOneEmptyLineInANewReport) {
    struct Case {
        const char* file;  // written as ..., asked for as ZODIACS.TXT
        std::string bytes;
        std::vector<std::string> lines;  // the current report; empty: refused
    };
    const Case cases[] = {
        {"ZODIACS.TXT", "  Indented\r\n\r\nLast  \r\n", {"  Indented", "", "Last  ", "", ""}},
        {"ZODIACS.TXT", "A\nB", {"A", "B", "", ""}},      // LF ends
        {"ZODIACS.TXT", "", {"", ""}},                    // an empty file
        {"zodiacs.txt", "Lower\r\n", {"Lower", "", ""}},  // any case on disk
        {"STUDY.TXT", "", {}},                            // missing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + (": " + c.bytes));
        testing::TempFolder folder;
        folder.Write(c.file, c.bytes);
        ReportSession session;
        session.folder = folder.path();
        ScriptedPlatform platform;
        RecordingDataWindow window;
        window.text = "the report on show";
        session.reports.line = "an earlier report";
        session.reports.AppendLine(platform);
        ReportContext context{session, platform, window};
        const bool shown = !c.lines.empty();
        ASSERT_EQ(ShowTextDocument(context, "ZODIACS.TXT"), shown);
        EXPECT_EQ(platform.Messages().size(), shown ? 0u : 1u);
        EXPECT_EQ(window.shows, shown ? 1 : 0);
        // The session keeps the earlier line before the document's.
        EXPECT_EQ(session.reports.LineCount(), static_cast<int>(c.lines.size()) + 1);
        if (shown) {
            EXPECT_EQ(session.reports.Current(), c.lines);
            EXPECT_EQ(window.caption, TitleText() + "Data");
        } else {
            EXPECT_EQ(platform.Messages()[0].title, "Warning!");
            EXPECT_EQ(platform.Messages()[0].text,
                      "The document ZODIACS.TXT cannot be read in the program folder " +
                          folder.path().string() + ".");
            EXPECT_EQ(window.text, "the report on show");
            EXPECT_EQ(session.reports.Current(), std::vector<std::string>{"an earlier report"});
        }
    }
}

}  // namespace
}  // namespace solvaris
