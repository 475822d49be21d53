#include "aspects/orb_table.hpp"

#include <gtest/gtest.h>

#include "base/editor_text.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

TEST(OrbTable, LinesEmptyLineAndKeptEntries) {
    TempFolder folder;
    ScriptedPlatform platform;
    OrbTable table{};
    table.fill(9);
    std::string full;
    for (int k = 1; k <= 20; ++k) {
        full += std::to_string(k) + ".5   label\r\n";  // three lines past the table
    }
    ASSERT_TRUE(LoadOrbTable(folder.Write("FULL.ORB", full), table, platform));
    EXPECT_EQ(table[1], 1.5f);
    EXPECT_EQ(table[17], 17.5f);

    ASSERT_TRUE(LoadOrbTable(
        folder.Write("SHORT.ORB", "  8.5  Conjunction\r\nSextile\r\n12345678\r\n\r\n4\r\n"), table,
        platform));
    EXPECT_EQ(table[1], 8.5f);
    EXPECT_EQ(table[2], 0.0f);        // no number
    EXPECT_EQ(table[3], 1234567.0f);  // seven characters only
    EXPECT_EQ(table[4], 4.5f);        // after the empty line: kept
    EXPECT_TRUE(platform.Messages().empty());

    EXPECT_FALSE(LoadOrbTable(folder / "MISSING.ORB", table, platform));
    EXPECT_EQ(table[1], 8.5f);
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].title, "Warning!");
}

TEST(EditorText, RoundTripsCharacterForCharacter) {
    TempFolder folder;
    folder.Write("NATAL.ORB", "  8    Conjunction\n  6    Sextile");
    const std::string text = *LoadEditorText(folder / "NATAL.ORB");
    EXPECT_EQ(text, "  8    Conjunction\r\n  6    Sextile\r\n");
    ASSERT_EQ(SaveEditorText(folder / "NATAL.ORB", text), "");
    EXPECT_EQ(*LoadEditorText(folder / "NATAL.ORB"), text);
    EXPECT_EQ(folder.Read("NATAL.ORB"), text);
    ASSERT_EQ(SaveEditorText(folder / "NATAL.ORB", "a\r\nb"), "");  // no final break
    EXPECT_EQ(folder.Read("NATAL.ORB"), "a\r\nb\r\n");
    EXPECT_FALSE(LoadEditorText(folder / "NONE.ORB"));
}

}  // namespace
}  // namespace solvaris
