// The atlas file's bytes, mapped read-only while the atlas is read: 8 MB
// taken from the page cache as they are instead of copied into fresh
// memory, the largest part of a short command's time. The atlas copies the
// texts it keeps, so that a file rewritten in place later cannot pull the
// pages from under a long session.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "base/problem.hpp"

namespace solvaris {

class MappedAtlasFile {
public:
    MappedAtlasFile() = default;
    MappedAtlasFile(const MappedAtlasFile&) = delete;
    MappedAtlasFile& operator=(const MappedAtlasFile&) = delete;
    ~MappedAtlasFile();

    std::string_view bytes() const { return {start_, size_}; }

    // Maps `file`; why not in a few words ("no such file", "a folder", "not a
    // plain file", "larger than 64 MiB"), nothing mapped. Folders, devices
    // and pipes are refused before they are opened or read.
    friend Problem MapAtlasFile(const std::filesystem::path& file, MappedAtlasFile& mapped);

private:
    const char* start_ = nullptr;
    std::size_t size_ = 0;
    void* mapping_ = nullptr;
};

Problem MapAtlasFile(const std::filesystem::path& file, MappedAtlasFile& mapped);

}  // namespace solvaris
