// The crash-safe replacement keeps what the file was (mode, owner, a link
// to it) and saves at once never mix.
#include "base/file_replace.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
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

std::size_t FilesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

TEST(ReplaceFileContent, KeepsModeOwnerAndLinks) {
    const mode_t umask = ::umask(022);
    ::umask(umask);
    struct Case {
        const char* what;
        // Makes the folder's files; returns the name saved to.
        std::function<std::string(const TempFolder&)> setUp;
        const char* written;  // the plain file that must hold the new content
        mode_t mode;
    };
    const auto plain = [](const char* name, mode_t mode) {
        return [=](const TempFolder& f) {
            std::filesystem::permissions(f.Write(name, "old\r\n"),
                                         static_cast<std::filesystem::perms>(mode));
            return std::string(name);
        };
    };
    const std::vector<Case> cases = {
        {"private names file", plain("NAMES.FIL", 0600), "NAMES.FIL", 0600},
        {"group-readable", plain("NAMES.FIL", 0640), "NAMES.FIL", 0640},
        {"ordinary", plain("NAMES.FIL", 0644), "NAMES.FIL", 0644},
        {"new file", [](const TempFolder&) { return std::string("NEW.FIL"); }, "NEW.FIL",
         static_cast<mode_t>(0666 & ~umask)},
        {"relative link",
         [](const TempFolder& f) {
             std::filesystem::create_directory(f / "real");
             std::filesystem::permissions(f.Write("real/NAMES.FIL", "old\r\n"),
                                          std::filesystem::perms(0600));
             std::filesystem::create_symlink("real/NAMES.FIL", f / "NAMES.FIL");
             return std::string("NAMES.FIL");
         },
         "real/NAMES.FIL", 0600},
        {"chain of links",
         [](const TempFolder& f) {
             f.Write("target.fil", "old\r\n");
             std::filesystem::create_symlink(f / "target.fil", f / "one.fil");
             std::filesystem::create_symlink("one.fil", f / "two.fil");
             return std::string("two.fil");
         },
         "target.fil", static_cast<mode_t>(0666 & ~umask)},
        {"dangling link",
         [](const TempFolder& f) {
             std::filesystem::create_symlink("made.fil", f / "link.fil");
             return std::string("link.fil");
         },
         "made.fil", static_cast<mode_t>(0666 & ~umask)},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string name = c.setUp(folder);
        const bool wasLink = std::filesystem::is_symlink(folder / name);
        ASSERT_EQ(ReplaceFileContent(folder / name, "new\r\n"), "") << c.what;
        EXPECT_EQ(folder.Read(c.written), "new\r\n") << c.what;
        EXPECT_EQ(std::filesystem::is_symlink(folder / name), wasLink) << c.what;
        EXPECT_EQ(StatOf(folder / c.written).st_mode & 07777, c.mode) << c.what;
    }
    if (::geteuid() == 0) {  // only the superuser can give a file away
        TempFolder folder;
        const auto file = folder.Write("NAMES.FIL", "old\r\n");
        ASSERT_EQ(::chown(file.c_str(), 4321, 4322), 0);
        ASSERT_EQ(ReplaceFileContent(file, "new\r\n"), "");
        EXPECT_EQ(StatOf(file).st_uid, 4321u);
        EXPECT_EQ(StatOf(file).st_gid, 4322u);
    }
    TempFolder folder;
    std::filesystem::create_directory(folder / "NAMES.FIL");
    EXPECT_NE(ReplaceFileContent(folder / "NAMES.FIL", "new\r\n"), "");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "NAMES.FIL"));
    EXPECT_EQ(FilesIn(folder.path()), 1u);
}

// Writers save whole contents of one letter each, again and again, while a
// reader reads: every read must be one complete content, every save must
// succeed, and no work file may be left.
TEST(ReplaceFileContent, SavesAtOnceNeverTearTheFile) {
    TempFolder folder;
    const std::filesystem::path file = folder / "NAMES.FIL";
    constexpr std::size_t kBytes = 256 * 1024;
    constexpr int kWriters = 4;
    constexpr int kSaves = 25;
    ASSERT_EQ(ReplaceFileContent(file, std::string(kBytes, 'a')), "");
    std::vector<int> failedSaves(kWriters, 0);
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&, w] {
            const std::string content(kBytes, static_cast<char>('b' + w));
            for (int n = 0; n < kSaves; ++n) {
                failedSaves[w] += ReplaceFileContent(file, content).empty() ? 0 : 1;
            }
        });
    }
    int tornReads = 0;
    for (int n = 0; n < 200; ++n) {
        const auto bytes = ReadFileBytes(file);
        if (!bytes || bytes->size() != kBytes ||
            bytes->find_first_not_of((*bytes)[0]) != std::string::npos) {
            ++tornReads;
        }
    }
    for (std::thread& t : writers) {
        t.join();
    }
    EXPECT_EQ(tornReads, 0);
    for (int w = 0; w < kWriters; ++w) {
        EXPECT_EQ(failedSaves[w], 0) << w;
    }
    EXPECT_EQ(FilesIn(folder.path()), 1u);
}

}  // namespace
}  // namespace solvaris
