#include "base/file_replace.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <system_error>
#include <thread>

namespace solvaris {

namespace {

// A chain of links longer than this is taken for a loop, as the kernel does.
constexpr int kMostLinksFollowed = 40;
// Saves are short; a lock held longer than this belongs to something stuck,
// and the save is refused rather than waiting for ever.
constexpr auto kLongestLockWait = std::chrono::seconds(10);
constexpr auto kLockRetryPause = std::chrono::milliseconds(10);
constexpr int kWorkNameAttempts = 100;

std::string Reason(int error) { return std::strerror(error); }

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a name finally stands for: a symbolic link is written through
// to its target (kept a link), not replaced by a plain file.
std::filesystem::path LinkTarget(std::filesystem::path path) {
    for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
            return path;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(path, ec);
        if (ec) {
            return path;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

// An exclusive advisory lock on the file's folder for the length of one
// save. The folder, unlike the file, keeps its identity across the rename,
// so a second save waits for the first to finish instead of locking a file
// that is about to be replaced. The same descriptor flushes the folder.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& folder)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~FolderLock() {
        if (fd_ >= 0) {
            ::close(fd_);  // releases the lock
        }
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False only when another save holds the lock too long. A folder that
    // cannot be opened or locked (no read permission, a file system
    // without locks) is saved into unlocked: the unique work file and the
    // rename still keep every file whole.
    bool Take() const {
        if (fd_ < 0) {
            return true;
        }
        const auto deadline = std::chrono::steady_clock::now() + kLongestLockWait;
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                return true;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                return false;
            }
            std::this_thread::sleep_for(kLockRetryPause);
        }
        return true;
    }
    void Sync() const {
        if (fd_ >= 0) {
            ::fsync(fd_);
        }
    }

private:
    int fd_;
};

// The mode and owner a replacement must keep; none for a new file.
struct Keep {
    bool exists = false;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

// A work file of its own beside the target (same folder, so the rename
// stays on one file system), made with O_EXCL so that no two saves ever
// share one. A new file gets the usual mode under the umask; a replacement
// starts private and takes the old file's mode and owner once made.
int CreateWorkFile(const std::filesystem::path& target, const Keep& keep,
                   std::filesystem::path& work) {
    std::random_device device;
    const std::string stem = target.filename().string() + "." + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < kWorkNameAttempts; ++attempt) {
        work = target;
        work.replace_filename(stem + std::to_string(device()) + ".$$$");
        const int fd = ::open(work.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              keep.exists ? 0600 : 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// The old file's owner and mode on the work file. When the owner cannot be
// kept (another user's file), the group and others lose their access rather
// than gaining the saver's group.
bool KeepModeAndOwner(int fd, const Keep& keep) {
    if (!keep.exists) {
        return true;
    }
    mode_t mode = keep.mode;
    if (::fchown(fd, keep.owner, keep.group) != 0) {
        mode &= ~static_cast<mode_t>(S_IRWXG | S_IRWXO);
    }
    return ::fchmod(fd, mode) == 0;
}

// The old file under the backup name: a second link when the file system
// allows it, else a copy; the file itself is never moved away.
std::string MakeBackup(const std::filesystem::path& path, const std::filesystem::path& backup) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return {};
    }
    std::filesystem::remove(backup, ec);
    if (::link(path.c_str(), backup.c_str()) == 0) {
        return {};
    }
    std::filesystem::copy_file(path, backup, std::filesystem::copy_options::overwrite_existing, ec);
    return ec ? "the backup " + backup.filename().string() + " could not be made (" + ec.message() +
                    ")"
              : std::string();
}

}  // namespace

std::string ReplaceFileContent(const std::filesystem::path& path, std::string_view content,
                               const ReplaceOptions& options) {
    // Each step's system call, or a failure with `injected` when a test
    // makes that step fail.
    const auto step = [&options](ReplaceStep which, int injected, auto call) {
        if (options.fault.failAt == which) {
            errno = injected;
            return false;
        }
        return call();
    };
    const std::filesystem::path target = LinkTarget(path);
    const FolderLock lock(FolderOf(target));
    if (!lock.Take()) {
        return "another save in the folder did not finish";
    }
    Keep keep;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) {
            return target.filename().string() + " is not a plain file";
        }
        keep = {true, static_cast<mode_t>(old.st_mode & 07777), old.st_uid, old.st_gid};
    }
    std::filesystem::path work;
    int fd = -1;
    if (!step(ReplaceStep::Create, EACCES, [&] {
            fd = CreateWorkFile(target, keep, work);
            return fd >= 0;
        })) {
        return "no work file could be created beside " + target.filename().string() + " (" +
               Reason(errno) + ")";
    }
    std::string failure;
    if (!KeepModeAndOwner(fd, keep)) {
        failure = "the work file could not take the mode of " + target.filename().string() + " (" +
                  Reason(errno) + ")";
    } else if (!step(ReplaceStep::Write, ENOSPC, [&] { return WriteAll(fd, content); })) {
        failure = "the work file could not be written (" + Reason(errno) + ")";
    } else if (!step(ReplaceStep::Flush, EIO, [&] { return ::fsync(fd) == 0; })) {
        failure = "the work file could not be flushed to disk (" + Reason(errno) + ")";
    }
    if (::close(fd) != 0 && failure.empty()) {
        failure = "the work file could not be closed (" + Reason(errno) + ")";
    }
    if (failure.empty() && options.backup &&
        !step(ReplaceStep::Backup, EACCES,
              [&] {
                  failure = MakeBackup(target, *options.backup);
                  return failure.empty();
              }) &&
        failure.empty()) {
        failure = "the backup " + options.backup->filename().string() + " could not be made (" +
                  Reason(errno) + ")";
    }
    if (failure.empty() && !step(ReplaceStep::Rename, EXDEV,
                                 [&] { return ::rename(work.c_str(), target.c_str()) == 0; })) {
        failure = "the work file could not be renamed to " + target.filename().string() + " (" +
                  Reason(errno) + ")";
    }
    if (!failure.empty()) {
        std::error_code ec;
        std::filesystem::remove(work, ec);
        return failure;
    }
    lock.Sync();
    return {};
}

}  // namespace solvaris
