#include "base/trusted_path.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

namespace solvaris {

namespace {

bool IsTrusted(uid_t owner, const std::vector<uid_t>& trusted) {
    return std::find(trusted.begin(), trusted.end(), owner) != trusted.end();
}

bool OthersMayWrite(const struct stat& info) { return (info.st_mode & (S_IWGRP | S_IWOTH)) != 0; }

std::string Refusal(const std::filesystem::path& place, const std::string& why) {
    return place.string() + " " + why + ", so nothing is taken from it";
}

// Each entry on the way to `path`, from the root down. A folder that others
// may write is passed through only when it is sticky: its next entry, which
// must be a trusted user's, is then safe. A link's own mode means nothing;
// its owner does.
Problem ChainProblem(const std::filesystem::path& path, const std::vector<uid_t>& trusted) {
    std::vector<std::filesystem::path> chain{path.root_path()};
    for (const std::filesystem::path& part : path.relative_path()) {
        chain.push_back(chain.back() / part);
    }
    for (std::size_t i = 0; i < chain.size(); ++i) {
        struct stat entry {};
        if (::lstat(chain[i].c_str(), &entry) != 0) {
            return chain[i].string() + " cannot be examined";
        }
        if (!IsTrusted(entry.st_uid, trusted)) {
            return Refusal(chain[i], "belongs to another user");
        }
        const bool passedThrough = i + 1 < chain.size();
        const bool stickyFolder = S_ISDIR(entry.st_mode) && (entry.st_mode & S_ISVTX) != 0;
        if (!S_ISLNK(entry.st_mode) && OthersMayWrite(entry) && !(passedThrough && stickyFolder)) {
            return Refusal(chain[i], "can be written by other users");
        }
    }
    return {};
}

}  // namespace

std::vector<uid_t> TrustedUsersOfProcess() {
    std::vector<uid_t> users{0, ::geteuid()};
    struct stat self {};
    if (::stat("/proc/self/exe", &self) == 0) {
        users.push_back(self.st_uid);
    }
    return users;
}

Problem UntrustedPathProblem(const std::filesystem::path& path, const std::vector<uid_t>& trusted) {
    std::error_code ec;
    const std::filesystem::path resolved = std::filesystem::canonical(path, ec);
    if (ec) {
        return path.string() + " cannot be found (" + ec.message() + ")";
    }
    // The path as given, its links judged where they stand, then the folders
    // the links lead to.
    const std::filesystem::path given = std::filesystem::absolute(path, ec).lexically_normal();
    if (Problem problem = ChainProblem(given, trusted); !problem.empty()) {
        return problem;
    }
    return ChainProblem(resolved, trusted);
}

}  // namespace solvaris
