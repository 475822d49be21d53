#include "base/file_replace.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <random>
#include <system_error>
#include <thread>

#include "base/text_lines.hpp"

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

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

// The kernel's protected-links rule: in a sticky, world-writable folder
// (/tmp) a link is followed only when the follower or the folder's owner
// owns it, so that another user cannot plant a link to the follower's
// files. The replacement resolves links itself, so the kernel never gets
// to apply the rule; it is applied here.
bool FollowsLinkAsKernelWould(const std::filesystem::path& link) {
    struct stat linkStat {};
    struct stat folderStat {};
    if (::lstat(link.c_str(), &linkStat) != 0 || ::stat(FolderOf(link).c_str(), &folderStat) != 0) {
        return true;  // nothing to follow; the save reports what is missing
    }
    const bool shared = (folderStat.st_mode & S_ISVTX) != 0 && (folderStat.st_mode & S_IWOTH) != 0;
    return !shared || linkStat.st_uid == ::geteuid() || linkStat.st_uid == folderStat.st_uid;
}

// The file a name finally stands for: a symbolic link is written through
// to its target (kept a link), not replaced by a plain file.
struct LinkTarget {
    std::filesystem::path file;
    std::string refusal;  // a link the kernel would not follow, in words
};

LinkTarget FollowLinks(std::filesystem::path path) {
    for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
            return {path, {}};
        }
        if (!FollowsLinkAsKernelWould(path)) {
            return {path, path.string() +
                              " is a link another user placed in a shared folder; it is not "
                              "followed"};
        }
        const std::filesystem::path next = std::filesystem::read_symlink(path, ec);
        if (ec) {
            return {path, {}};
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return {path, {}};
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

// The process that made a work file of ours (`NAME.<pid>-<n>.$$$`); none
// for any other name.
std::optional<pid_t> WorkFileProcess(std::string_view name) {
    constexpr std::string_view kSuffix = ".$$$";
    if (!name.ends_with(kSuffix)) {
        return std::nullopt;
    }
    name.remove_suffix(kSuffix.size());
    const std::size_t dot = name.rfind('.');
    const std::size_t dash = name.rfind('-');
    if (dot == std::string_view::npos || dash == std::string_view::npos || dash < dot + 2 ||
        dash + 1 == name.size()) {
        return std::nullopt;
    }
    const auto digits = [](std::string_view text) {
        return text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const std::string_view pid = name.substr(dot + 1, dash - dot - 1);
    if (!digits(pid) || !digits(name.substr(dash + 1)) || pid.size() > 9) {
        return std::nullopt;
    }
    return static_cast<pid_t>(std::stol(std::string(pid)));
}

// Work files that a killed save of ours left behind: plain files of this
// user, named as our work files, whose process no longer exists. Another
// program's file never has that shape and owner together with a dead
// process, and a live save's work file is never touched.
void RemoveAbandonedWorkFiles(const std::filesystem::path& folder) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::optional<pid_t> pid = WorkFileProcess(it->path().filename().string());
        if (!pid || *pid == ::getpid() || *pid <= 0) {
            continue;
        }
        struct stat work {};
        if (::lstat(it->path().c_str(), &work) != 0 || !S_ISREG(work.st_mode) ||
            work.st_uid != ::geteuid()) {
            continue;
        }
        if (::kill(*pid, 0) != 0 && errno == ESRCH) {
            ::unlink(it->path().c_str());
        }
    }
}

// The mode and owner a replacement must keep; none for a new file.
struct Keep {
    bool exists = false;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

// A fresh name for a work file beside `target`, of the shape that
// RemoveAbandonedWorkFiles knows.
std::filesystem::path WorkName(const std::filesystem::path& target, std::random_device& device) {
    std::filesystem::path work = target;
    work.replace_filename(target.filename().string() + "." + std::to_string(::getpid()) + "-" +
                          std::to_string(device()) + ".$$$");
    return work;
}

// A work file of its own beside the target (same folder, so the rename
// stays on one file system), made with O_EXCL so that no two saves ever
// share one. A new file gets the usual mode under the umask; a replacement
// starts private and takes the old file's mode and owner once made.
int CreateWorkFile(const std::filesystem::path& target, const Keep& keep,
                   std::filesystem::path& work) {
    std::random_device device;
    for (int attempt = 0; attempt < kWorkNameAttempts; ++attempt) {
        work = WorkName(target, device);
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

// A second link to `path` beside `target` under a fresh work name; false
// when the file system has no such links (or refuses them here).
bool LinkAsWorkFile(const std::filesystem::path& path, const std::filesystem::path& target,
                    std::filesystem::path& work) {
    std::random_device device;
    for (int attempt = 0; attempt < kWorkNameAttempts; ++attempt) {
        work = WorkName(target, device);
        if (::link(path.c_str(), work.c_str()) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

// The old file under the backup name, made as any replacement is: a
// second link to it (else a copy) under a work name of its own, renamed
// over the backup. The backup name is never opened, so a link planted
// there leads nowhere, and the protected-links rule is applied to it as
// to the file itself.
std::string MakeBackup(const std::filesystem::path& path, const std::filesystem::path& backup,
                       const Keep& keep) {
    if (!keep.exists) {
        return {};
    }
    const auto failed = [&backup](const std::string& why) {
        return "the backup " + backup.filename().string() + " could not be made (" + why + ")";
    };
    const LinkTarget followed = FollowLinks(backup);
    if (!followed.refusal.empty()) {
        return failed(followed.refusal);
    }
    std::filesystem::path work;
    if (!LinkAsWorkFile(path, followed.file, work)) {
        const int fd = CreateWorkFile(followed.file, keep, work);
        if (fd < 0) {
            return failed(Reason(errno));
        }
        std::string bytes;
        std::string failure = ReadFileBytes(path, bytes);
        if (failure.empty() &&
            (!WriteAll(fd, bytes) || !KeepModeAndOwner(fd, keep) || ::fsync(fd) != 0)) {
            failure = Reason(errno);
        }
        if (::close(fd) != 0 && failure.empty()) {
            failure = Reason(errno);
        }
        if (!failure.empty()) {
            ::unlink(work.c_str());
            return failed(failure);
        }
    }
    if (::rename(work.c_str(), followed.file.c_str()) != 0) {
        const int error = errno;
        ::unlink(work.c_str());
        return failed(Reason(error));
    }
    return {};
}

// Each step's system call, or a failure with `injected` when a test makes
// that step fail.
template <typename Call>
bool RunStep(const ReplaceOptions& options, ReplaceStep which, int injected, Call call) {
    if (options.fault.failAt == which) {
        errno = injected;
        return false;
    }
    return call();
}

// The mode and owner the replacement of `target` keeps, if it exists: empty,
// else why it cannot be replaced.
Problem ModeAndOwnerToKeep(const std::filesystem::path& target, Keep& keep) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) {
            return target.filename().string() + " is not a plain file";
        }
        keep = {true, static_cast<mode_t>(old.st_mode & 07777), old.st_uid, old.st_gid};
    }
    return {};
}

// The work file given the old file's mode and owner, the content written,
// flushed to disk and closed (closed whatever failed): empty, else what
// failed.
std::string FillWorkFile(int fd, const Keep& keep, std::string_view content,
                         const std::filesystem::path& target, const ReplaceOptions& options) {
    std::string failure;
    if (!KeepModeAndOwner(fd, keep)) {
        failure = "the work file could not take the mode of " + target.filename().string() + " (" +
                  Reason(errno) + ")";
    } else if (!RunStep(options, ReplaceStep::Write, ENOSPC,
                        [&] { return WriteAll(fd, content); })) {
        failure = "the work file could not be written (" + Reason(errno) + ")";
    } else if (!RunStep(options, ReplaceStep::Flush, EIO, [&] { return ::fsync(fd) == 0; })) {
        failure = "the work file could not be flushed to disk (" + Reason(errno) + ")";
    }
    if (::close(fd) != 0 && failure.empty()) {
        failure = "the work file could not be closed (" + Reason(errno) + ")";
    }
    return failure;
}

// The backup of the old file, when one is asked for: empty when made (or
// not asked), else what failed.
std::string MakeBackupAsked(const std::filesystem::path& target, const Keep& keep,
                            const ReplaceOptions& options) {
    std::string failure;
    if (options.backup &&
        !RunStep(options, ReplaceStep::Backup, EACCES,
                 [&] {
                     failure = MakeBackup(target, *options.backup, keep);
                     return failure.empty();
                 }) &&
        failure.empty()) {
        failure = "the backup " + options.backup->filename().string() + " could not be made (" +
                  Reason(errno) + ")";
    }
    return failure;
}

// The work file renamed over the target: empty, else what failed.
std::string RenameOverTarget(const std::filesystem::path& work, const std::filesystem::path& target,
                             const ReplaceOptions& options) {
    if (!RunStep(options, ReplaceStep::Rename, EXDEV,
                 [&] { return ::rename(work.c_str(), target.c_str()) == 0; })) {
        return "the work file could not be renamed to " + target.filename().string() + " (" +
               Reason(errno) + ")";
    }
    return {};
}

}  // namespace

Problem ReplaceFileContent(const std::filesystem::path& path, std::string_view content,
                           const ReplaceOptions& options) {
    return ReplaceFileContentFrom(
        path,
        [content](const std::filesystem::path&, std::string& built) {
            built.assign(content);
            return Problem();
        },
        options);
}

Problem ChangedSinceRead(const std::filesystem::path& file,
                         const std::optional<std::string>& bytesRead) {
    std::string now;
    const bool present = ReadFileBytes(file, now).empty();
    std::error_code ec;
    const bool absent = !std::filesystem::exists(std::filesystem::symlink_status(file, ec));
    const bool same = bytesRead ? present && now == *bytesRead : absent;
    return same ? Problem()
                : file.filename().string() +
                      " changed since it was read (another program saved it meanwhile)";
}

Problem ReplaceFileContentFrom(const std::filesystem::path& path, const ContentBuilder& build,
                               const ReplaceOptions& options) {
    const LinkTarget followed = FollowLinks(path);
    if (!followed.refusal.empty()) {
        return followed.refusal;
    }
    const std::filesystem::path& target = followed.file;
    const FolderLock lock(FolderOf(target));
    if (!lock.Take()) {
        return "another save in the folder did not finish";
    }
    RemoveAbandonedWorkFiles(FolderOf(target));
    Keep keep;
    if (Problem refusal = ModeAndOwnerToKeep(target, keep); !refusal.empty()) {
        return refusal;
    }
    std::string content;
    if (Problem refusal = build(target, content); !refusal.empty()) {
        return refusal;
    }
    std::filesystem::path work;
    int fd = -1;
    if (!RunStep(options, ReplaceStep::Create, EACCES, [&] {
            fd = CreateWorkFile(target, keep, work);
            return fd >= 0;
        })) {
        return "no work file could be created beside " + target.filename().string() + " (" +
               Reason(errno) + ")";
    }
    std::string failure = FillWorkFile(fd, keep, content, target, options);
    if (failure.empty()) {
        failure = MakeBackupAsked(target, keep, options);
    }
    if (failure.empty()) {
        failure = RenameOverTarget(work, target, options);
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
