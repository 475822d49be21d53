#include "people/zone_files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace solvaris {

namespace {

// The longest zone name of the database has 32 characters and three parts.
constexpr std::size_t kLongestName = 128;
constexpr int kDeepestName = 4;

bool IsNamePart(std::string_view part) {
    return !part.empty() && part != "." && part != ".." && std::ranges::all_of(part, [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '+';
    });
}

// A name as the database spells its zones, not one of its other files.
bool IsPlaceName(std::string_view name) {
    if (name.empty() || name.size() > kLongestName) {
        return false;
    }
    int parts = 0;
    std::string_view rest = name;
    while (true) {
        const std::size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        if (!IsNamePart(part) || ++parts > kDeepestName ||
            (parts == 1 && slash != std::string_view::npos &&
             (part == "posix" || part == "right"))) {
            return false;
        }
        if (slash == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(slash + 1);
    }
    return name != "localtime" && name != "posixrules" && name != "Factory";
}

const char* KindOfFile(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a FIFO";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "not a regular file";
}

// The file's first bytes: a zone file begins "TZif" and a header. stat() follows at
// most the kernel's bound of links (ELOOP after that); the open neither
// waits for a FIFO's writer nor takes a terminal, should the file have been
// swapped since.
ZoneFileCheck CheckFileContent(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        const int error = errno;
        if (error == ELOOP) {
            return {"its file " + path.string() + " is a loop of links", true};
        }
        if (error == ENOENT || error == ENOTDIR) {
            return {"not found in the tz database at " + ZoneFolder().string(), false};
        }
        return {"its file " + path.string() + " cannot be read (" +
                    std::generic_category().message(error) + ")",
                true};
    }
    if (!S_ISREG(status.st_mode)) {
        return {
            "its file " + path.string() + " is " + KindOfFile(status.st_mode) + ", not a zone file",
            true};
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return {"its file " + path.string() + " cannot be read (" +
                    std::generic_category().message(errno) + ")",
                true};
    }
    // A zone file's header alone has 44 bytes; what follows the zone
    // library checks as it reads.
    constexpr std::size_t kHeaderBytes = 44;
    std::array<char, kHeaderBytes> header{};
    struct stat opened {};
    const bool regular = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    const bool zoneFile =
        regular && ::read(fd, header.data(), header.size()) == static_cast<ssize_t>(kHeaderBytes) &&
        std::string_view(header.data(), 4) == "TZif";
    ::close(fd);
    if (!zoneFile) {
        return {"its file " + path.string() + " is not a zone file", true};
    }
    return {};
}

}  // namespace

std::filesystem::path ZoneFolder() {
    const char* folder = std::getenv("TZDIR");
    return folder != nullptr && *folder != '\0' ? std::filesystem::path(folder)
                                                : std::filesystem::path("/usr/share/zoneinfo");
}

ZoneFileCheck CheckZoneFile(std::string_view zoneName) {
    if (!IsPlaceName(zoneName)) {
        return {"not found: not the name of a place's zone in the tz database", false};
    }
    return CheckFileContent(ZoneFolder() / zoneName);
}

std::vector<std::string> PlaceZoneNames() {
    const std::filesystem::path folder = ZoneFolder();
    std::vector<std::string> names;
    std::error_code error;
    // Links to folders are not followed (the iterator's default): a loop
    // of them cannot hold the walk.
    std::filesystem::recursive_directory_iterator walk(
        folder, std::filesystem::directory_options::skip_permission_denied, error);
    for (; !error && walk != std::filesystem::recursive_directory_iterator();
         walk.increment(error)) {
        const std::string name = walk->path().lexically_relative(folder).generic_string();
        std::error_code entryError;
        if (walk->symlink_status(entryError).type() == std::filesystem::file_type::directory) {
            if (!IsPlaceName(name) || walk.depth() + 1 >= kDeepestName) {
                walk.disable_recursion_pending();
            }
            continue;
        }
        if (IsPlaceName(name) && CheckFileContent(walk->path()).problem.empty()) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace solvaris
