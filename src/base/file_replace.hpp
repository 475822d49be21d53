// Crash-safe replacement of a file: the new content goes to a work file of
// its own beside it, is flushed to disk, and is then renamed over the old
// file, so that at every moment the file's name holds either the complete
// old or the complete new content. The old file's mode and owner are kept,
// a symbolic link is written through to its target, and saves into one
// folder take turns under an advisory lock.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/problem.hpp"

namespace solvaris {

enum class ReplaceStep { Create, Write, Flush, Backup, Rename };

// For tests of the failure paths: the step made to fail.
struct ReplaceFault {
    std::optional<ReplaceStep> failAt;
};

struct ReplaceOptions {
    // When set, the old file is kept under this name (replacing any earlier
    // backup) before the new content takes its place.
    std::optional<std::filesystem::path> backup;
    ReplaceFault fault;
};

// Empty on success, else what failed, in words for a message box; on
// failure the file is untouched and the work file removed.
Problem ReplaceFileContent(const std::filesystem::path& path, std::string_view content,
                           const ReplaceOptions& options = {});

}  // namespace solvaris
