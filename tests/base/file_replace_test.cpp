// The crash-safe replacement keeps what the file was (mode, owner, a link
// to it) and saves at once never mix.
#include "base/file_replace.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <thread>
#include <vector>

#include "base/text_lines.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

struct stat StatOf(const std::filesystem::path& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

TEST(ReplaceFileContent, KeepsModeOwnerAndLinks) {
    const mode_t umask = ::umask(022);
    ::umask(umask);
    const auto fresh = static_cast<mode_t>(0666 & ~umask);  // a new file's mode
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> links;  // "/x": x in the folder
        const char* saved;
        const char* written;  // the plain file that must hold the new content
        mode_t mode;          // 0: the file is new
    };
    const std::vector<Case> cases = {
        {"private names file", {}, "NAMES.FIL", "NAMES.FIL", 0600},
        {"new file", {}, "NEW.FIL", "NEW.FIL", 0},
        {"relative link", {{"NAMES.FIL", "real/NAMES.FIL"}}, "NAMES.FIL", "real/NAMES.FIL", 0600},
        {"chain", {{"one.fil", "/t.fil"}, {"two.fil", "one.fil"}}, "two.fil", "t.fil", 0640},
        {"dangling link", {{"link.fil", "made.fil"}}, "link.fil", "made.fil", 0},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::filesystem::create_directories((folder / c.written).parent_path());
        if (c.mode != 0) {
            std::filesystem::permissions(folder.Write(c.written, "old\r\n"),
                                         static_cast<std::filesystem::perms>(c.mode));
        }
        for (const auto& [link, target] : c.links) {
            std::filesystem::create_symlink(
                *target == '/' ? folder / (target + 1) : std::filesystem::path(target),
                folder / link);
        }
        ASSERT_EQ(ReplaceFileContent(folder / c.saved, "new\r\n"), "") << c.what;
        EXPECT_EQ(folder.Read(c.written), "new\r\n") << c.what;
        EXPECT_EQ(std::filesystem::is_symlink(folder / c.saved), !c.links.empty()) << c.what;
        EXPECT_EQ(StatOf(folder / c.written).st_mode & 07777, c.mode != 0 ? c.mode : fresh)
            << c.what;
    }
    if (::geteuid() == 0) {  // only the superuser can give a file away
        TempFolder folder;
        const auto file = folder.Write("NAMES.FIL", "old\r\n");
        ASSERT_EQ(::chown(file.c_str(), 4321, 4322), 0);
        ASSERT_EQ(ReplaceFileContent(file, "new\r\n"), "");
        EXPECT_EQ(std::pair(StatOf(file).st_uid, StatOf(file).st_gid), std::pair(4321u, 4322u));
    }
}

// Writers save whole contents of one letter each, again and again, while a
// reader reads: every read must be one complete content, every save must
// succeed, and no work file may be left.
TEST(ReplaceFileContent, SavesAtOnceNeverTearTheFile) {
    TempFolder folder;
    const std::filesystem::path file = folder / "NAMES.FIL";
    constexpr std::size_t kBytes = 256 * 1024;
    ASSERT_EQ(ReplaceFileContent(file, std::string(kBytes, 'a')), "");
    std::atomic<int> failedSaves{0};
    std::vector<std::thread> writers;
    for (const char letter : {'b', 'c', 'd', 'e'}) {
        writers.emplace_back([&, letter] {
            for (int n = 0; n < 25; ++n) {
                failedSaves += !ReplaceFileContent(file, std::string(kBytes, letter)).empty();
            }
        });
    }
    int tornReads = 0;
    for (int n = 0; n < 200; ++n) {
        const auto bytes = ReadFileBytes(file);
        tornReads += !bytes || bytes->size() != kBytes ||
                     bytes->find_first_not_of((*bytes)[0]) != std::string::npos;
    }
    for (std::thread& t : writers) t.join();
    EXPECT_EQ(tornReads, 0);
    EXPECT_EQ(failedSaves, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

// In a sticky, world-writable folder a link is followed only where the
// kernel's protected-links rule would follow it: owned by the saver or by
// the folder's owner. Giving a link away needs the superuser.
TEST(ReplaceFileContent, FollowsLinksInASharedFolderOnlyAsTheKernelWould) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs the superuser";
    constexpr uid_t kOther = 4321, kFolderOwner = 4322;
    struct Case {
        const char* what;
        mode_t folderMode;
        uid_t folderOwner;
        uid_t linkOwner;
        bool followed;
    };
    const std::vector<Case> cases = {
        {"another user's link in a shared folder", 01777, 0, kOther, false},
        {"another user's link, folder of a third", 01777, kFolderOwner, kOther, false},
        {"the folder owner's link", 01777, kFolderOwner, kFolderOwner, true},
        {"the saver's own link", 01777, kFolderOwner, 0, true},
        {"not sticky", 0777, 0, kOther, true},
        {"sticky, not world-writable", 01775, 0, kOther, true},
    };
    for (const Case& c : cases) {
        TempFolder victim;
        const auto file = victim.Write("precious.txt", "mine\n");
        TempFolder shared;
        const auto link = shared / "chart.png";
        std::filesystem::create_symlink(file, link);
        ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
        ASSERT_EQ(::chown(shared.path().c_str(), c.folderOwner, c.folderOwner), 0);
        ASSERT_EQ(::chmod(shared.path().c_str(), c.folderMode), 0);
        const std::string failure = ReplaceFileContent(link, "picture");
        EXPECT_EQ(failure.empty(), c.followed) << c.what << ": " << failure;
        EXPECT_EQ(victim.Read("precious.txt"), c.followed ? "picture" : "mine\n") << c.what;
        // A refusal names the link and leaves it.
        EXPECT_TRUE(c.followed || (failure.find(link.string()) != std::string::npos &&
                                   std::filesystem::is_symlink(link)))
            << c.what;
    }
}

// A save clears the work files that killed saves of this program left in
// its folder, and nothing else: not a live process's, not another shape,
// not a link, not another user's.
TEST(ReplaceFileContent, RemovesWorkFilesOfEndedSavesOnly) {
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ASSERT_GT(ended, 0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    const std::string dead = std::to_string(ended);
    const std::string alive = std::to_string(::getppid());
    TempFolder folder;
    folder.Write("NAMES.FIL", "old\r\n");
    struct Case {
        std::string name;
        bool removed;
    };
    std::vector<Case> cases = {
        {"NAMES.FIL." + dead + "-12345.$$$", true},   {"CITIES.LL." + dead + "-7.$$$", true},
        {"NAMES.FIL." + alive + "-12345.$$$", false}, {"NAMES.FIL." + dead + "-12x45.$$$", false},
        {"NAMES.FIL." + dead + ".$$$", false},        {"REPORT.$$$", false},
        {"NAMES.FIL." + dead + "-12345.tmp", false},
    };
    for (const Case& c : cases) folder.Write(c.name, "work");
    const std::string link = "LINKED." + dead + "-1.$$$";
    std::filesystem::create_symlink(folder / "NAMES.FIL", folder / link);
    cases.push_back({link, false});
    if (::geteuid() == 0) {
        const std::string others = "OTHERS." + dead + "-2.$$$";
        ASSERT_EQ(::chown(folder.Write(others, "work").c_str(), 4321, 4321), 0);
        cases.push_back({others, false});
    }
    ASSERT_EQ(ReplaceFileContent(folder / "NAMES.FIL", "new\r\n"), "");
    for (const Case& c : cases) {
        EXPECT_EQ(std::filesystem::exists(std::filesystem::symlink_status(folder / c.name)),
                  !c.removed)
            << c.name;
    }
    EXPECT_EQ(folder.Read("NAMES.FIL"), "new\r\n");
}

TEST(ReplaceFileContent, EveryFailingStepLeavesTheOldFile) {
    for (ReplaceStep step : {ReplaceStep::Create, ReplaceStep::Write, ReplaceStep::Flush,
                             ReplaceStep::Backup, ReplaceStep::Rename}) {
        TempFolder folder;
        folder.Write("NAMES.FIL", "old\r\n");
        const std::string failure =
            ReplaceFileContent(folder / "NAMES.FIL", "new\r\n", {folder / "NAMES.OLD", {step}});
        EXPECT_FALSE(failure.empty()) << static_cast<int>(step);
        EXPECT_EQ(folder.Read("NAMES.FIL"), "old\r\n");
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            EXPECT_FALSE(entry.path().string().ends_with(".$$$")) << entry.path();
        }
    }
    TempFolder folder;  // a folder in the file's place is refused and kept
    std::filesystem::create_directory(folder / "DIR.FIL");
    EXPECT_NE(ReplaceFileContent(folder / "DIR.FIL", "new\r\n"), "");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "DIR.FIL"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    folder.Write("NAMES.FIL", "old\r\n");
    folder.Write("NAMES.OLD", "older\r\n");
    EXPECT_EQ(ReplaceFileContent(folder / "NAMES.FIL", "new\r\n", {folder / "NAMES.OLD", {}}), "");
    EXPECT_EQ(folder.Read("NAMES.FIL"), "new\r\n");
    EXPECT_EQ(folder.Read("NAMES.OLD"), "old\r\n");

    // A real rename refused: an append-only folder (the superuser's flag)
    // takes the work file but keeps the old name.
    const int fd = ::open(folder.path().c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        int appendOnly = flags | FS_APPEND_FL;
        if (::ioctl(fd, FS_IOC_SETFLAGS, &appendOnly) == 0) {
            const std::string failure = ReplaceFileContent(folder / "NAMES.FIL", "newer\r\n");
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
            EXPECT_NE(failure.find("could not be renamed"), std::string::npos) << failure;
            EXPECT_EQ(folder.Read("NAMES.FIL"), "new\r\n");
        }
    }
    if (fd >= 0) ::close(fd);
}

}  // namespace
}  // namespace solvaris
