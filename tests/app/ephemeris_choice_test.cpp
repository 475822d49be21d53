// The engine choice in the options text: read from lines 217 and 218, and
// written back so that a text the controls leave alone keeps every byte.
#include "app/ephemeris_choice.hpp"

#include <gtest/gtest.h>

#include "base/options.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

// Options 1 to `count`, CR LF lines as the shipped file has them; option
// 217 says `engine` when the text reaches it.
std::string OptionsText(int count, int engine = 0, const std::string& after = "") {
    std::string text;
    for (int n = 1; n <= count; ++n) {
        text += n == 217 ? "    " + std::to_string(engine) +
                               "  Positions: 0 = built-in theories, 1 = Swiss Ephemeris"
                         : "    0  Option " + std::to_string(n);
        text += "\r\n";
    }
    return text + after;
}

const std::string kFolderLine = "Swiss Ephemeris files: /srv/ephe\r\n";

TEST(EphemerisChoice, ReadFromTheTextAndWrittenBackOnlyWhenItChanges) {
    using E = EphemerisEngine;
    const std::string today = OptionsText(217);
    // Read.
    EXPECT_EQ(EphemerisChoiceInText(today).engine, E::BuiltIn);
    EXPECT_EQ(EphemerisChoiceInText(OptionsText(216)).engine, E::BuiltIn);
    EXPECT_EQ(EphemerisChoiceInText(OptionsText(217, 1)).engine, E::Swiss);
    EXPECT_EQ(EphemerisChoiceInText(OptionsText(217, 2)).engine, E::BuiltIn);
    EXPECT_EQ(EphemerisChoiceInText(today + kFolderLine).filesFolder, "/srv/ephe");
    EXPECT_EQ(EphemerisChoiceInText(today + "Swiss Ephemeris files:   /a b  \r\n").filesFolder,
              "/a b");
    EXPECT_EQ(EphemerisChoiceInText(today + "/srv/ephe\r\n").filesFolder, "");  // no label
    // After an empty line the options have ended.
    EXPECT_EQ(EphemerisChoiceInText(OptionsText(216, 0, "\r\n    1\r\n" + kFolderLine)).engine,
              E::BuiltIn);
    EXPECT_EQ(EphemerisChoiceInText(OptionsText(217, 1, "\r\n" + kFolderLine)).filesFolder, "");

    // The engine: the value field rewritten and the description kept, the
    // line added to a file of 216 options, nothing for an earlier end.
    EXPECT_EQ(TextWithEngine(today, E::BuiltIn), std::nullopt);
    EXPECT_EQ(TextWithEngine(today, E::Swiss), OptionsText(217, 1));
    EXPECT_EQ(TextWithEngine(OptionsText(217, 1), E::BuiltIn), today);
    EXPECT_EQ(TextWithEngine(OptionsText(216), E::Swiss), OptionsText(217, 1));
    EXPECT_EQ(TextWithEngine(OptionsText(215), E::Swiss), std::nullopt);
    EXPECT_EQ(TextWithEngine(today + kFolderLine, E::Swiss), OptionsText(217, 1) + kFolderLine);
    EXPECT_TRUE(EngineLineWritable(OptionsText(216)));
    EXPECT_FALSE(EngineLineWritable(OptionsText(215)));

    // The folder: added, rewritten, taken away to give today's bytes back.
    EXPECT_EQ(TextWithFilesFolder(today, ""), std::nullopt);
    EXPECT_EQ(TextWithFilesFolder(today, " /srv/ephe "), today + kFolderLine);
    EXPECT_EQ(TextWithFilesFolder(today + kFolderLine, "/srv/ephe"), std::nullopt);
    EXPECT_EQ(TextWithFilesFolder(today + kFolderLine, "/opt/se"),
              today + "Swiss Ephemeris files: /opt/se\r\n");
    EXPECT_EQ(TextWithFilesFolder(today + kFolderLine, ""), today);
    EXPECT_EQ(TextWithFilesFolder(OptionsText(216), "/srv/ephe"), std::nullopt);
    EXPECT_FALSE(FolderLineWritable(OptionsText(216)));
    // Lines after the options stay where they are.
    EXPECT_EQ(TextWithFilesFolder(today + "\r\nnotes\r\n", "/srv/ephe"),
              today + kFolderLine + "\r\nnotes\r\n");
    // A text of LF lines keeps them.
    EXPECT_EQ(TextWithFilesFolder("    0\n", "/x"), std::nullopt);
    std::string lf = today;
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) {
        lf.replace(at, 2, "\n");
    }
    EXPECT_EQ(TextWithFilesFolder(lf, "/srv/ephe"), lf + "Swiss Ephemeris files: /srv/ephe\n");
}

TEST(EphemerisChoice, TheFolderOfTheFileAndTheTableStillOf217Values) {
    testing::TempFolder folder;
    const auto file = folder.Write("OPTIONS.OPT", OptionsText(217, 1) + kFolderLine);
    EXPECT_EQ(EphemerisFolderInFile(file), "/srv/ephe");
    EXPECT_EQ(EphemerisFolderInFile(folder / "missing"), "");
    OptionTable table;
    ASSERT_TRUE(LoadOptions(file, table).empty());
    EXPECT_EQ(table(217), 1.0f);
    EXPECT_EQ(table(218), 0.0f);
}

}  // namespace
}  // namespace solvaris
