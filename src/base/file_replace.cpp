#include "base/file_replace.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace solvaris {

namespace {

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

void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
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
    std::filesystem::path work = path;
    work += ".$$$";
    int fd = -1;
    if (!step(ReplaceStep::Create, EACCES, [&] {
            fd = ::open(work.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            return fd >= 0;
        })) {
        return "the work file " + work.filename().string() + " could not be created (" +
               Reason(errno) + ")";
    }
    std::string failure;
    if (!step(ReplaceStep::Write, ENOSPC, [&] { return WriteAll(fd, content); })) {
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
                  failure = MakeBackup(path, *options.backup);
                  return failure.empty();
              }) &&
        failure.empty()) {
        failure = "the backup " + options.backup->filename().string() + " could not be made (" +
                  Reason(errno) + ")";
    }
    if (failure.empty() && !step(ReplaceStep::Rename, EXDEV,
                                 [&] { return ::rename(work.c_str(), path.c_str()) == 0; })) {
        failure = "the work file could not be renamed to " + path.filename().string() + " (" +
                  Reason(errno) + ")";
    }
    if (!failure.empty()) {
        std::error_code ec;
        std::filesystem::remove(work, ec);
        return failure;
    }
    SyncFolder(path.parent_path());
    return {};
}

}  // namespace solvaris
