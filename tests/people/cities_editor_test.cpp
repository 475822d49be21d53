// The cities file in use, the record behind a list line, and the editor's file side.
#include "people/cities_editor.hpp"

#include <gtest/gtest.h>

#include "people/cities_file.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

TEST(CitiesFile, CurrentFileAndRecordOfAListLine) {
    TempFolder folder;
    folder.Write("ga_ma.ll", "New York,New York,74W00,40N43,5\r\n");
    // No file chosen yet: the folder's own, whatever its case.
    EXPECT_EQ(CurrentCitiesFile("", folder.path()), folder / "ga_ma.ll");
    EXPECT_EQ(CurrentCitiesFile("/elsewhere/EUROPE.LL", folder.path()),
              std::filesystem::path("/elsewhere/EUROPE.LL"));

    ScriptedPlatform platform;
    const auto cities =
        CitiesListFromLines({"Paris,France,02E20,48N52,-1", "London,Ontario,81W15,42N59,5",
                             "Paris,France,02E21,48N51,-1", "Paris,Texas,95W33,33N40,6"},
                            platform);
    ASSERT_EQ(cities.size(), 4u);
    // The longitude of the record found; "none": no record. Paris,France is the first of two.
    for (const auto& [line, longitude] : {std::pair{"Paris,France", "02E20"},
                                          {"Paris,Texas", "95W33"},
                                          {"London,Ontario", "81W15"},
                                          {"Paris", "none"},
                                          {"paris,france", "none"},
                                          {"", "none"}}) {
        const CityRecord* found = CityOfListText(cities, line);
        EXPECT_EQ(found != nullptr ? found->longitude : "none", longitude) << line;
    }
}

// The text's line ends are EditorText's; here the editor's file and caption.
TEST(CitiesEditor, OpenSaveRoundTrips) {
    TempFolder folder;
    folder.Write("X.LL", "A,B,74W00,40N43,5\n");
    ScriptedPlatform platform;
    auto editor = OpenCitiesEditor(folder / "X.LL", platform);
    ASSERT_TRUE(editor.has_value());
    EXPECT_EQ(editor->caption, "Edit: " + (folder / "X.LL").string());
    EXPECT_EQ(editor->txtContent, "A,B,74W00,40N43,5\r\n");
    editor->txtContent = "A,B,74W00,40N43,5\nC,D,05E30,33S52,-1";  // no final break
    EXPECT_TRUE(SaveCitiesEditor(*editor, platform));
    const std::string saved = "A,B,74W00,40N43,5\r\nC,D,05E30,33S52,-1\r\n";
    EXPECT_EQ(folder.Read("X.LL"), saved);
    EXPECT_EQ(OpenCitiesEditor(folder / "X.LL", platform)->txtContent, saved);
    EXPECT_TRUE(platform.Messages().empty());
}

}  // namespace
}  // namespace solvaris
