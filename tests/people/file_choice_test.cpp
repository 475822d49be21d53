#include "people/file_choice.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

TEST(FileChoice, PatternMatching) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    for (const Case& c :
         {Case{"NAMES.FIL", "*.FIL", true}, Case{"names.fil", "*.FIL", true},
          Case{"NAMES.FIL.bak", "*.FIL", false}, Case{"NAMES.FI", "*.FIL", false},
          Case{".FIL", "*.FIL", true}, Case{"GA_MA.LL", "*.LL", true},
          Case{"GA_MA.LLL", "*.LL", false}, Case{"A.LL.LL", "*.LL", true},
          Case{"NATAL.ORB", "?????.ORB", true}, Case{"SOLAR.ORB", "????.ORB", false},
          Case{"x", "*", true}, Case{"", "*", true}, Case{"", "?", false},
          Case{"aaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*c", false}}) {
        EXPECT_EQ(MatchesFilePattern(c.name, c.pattern), c.matches) << c.name << " " << c.pattern;
    }
}

TEST(FileChoice, ListingAndPreselection) {
    TempFolder folder;
    for (const char* file : {"b.fil", "NAMES.FIL", "ES.FIL", "GA_MA.LL", "notes.txt"}) {
        folder.Write(file, "x\r\n");
    }
    for (const char* name : {"Zeta", "alpha", "dir.FIL"}) {  // dir.FIL: a folder, not a file
        std::filesystem::create_directories(folder / name);
    }

    const FolderListing listing = ListFolder(folder.path(), "*.FIL");
    EXPECT_TRUE(listing.readable);
    EXPECT_EQ(listing.folders, (std::vector<std::string>{"alpha", "dir.FIL", "Zeta"}));
    EXPECT_EQ(listing.files, (std::vector<std::string>{"b.fil", "ES.FIL", "NAMES.FIL"}));

    struct Case {
        std::string current;
        int selected;
    };
    const std::string here = folder.path().string();
    for (const Case& c : {Case{here + "/NAMES.FIL", 2}, Case{here + "/names.fil", 2},
                          Case{here + "/B.FIL", 0}, Case{"ES.FIL", 1}, Case{"", 0},
                          Case{here + "/OTHER.FIL", 0}, Case{"/elsewhere/ES.FIL", 1}}) {
        EXPECT_EQ(PreselectedFile(listing.files, c.current), c.selected) << c.current;
    }
    EXPECT_EQ(PreselectedFile({}, here + "/NAMES.FIL"), -1);

    EXPECT_FALSE(ListFolder(folder / "missing", "*.FIL").readable);
    EXPECT_EQ(StartFolder(here + "/NAMES.FIL", "/fallback"), folder.path());
    EXPECT_EQ(StartFolder(here + "/missing/NAMES.FIL", "/fallback"), "/fallback");
    EXPECT_EQ(StartFolder("", "/fallback"), "/fallback");
}

TEST(FileChoice, DrivesLeaveOutTheKernelsFileSystems) {
    EXPECT_EQ(DriveRoots({"/proc", "/", "/home", "/sys/fs/cgroup", "/dev/shm", "/run/user/0",
                          "/media/usb", "/procedures", "/home"}),
              (std::vector<std::string>{"/", "/home", "/media/usb", "/procedures"}));
    EXPECT_EQ(DriveRoots({}), (std::vector<std::string>{"/"}));

    const std::vector<std::string> roots{"/", "/home", "/home/ann/usb", "/media"};
    struct Case {
        const char* folder;
        int drive;
    };
    for (const Case& c :
         {Case{"/", 0}, Case{"/tmp", 0}, Case{"/home", 1}, Case{"/home/bob", 1},
          Case{"/homework", 0}, Case{"/home/ann/usb/charts", 2}, Case{"/media", 3}}) {
        EXPECT_EQ(DriveOf(roots, c.folder), c.drive) << c.folder;
    }
}

}  // namespace
}  // namespace solvaris
