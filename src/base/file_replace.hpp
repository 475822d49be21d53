// Crash-safe replacement of a file: the new content goes to a work file of
// its own beside it, is flushed to disk, and is then renamed over the old
// file, so that at every moment the file's name holds either the complete
// old or the complete new content. The old file's mode and owner are kept,
// a symbolic link is written through to its target, and saves into one
// folder take turns under an advisory lock.
#pragma once

#include <filesystem>
#include <functional>
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

// Makes the new content from the file as it is when the save has its turn
// in the folder (links followed, the folder locked), so that what another
// program saved since the caller read the file is not lost: the builder
// reads `file` (absent for a new one) and merges, or refuses with a problem
// that is returned as it stands.
using ContentBuilder =
    std::function<Problem(const std::filesystem::path& file, std::string& content)>;
Problem ReplaceFileContentFrom(const std::filesystem::path& path, const ContentBuilder& build,
                               const ReplaceOptions& options = {});

// For a builder that cannot merge: empty while `file` still holds
// `bytesRead` (or, when nothing was read, is still absent); else
// "NAME changed since it was read (...)".
Problem ChangedSinceRead(const std::filesystem::path& file,
                         const std::optional<std::string>& bytesRead);

}  // namespace solvaris
