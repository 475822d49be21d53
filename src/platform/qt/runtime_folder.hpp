// Qt wants $XDG_RUNTIME_DIR and says so on stderr when a shell or a cron job
// leaves it unset. A private folder is given to it instead; a folder that
// is not private is not used, so Qt's own warning about it stays.
#pragma once

#include <sys/types.h>

#include <filesystem>

namespace solvaris {

// `base`/solvaris-runtime-UID, made with mode 0700 when absent; empty when
// it cannot be made or is not a folder of that user with mode 0700.
std::filesystem::path PrivateRuntimeFolder(const std::filesystem::path& base, uid_t user);

// Sets $XDG_RUNTIME_DIR to the private folder in the temporary folder when
// it is unset; before the first Q(Gui)Application.
void EnsureRuntimeFolder();

}  // namespace solvaris
