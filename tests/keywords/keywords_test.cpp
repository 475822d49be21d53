// Lesson file names from the list entries, a lesson read into the report
// indented by two blanks, and the keyword grid's labels and messages.
#include <gtest/gtest.h>

#include "keywords/keyword_lessons.hpp"
#include "keywords/keyword_texts.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

TEST(KeywordLessons, ListEntriesNameTheirFiles) {
    const struct {
        std::string (*file)(std::string_view);
        std::string_view entry;
        std::string_view expected;
    } cases[] = {
        {&SignLessonFile, "Sagittarius", "SAG.TXT"},
        {&HouseLessonFile, "10th", "10th.TXT"},
        {&PlanetLessonFile, "Sun", "SUN_SUN.TXT"},
        {&PlanetLessonFile, "Moon", "MOO.TXT"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.file(c.entry), c.expected) << c.entry;
    }
}

TEST(KeywordLessons, ALessonIsIndentedAndAMissingOneNamed) {
    testing::TempFolder folder;
    folder.Write("MAR.TXT", "Mars\r\n\r\n  energy\r\n");
    ReportSession session;
    session.folder = folder.path();
    ScriptedPlatform platform;
    RecordingDataWindow window;
    ReportContext context{session, platform, window};

    // An empty line, the lesson, the closing empty line and the window's
    // spare empty line.
    const std::string kShown = "\r\n  Mars\r\n  \r\n    energy\r\n\r\n\r\n";
    EXPECT_TRUE(ShowLesson(context, PlanetLessonFile("Mars")));
    EXPECT_EQ(window.text, kShown);
    EXPECT_EQ(window.shows, 1);
    EXPECT_EQ(platform.BusyRequests(), 1);
    EXPECT_FALSE(platform.Busy());

    EXPECT_FALSE(ShowLesson(context, "VEN.TXT"));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text,
              "Cannot find the file called " + (folder / "VEN.TXT").string() + ".");
    EXPECT_EQ(window.shows, 1);
    EXPECT_EQ(window.text, kShown);
}

TEST(KeywordTexts, EveryLabelledCellHasAMessage) {
    int labelled = 0;
    for (int row = 0; row < kKeywordGridRows; ++row) {
        for (int column = 0; column < kKeywordGridColumns; ++column) {
            const std::string_view label = KeywordCellLabel(row, column);
            if (label.empty()) {
                continue;
            }
            ++labelled;
            EXPECT_FALSE(KeywordMessage(label).empty()) << label;
        }
    }
    EXPECT_EQ(labelled, 46);
    EXPECT_EQ(KeywordCellLabel(9, 2), "10th house");
    for (const auto& [row, column] : {std::pair{-1, 0}, {12, 0}, {0, 4}}) {
        EXPECT_EQ(KeywordCellLabel(row, column), "") << row << "," << column;
    }
    EXPECT_EQ(KeywordMessage("Vulcan"), "");
}

}  // namespace
}  // namespace solvaris
