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
        std::string bytes;
        std::vector<std::string> lines;  // the current report
    };
    const Case cases[] = {
        {"plain", "One\r\nTwo\r\n", {"One", "Two", "", ""}},
        {"blanks kept", "  Indented\r\n\r\nLast  \r\n", {"  Indented", "", "Last  ", "", ""}},
        {"LF ends", "A\nB", {"A", "B", "", ""}},
        {"empty file", "", {"", ""}},
    };
    for (const Case& c : cases) {
        testing::TempFolder folder;
        folder.Write("ZODIACS.TXT", c.bytes);
        ReportSession session;
        session.folder = folder.path();
        ScriptedPlatform platform;
        RecordingDataWindow window;
        session.reports.line = "an earlier report";
        session.reports.AppendLine(platform);
        ReportContext context{session, platform, window};
        ASSERT_TRUE(ShowTextDocument(context, "ZODIACS.TXT")) << c.what;
        EXPECT_EQ(session.reports.Current(), c.lines) << c.what;
        EXPECT_EQ(window.shows, 1) << c.what;
        EXPECT_EQ(window.caption, TitleText() + "Data") << c.what;
        // The session keeps the earlier line before the document's.
        EXPECT_EQ(session.reports.LineCount(), static_cast<int>(c.lines.size()) + 1) << c.what;
        EXPECT_TRUE(platform.Messages().empty()) << c.what;
    }
}

TEST(TextDocuments, AMissingDocumentIsNamedAndNothingChanges) {
    testing::TempFolder folder;
    ReportSession session;
    session.folder = folder.path();
    ScriptedPlatform platform;
    RecordingDataWindow window;
    window.text = "the report on show";
    session.reports.line = "kept";
    session.reports.AppendLine(platform);
    ReportContext context{session, platform, window};
    EXPECT_FALSE(ShowTextDocument(context, "STUDY.TXT"));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_NE(platform.Messages()[0].text.find("STUDY.TXT"), std::string::npos);
    EXPECT_NE(platform.Messages()[0].text.find(folder.path().string()), std::string::npos);
    EXPECT_EQ(platform.Messages()[0].title, "Warning!");
    EXPECT_EQ(window.text, "the report on show");
    EXPECT_EQ(window.shows, 0);
    EXPECT_EQ(session.reports.Current(), std::vector<std::string>{"kept"});
}

TEST(TextDocuments, EveryMenuDocumentIsShippedAndFoundInAnyCase) {
    for (const TextDocument& document : TextDocuments()) {
        EXPECT_TRUE(std::filesystem::exists(FindInFolder(SOLVARIS_DATA_DIR, document.file)))
            << document.file;
    }
    testing::TempFolder folder;
    folder.Write("what_ast.txt", "Lower case on disk\r\n");
    ReportSession session;
    session.folder = folder.path();
    ScriptedPlatform platform;
    RecordingDataWindow window;
    ReportContext context{session, platform, window};
    ASSERT_TRUE(ShowTextDocument(context, "WHAT_AST.TXT"));
    EXPECT_EQ(session.reports.Current().front(), "Lower case on disk");
}

}  // namespace
}  // namespace solvaris
