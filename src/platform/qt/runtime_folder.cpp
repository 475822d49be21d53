#include "platform/qt/runtime_folder.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace solvaris {

namespace {

constexpr mode_t kPrivateFolderMode = 0700;

}  // namespace

std::filesystem::path PrivateRuntimeFolder(const std::filesystem::path& base, uid_t user) {
    const std::filesystem::path folder = base / ("solvaris-runtime-" + std::to_string(user));
    ::mkdir(folder.c_str(), kPrivateFolderMode);  // an existing one is checked below
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != user ||
        (info.st_mode & 0777) != kPrivateFolderMode) {
        return {};
    }
    return folder;
}

void EnsureRuntimeFolder() {
    const char* present = std::getenv("XDG_RUNTIME_DIR");
    if (present != nullptr && *present != '\0') {
        return;
    }
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) {
        return;
    }
    const std::filesystem::path folder = PrivateRuntimeFolder(base, ::getuid());
    if (!folder.empty()) {
        ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    }
}

}  // namespace solvaris
