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
             Case{"", shipped, "HCDATA.DAT", true},        // nothing was copied
             Case{"", shipped, "NAMES.FIL", false},        // a list the user emptied
             Case{"", shipped, "GA_MA.ll", false},         // any case of the extension
             Case{"1 co", shipped, "NATAL.ORB", true},     // inside a line
             Case{"1 conj\r", shipped, "X.OPT", true},     // between CR and LF
             Case{"1 conj\r\n", shipped, "X.OPT", false},  // whole lines, as saved
             Case{"1 conj", shipped, "X.OPT", false},      // the editor's last line
             Case{block.substr(0, kCopyBlockBytes), block, "OPTIONS.OPT", true},
             Case{block.substr(0, 2 * kCopyBlockBytes), block, "NAMES.FIL", true},
             Case{shipped, shipped, "X.OPT", false},            // whole
             Case{"1 conj\r\n9", shipped, "X.OPT", false},      // changed
             Case{shipped + "4\r\n", shipped, "X.OPT", false},  // longer
         }) {
        EXPECT_EQ(IsCutShortCopy(c.present, c.shipped, c.name), c.cutShort)
            << c.name << " '" << c.present.substr(0, 20) << "' of " << c.present.size();
    }
}

TEST(SeedProgramFolder, FillsWhatIsMissingAndRestoresCutShortCopies) {
    TempFolder shipped;
    std::string options;
    for (int n = 1; n <= 216; ++n) {
        options +=
            std::to_string(n) + "      the description of option " + std::to_string(n) + "\r\n";
    }
    ASSERT_GT(options.size(), 2 * kCopyBlockBytes);
    for (const auto& [name, text] : {std::pair<std::string, std::string>{"OPTIONS.OPT", options},
                                     {"HCDATA.DAT", "1,2,3\r\n"},
                                     {"RADIUS.DAT", "4,5,6\r\n"},
                                     {"NAMES.FIL", "Sample,05 Dec 1950\r\nOther,x\r\n"},
                                     {"NATAL.ORB", "8\r\n6\r\n"},
                                     {"TZ.DAT", "Eastern,EST,5\r\n"}}) {
        shipped.Write(name, text);
    }

    TempFolder user;
    user.Write("OPTIONS.OPT", options.substr(0, 2 * kCopyBlockBytes));  // a kill mid-copy
    user.Write("HCDATA.DAT", "");                                       // a full disk
    user.Write("names.fil", "");                                        // emptied by the user: kept
    user.Write("NATAL.ORB", "8\r\n");                        // shortened by the user: kept
    user.Write("TZ.DAT", "Eastern,EST,5\r\nMine,M,1\r\n");   // the user's own
    std::filesystem::create_directory(user / "RADIUS.DAT");  // not a file: left alone

    const FolderReport report = SeedProgramFolder(user.path(), shipped.path());
    EXPECT_EQ(report.failure, "");
    EXPECT_EQ(user.Read("OPTIONS.OPT"), options);
    EXPECT_EQ(user.Read("HCDATA.DAT"), "1,2,3\r\n");
    EXPECT_EQ(user.Read("names.fil"), "");
    EXPECT_FALSE(std::filesystem::exists(user / "NAMES.FIL") &&
                 !std::filesystem::equivalent(user / "NAMES.FIL", user / "names.fil"));
    EXPECT_EQ(user.Read("NATAL.ORB"), "8\r\n");
    EXPECT_EQ(user.Read("TZ.DAT"), "Eastern,EST,5\r\nMine,M,1\r\n");
    EXPECT_TRUE(std::filesystem::is_directory(user / "RADIUS.DAT"));
    ASSERT_EQ(report.notes.size(), 2u);  // the two restored files, named
    EXPECT_NE(report.notes[0].find("HCDATA.DAT"), std::string::npos) << report.notes[0];
    EXPECT_NE(report.notes[0].find("(0 of 7 bytes)"), std::string::npos) << report.notes[0];
    EXPECT_NE(report.notes[1].find("OPTIONS.OPT"), std::string::npos) << report.notes[1];
    EXPECT_NE(report.notes[1].find("restored from the shipped copy"), std::string::npos);

    // A second start finds nothing to do.
    EXPECT_TRUE(SeedProgramFolder(user.path(), shipped.path()).notes.empty());

    // An empty folder named by --home is filled; a missing one is not made;
    // a dangling link in it does not make a file outside it.
    TempFolder home;
    TempFolder outside;
    std::filesystem::create_symlink(outside / "planted.fil", home / "NAMES.FIL");
    std::filesystem::path folder;
    const FolderReport opened = OpenProgramFolder({home.path().string(), "", "", ""}, folder);
    EXPECT_EQ(opened.failure, "");
    EXPECT_FALSE(std::filesystem::exists(outside / "planted.fil"));
    ASSERT_EQ(opened.notes.size(), 1u);
    EXPECT_NE(opened.notes[0].find("NAMES.FIL"), std::string::npos) << opened.notes[0];
    EXPECT_TRUE(std::filesystem::is_regular_file(home / "OPTIONS.OPT"));
    EXPECT_TRUE(std::filesystem::is_regular_file(home / "HCDATA.DAT"));
    EXPECT_NE(OpenProgramFolder({(home / "absent").string(), "", "", ""}, folder).failure, "");
    EXPECT_FALSE(std::filesystem::exists(home / "absent"));
}

TEST(ShippedDataFolder, BesideTheProgramThenThePrefixThenTheSourceTree) {
    TempFolder root;
    const auto dataFolder = [&root](const std::string& name, bool complete) {
        std::filesystem::create_directories(root / name);
        if (complete) root.Write(name + "/OPTIONS.OPT", "1 x\r\n");
        return root / name;
    };
    const auto beside = dataFolder("beside", true);
    const auto prefix = dataFolder("prefix", true);
    const auto source = dataFolder("source", true);
    const auto bare = dataFolder("bare", false);  // another program's share/solvaris
    const auto absent = root / "absent";
    struct Case {
        std::vector<std::filesystem::path> candidates;
        std::filesystem::path chosen;
    };
    const Case cases[] = {
        {{beside, prefix, source}, beside},
        {{absent, prefix, source}, prefix},
        {{bare, absent, source}, source},
        {{absent, bare, absent}, absent},  // none: the last, for the message
        {{}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirstShippedDataFolder(c.candidates), c.chosen) << c.candidates.size();
    }

    // The installed layout bin/ and share/solvaris/ beside it comes first, the
    // source tree last.
    const auto candidates = ShippedDataCandidates("/opt/solvaris/bin");
    ASSERT_GE(candidates.size(), 2u);
    EXPECT_EQ(candidates.front(), std::filesystem::path("/opt/solvaris/share/solvaris"));
    EXPECT_EQ(candidates.back().filename(), "data");
    EXPECT_EQ(ShippedDataCandidates("").size(), candidates.size() - 1);
}

}  // namespace
}  // namespace solvaris
