// A damaged zone folder (TZDIR pointed at a copy): a file of other bytes, a
// FIFO, a device, a loop of links and names that are no place are refused
// with a message and never read or followed; the listing ends.
#include "people/zone_files.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>

#include "people/zone_history.hpp"
#include "support/command_outcome.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

namespace fs = std::filesystem;

// TZDIR set for the test's life, and what it was put back.
class ZoneFolderCopy {
public:
    ZoneFolderCopy() {
        const fs::path system = ZoneFolder();
        fs::create_directories(folder_ / "America");
        fs::create_directories(folder_ / "Bad");
        fs::create_directories(folder_ / "posix");
        fs::copy_file(system / "America/New_York", folder_ / "America/New_York");
        fs::copy_file(system / "Europe/Paris", folder_ / "Paris");
        fs::copy_file(system / "Europe/Paris", folder_ / "posix/Paris");
        fs::copy_file(system / "Europe/Paris", folder_ / "Factory");
        fs::create_symlink("America/New_York", folder_ / "posixrules");
        fs::create_symlink("America/New_York", folder_ / "localtime");
        folder_.Write("Bad/Random", std::string("\x9c\x01TZ\xff\x00\x13", 7) + "random bytes");
        fs::copy_file("/etc/passwd", folder_ / "Bad/Passwd");
        folder_.Write("Bad/Short", "TZif2");
        folder_.Write("Bad/Truncated",
                      testing::ReadBytes(system / "America/New_York").substr(0, 60));
        ::mkfifo((folder_ / "Bad/Fifo").c_str(), 0600);
        fs::create_symlink("/dev/zero", folder_ / "Bad/Device");
        fs::create_symlink("LoopB", folder_ / "Bad/LoopA");
        fs::create_symlink("LoopA", folder_ / "Bad/LoopB");
        fs::create_directory_symlink("..", folder_ / "Bad/Up");  // a loop of folders
        if (const char* before = std::getenv("TZDIR")) {
            before_ = before;
        }
        ::setenv("TZDIR", folder_.path().c_str(), 1);
    }
    ~ZoneFolderCopy() {
        if (before_) {
            ::setenv("TZDIR", before_->c_str(), 1);
        } else {
            ::unsetenv("TZDIR");
        }
    }
    ZoneFolderCopy(const ZoneFolderCopy&) = delete;
    ZoneFolderCopy& operator=(const ZoneFolderCopy&) = delete;

private:
    testing::TempFolder folder_;
    std::optional<std::string> before_;
};

TEST(ZoneFiles, DamagedFilesAndNonPlacesAreRefusedUnread) {
    const ZoneFolderCopy copy;
    struct Case {
        const char* name;
        bool damaged;
        const char* inProblem;  // empty: a zone
    };
    const Case cases[] = {
        {"America/New_York", false, ""},
        {"Paris", false, ""},
        {"Bad/Random", true, "is not a zone file"},
        {"Bad/Passwd", true, "is not a zone file"},
        {"Bad/Short", true, "is not a zone file"},
        {"Bad/Fifo", true, "is a FIFO, not a zone file"},
        {"Bad/Device", true, "is a device, not a zone file"},
        {"Bad/LoopA", true, "is a loop of links"},
        {"Bad/Up", true, "is a folder, not a zone file"},
        {"Bad/Missing", false, "not found in the tz database"},
        {"localtime", false, "not the name of a place's zone"},
        {"posixrules", false, "not the name of a place's zone"},
        {"Factory", false, "not the name of a place's zone"},
        {"posix/Paris", false, "not the name of a place's zone"},
        {"../etc/passwd", false, "not the name of a place's zone"},
        {"/etc/passwd", false, "not the name of a place's zone"},
        {"libc:localtime", false, "not the name of a place's zone"},
        {"", false, "not the name of a place's zone"},
    };
    for (const Case& c : cases) {
        const ZoneFileCheck check = CheckZoneFile(c.name);
        EXPECT_NE(check.problem.find(c.inProblem), std::string::npos) << c.name << check.problem;
        EXPECT_EQ(check.problem.empty(), *c.inProblem == '\0') << c.name;
        EXPECT_EQ(check.damaged, c.damaged) << c.name;
        // The lookups say the same and never hold or abort.
        const ZoneLookup local = ZoneAtLocalTime(c.name, {2020, 1, 15, 12, 0, 0});
        EXPECT_EQ(local.zone.has_value(), *c.inProblem == '\0') << c.name;
        EXPECT_EQ(local.databaseDamaged, c.damaged) << c.name;
        EXPECT_EQ(ZoneRuleAtInstant(c.name, {}).rule.has_value(), *c.inProblem == '\0') << c.name;
    }
    // A file cut short after its header is listed, and refused when read.
    const ZoneLookup truncated = ZoneAtLocalTime("Bad/Truncated", {2020, 1, 15, 12, 0, 0});
    EXPECT_FALSE(truncated.zone);
    EXPECT_TRUE(truncated.databaseDamaged);
    EXPECT_NE(truncated.problem.find("is not a zone file"), std::string::npos) << truncated.problem;
    // Bad/Up/Bad/Up/... would repeat for ever if links to folders were followed.
    EXPECT_EQ(PlaceZoneNames(),
              (std::vector<std::string>{"America/New_York", "Bad/Truncated", "Paris"}));
    EXPECT_EQ(ZoneNamesContaining("pARIS"), std::vector<std::string>{"Paris"});

    // The command line: a damaged file is status 3, an unknown name 2.
    const std::vector<std::string> chart = {"chart", "--date", "2020-01-15", "--time", "12:00",
                                            "--lon", "74w00",  "--lat",      "40n43",  "--tz"};
    for (const auto& [zone, status] : {std::pair{"Bad/Random", 3},
                                       {"Bad/Fifo", 3},
                                       {"Bad/Truncated", 3},
                                       {"Bad/LoopA", 3},
                                       {"localtime", 2},
                                       {"Nowhere", 2}}) {
        std::vector<std::string> args = chart;
        args.push_back(zone);
        const testing::Outcome run = testing::RunArgs(args);
        EXPECT_EQ(run.status, status) << zone << run.err;
        EXPECT_NE(run.err.find(std::string("--tz ") + zone + ": "), std::string::npos) << run.err;
    }
    EXPECT_EQ(testing::RunArgs({"zones", "a"}).out, "America/New_York\nBad/Truncated\nParis\n");
}

}  // namespace
}  // namespace solvaris
