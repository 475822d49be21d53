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
        const char* what;
        const char* file;  // written as ZODIACS.TXT, asked for as ...
        const char* shown;
        std::string bytes;
        std::vector<std::string> lines;  // the current report; empty: refused
    };
    const Case cases[] = {
        {"plain", "ZODIACS.TXT", "ZODIACS.TXT", "One\r\nTwo\r\n", {"One", "Two", "", ""}},
        {"blanks kept",
         "ZODIACS.TXT",
         "ZODIACS.TXT",
         "  Indented\r\n\r\nLast  \r\n",
         {"  Indented", "", "Last  ", "", ""}},
        {"LF ends", "ZODIACS.TXT", "ZODIACS.TXT", "A\nB", {"A", "B", "", ""}},
        {"empty file", "ZODIACS.TXT", "ZODIACS.TXT", "", {"", ""}},
        {"any case on disk", "zodiacs.txt", "ZODIACS.TXT", "Lower\r\n", {"Lower", "", ""}},
        {"missing", "ZODIACS.TXT", "STUDY.TXT", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
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
        ASSERT_EQ(ShowTextDocument(context, c.shown), shown);
        EXPECT_EQ(platform.Messages().size(), shown ? 0u : 1u);
        EXPECT_EQ(window.shows, shown ? 1 : 0);
        // The session keeps the earlier line before the document's.
        EXPECT_EQ(session.reports.LineCount(), static_cast<int>(c.lines.size()) + 1);
        if (shown) {
            EXPECT_EQ(session.reports.Current(), c.lines);
            EXPECT_EQ(window.caption, TitleText() + "Data");
        } else {
            EXPECT_EQ(platform.Messages()[0].title, "Warning!");
            EXPECT_NE(platform.Messages()[0].text.find(std::string(c.shown) +
                                                       " cannot be read in the program folder " +
                                                       folder.path().string()),
                      std::string::npos);
            EXPECT_EQ(window.text, "the report on show");
            EXPECT_EQ(session.reports.Current(), std::vector<std::string>{"an earlier report"});
        }
    }
}

}  // namespace
}  // namespace solvaris
