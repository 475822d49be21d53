#include "people/atlas_file.hpp"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "base/text_lines.hpp"

namespace solvaris {

MappedAtlasFile::~MappedAtlasFile() {
    if (mapping_ != nullptr) {
        ::munmap(mapping_, size_);
    }
}

Problem MapAtlasFile(const std::filesystem::path& file, MappedAtlasFile& mapped) {
    int fd = -1;
    std::uintmax_t sizeBytes = 0;
    if (Problem problem = OpenDataFile(file, fd, sizeBytes); !problem.empty()) {
        return problem;
    }
    Problem problem;
    const auto size = static_cast<std::size_t>(sizeBytes);
    if (size > 0) {
        // Every page at once: one call instead of a fault for each.
        void* mapping = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (mapping == MAP_FAILED) {
            problem = std::strerror(errno);
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
