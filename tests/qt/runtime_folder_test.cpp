// The runtime folder given to Qt when $XDG_RUNTIME_DIR is unset: only ever a private one.
#include "platform/qt/runtime_folder.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

TEST(RuntimeFolder, OnlyAPrivateFolderOfTheUserIsUsed) {
    const uid_t user = ::getuid();
    const std::string name = "solvaris-runtime-" + std::to_string(user);
    struct Case {
        const char* what;
        int existingMode;  // -1: absent; 0: a plain file under the name
        bool used;
    };
    const Case cases[] = {
        {"absent: made", -1, true},          {"private: reused", 0700, true},
        {"readable by others", 0755, false}, {"writable by all", 0777, false},
        {"a file under the name", 0, false},
    };
    for (const Case& c : cases) {
        const testing::TempFolder base;
        const std::filesystem::path folder = base / name;
        if (c.existingMode == 0) {
            base.Write(name, "x");
        } else if (c.existingMode > 0) {
            std::filesystem::create_directory(folder);
            ::chmod(folder.c_str(), static_cast<mode_t>(c.existingMode));
        }
        const std::filesystem::path chosen = PrivateRuntimeFolder(base.path(), user);
        EXPECT_EQ(chosen, c.used ? folder : std::filesystem::path()) << c.what;
        if (c.used) {
            EXPECT_EQ(std::filesystem::symlink_status(folder).permissions(),
                      std::filesystem::perms::owner_all)
                << c.what;
        }
    }
    // Another user's folder is never taken.
    const testing::TempFolder base;
    EXPECT_TRUE(PrivateRuntimeFolder(base.path(), user + 1).empty());
}

}  // namespace
}  // namespace solvaris
