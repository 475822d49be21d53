// Filling the program folder: missing files copied whole, copies cut short
// by an interrupted first start restored, the user's own changes kept.
#include "base/program_folder.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

TEST(CutShortCopy, TellsAnInterruptedCopyFromAUsersEdit) {
    const std::string shipped = "1 conj\r\n2 opp\r\n3 trine\r\n";
    const std::string block(kCopyBlockBytes * 2 + 10, 'x');
    struct Case {
        std::string present;
        std::string shipped;
        const char* name;
        bool cutShort;
    };
    for (const Case& c : {
             Case{"", shipped, "NAMES.FIL", false},     // a list the user emptied
             Case{"", shipped, "GA_MA.ll", false},      // any case of the extension
             Case{"1 conj\r", shipped, "X.OPT", true},  // between CR and LF
             Case{"1 conj", shipped, "X.OPT", false},   // the editor's last line
             Case{block.substr(0, kCopyBlockBytes), block, "OPTIONS.OPT", true},
             Case{block.substr(0, 2 * kCopyBlockBytes), block, "NAMES.FIL", true},
             Case{shipped, shipped, "X.OPT", false},        // whole
             Case{"1 conj\r\n9", shipped, "X.OPT", false},  // changed
         }) {
        EXPECT_EQ(IsCutShortCopy(c.present, c.shipped, c.name), c.cutShort)
            << c.name << " '" << c.present.substr(0, 20) << "' of " << c.present.size();
    }
}

TEST(SeedProgramFolder, FillsWhatIsMissingAndRestoresCutShortCopies) {
    std::string options;
    for (int n = 1; n <= 216; ++n) {
        options +=
            std::to_string(n) + "      the description of option " + std::to_string(n) + "\r\n";
    }
    ASSERT_GT(options.size(), 2 * kCopyBlockBytes);
    struct Case {
        const char* name;
        std::string shipped, present, after;
    };
    const Case cases[] = {
        {"OPTIONS.OPT", options, options.substr(0, 2 * kCopyBlockBytes), options},  // a kill
        {"HCDATA.DAT", "1,2,3\r\n", "", "1,2,3\r\n"},                               // a full disk
        {"NATAL.ORB", "8\r\n6\r\n", "8\r\n", "8\r\n"},  // shortened by the user: kept
        {"TZ.DAT", "Eastern,EST,5\r\n", "Eastern,EST,5\r\nMine,M,1\r\n",
         "Eastern,EST,5\r\nMine,M,1\r\n"},  // the user's own
    };
    TempFolder shipped, user;
    for (const Case& c : cases) {
        shipped.Write(c.name, c.shipped);
        user.Write(c.name, c.present);
    }
    shipped.Write("NAMES.FIL", "Sample,05 Dec 1950\r\n");
    user.Write("names.fil", "");  // emptied by the user: kept
    shipped.Write("RADIUS.DAT", "4,5,6\r\n");
    std::filesystem::create_directory(user / "RADIUS.DAT");  // not a file: left alone

    const FolderReport report = SeedProgramFolder(user.path(), shipped.path());
    EXPECT_EQ(report.failure, "");
    for (const Case& c : cases) EXPECT_EQ(user.Read(c.name), c.after) << c.name;
    EXPECT_EQ(user.Read("names.fil"), "");
    EXPECT_FALSE(std::filesystem::exists(user / "NAMES.FIL") &&
                 !std::filesystem::equivalent(user / "NAMES.FIL", user / "names.fil"));
    EXPECT_TRUE(std::filesystem::is_directory(user / "RADIUS.DAT"));
    ASSERT_EQ(report.notes.size(), 2u);  // the two restored files, named
    EXPECT_EQ(report.notes[0], "HCDATA.DAT in " + user.path().string() +
                                   " was cut short by an interrupted copy (0 of 7 bytes); it has "
                                   "been restored from the shipped copy.");
    EXPECT_TRUE(report.notes[1].starts_with("OPTIONS.OPT in ")) << report.notes[1];
    // A second start finds nothing to do.
    EXPECT_TRUE(SeedProgramFolder(user.path(), shipped.path()).notes.empty());

    // A folder named by --home is filled (ProgramHomeOption) but a dangling
    // link in it makes no file outside it; a missing one is not made.
    TempFolder home, outside;
    std::filesystem::create_symlink(outside / "planted.fil", home / "NAMES.FIL");
    std::filesystem::path folder;
    const FolderReport opened = OpenProgramFolder({home.path().string(), "", "", ""}, folder);
    EXPECT_EQ(opened.failure, "");
    EXPECT_FALSE(std::filesystem::exists(outside / "planted.fil"));
    ASSERT_EQ(opened.notes.size(), 1u);
    EXPECT_NE(opened.notes[0].find("NAMES.FIL"), std::string::npos) << opened.notes[0];
    EXPECT_NE(OpenProgramFolder({(home / "absent").string(), "", "", ""}, folder).failure, "");
    EXPECT_FALSE(std::filesystem::exists(home / "absent"));
}

// The first candidate that holds OPTIONS.OPT; of none, the last, for the
// message. That an installed tree finds the data beside it is Install's.
TEST(ShippedDataFolder, BesideTheProgramThenThePrefixThenTheSourceTree) {
    TempFolder root;
    std::filesystem::create_directories(root / "bare");  // another program's share/solvaris
    std::filesystem::create_directories(root / "data");
    root.Write("data/OPTIONS.OPT", "1 x\r\n");
    EXPECT_EQ(FirstShippedDataFolder({root / "bare", root / "absent", root / "data"}),
              root / "data");
    EXPECT_EQ(FirstShippedDataFolder({root / "absent", root / "bare"}), root / "bare");
    EXPECT_EQ(FirstShippedDataFolder({}), std::filesystem::path());
    const auto candidates = ShippedDataCandidates("/opt/solvaris/bin");
    ASSERT_GE(candidates.size(), 2u);
    EXPECT_EQ(candidates.front(), std::filesystem::path("/opt/solvaris/share/solvaris"));
    EXPECT_EQ(candidates.back().filename(), "data");
    EXPECT_EQ(ShippedDataCandidates("").size(), candidates.size() - 1);
}

// --home, $SOLVARIS_HOME and $XDG_DATA_HOME are the command line's
// (ProgramHomeOption); here the last resort and the case of a name.
TEST(ProgramFolder, ChoiceAndCaseInsensitiveNames) {
    const ChosenFolder chosen = ChooseProgramFolder({"", "", "", "/h"});
    EXPECT_EQ(chosen.path, "/h/.local/share/solvaris");
    EXPECT_TRUE(chosen.perUser);
    // A file copied from Windows is found whatever the case of its name.
    TempFolder user;
    user.Write("names.fil", "mine\r\n");
    EXPECT_EQ(FindInFolder(user.path(), "NAMES.FIL"), user / "names.fil");
    EXPECT_EQ(FindInFolder(user.path(), "NEW.FIL"), user / "NEW.FIL");
}

}  // namespace
}  // namespace solvaris
