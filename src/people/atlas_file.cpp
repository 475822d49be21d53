#include "people/atlas_file.hpp"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "base/text_lines.hpp"

namespace solvaris {

namespace {

std::string ErrorText(int error) {
    switch (error) {
        case ENOENT: return "no such file";
        case EACCES: return "no permission to read it";
        default: return std::strerror(error);
    }
}

Problem KindProblem(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return "a folder";
    }
    if (!S_ISREG(info.st_mode)) {
        return "not a plain file";
    }
    if (static_cast<std::uintmax_t>(info.st_size) > kLargestDataFileBytes) {
        return "larger than 64 MiB";
    }
    return {};
}

}  // namespace

MappedAtlasFile::~MappedAtlasFile() {
    if (mapping_ != nullptr) {
        ::munmap(mapping_, size_);
    }
}

Problem MapAtlasFile(const std::filesystem::path& file, MappedAtlasFile& mapped) {
    // Looked at before it is opened, so that no device is ever opened, and
    // again once open, in case the name was given to something else between
    // the two; non-blocking, so that a pipe put there meanwhile opens at once.
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        return ErrorText(errno);
    }
    if (Problem problem = KindProblem(info); !problem.empty()) {
        return problem;
    }
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return ErrorText(errno);
    }
    Problem problem = ::fstat(fd, &info) != 0 ? ErrorText(errno) : KindProblem(info);
    const auto size = static_cast<std::size_t>(info.st_size);
    if (problem.empty() && size > 0) {
        // Every page at once: one call instead of a fault for each.
        void* mapping = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (mapping == MAP_FAILED) {
            problem = ErrorText(errno);
        } else {
            mapped.mapping_ = mapping;
            mapped.start_ = static_cast<const char*>(mapping);
            mapped.size_ = size;
        }
    }
    ::close(fd);
    return problem;
}

}  // namespace solvaris
