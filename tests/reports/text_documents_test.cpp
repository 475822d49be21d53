// Showing a document: every line unchanged (blank lines and leading blanks
// kept) and one empty line as a new report in the data window; a missing
// file named in a message with the shown report left alone; every document
// of the menu shipped.
#include "reports/text_documents.hpp"

#include <gtest/gtest.h>

#include "base/program_folder.hpp"
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
        if (!shown) {
            ASSERT_EQ(platform.Messages().size(), 1u);
            EXPECT_NE(platform.Messages()[0].text.find(c.shown), std::string::npos);
            EXPECT_NE(platform.Messages()[0].text.find(folder.path().string()), std::string::npos);
            EXPECT_EQ(platform.Messages()[0].title, "Warning!");
            EXPECT_EQ(window.text, "the report on show");
            EXPECT_EQ(window.shows, 0);
            EXPECT_EQ(session.reports.Current(), std::vector<std::string>{"an earlier report"});
            continue;
        }
        EXPECT_EQ(session.reports.Current(), c.lines);
        EXPECT_EQ(window.shows, 1);
        EXPECT_EQ(window.caption, TitleText() + "Data");
        // The session keeps the earlier line before the document's.
        EXPECT_EQ(session.reports.LineCount(), static_cast<int>(c.lines.size()) + 1);
        EXPECT_TRUE(platform.Messages().empty());
    }
    for (const TextDocument& document : TextDocuments()) {
        EXPECT_TRUE(std::filesystem::exists(FindInFolder(SOLVARIS_DATA_DIR, document.file)))
            << document.file;
    }
}

}  // namespace
}  // namespace solvaris
