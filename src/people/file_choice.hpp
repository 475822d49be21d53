// What the file chooser SelectFIle lists: the drives (file-system roots),
// the folders of the folder shown, its files that match the pattern, and
// which file starts selected. Names are compared without regard to case,
// as the lists come from Windows as often as not.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace solvaris {

// "*" any run of characters, "?" any one; case-insensitive ("*.FIL"
// matches "names.fil").
bool MatchesFilePattern(std::string_view name, std::string_view pattern);

struct FolderListing {
    bool readable = true;
    std::vector<std::string> folders;  // the folders inside, sorted
    std::vector<std::string> files;    // the matching plain files, sorted
};

FolderListing ListFolder(const std::filesystem::path& folder, std::string_view pattern);

// The first file whose name equals the last part of the path `current`
// (case-insensitive), else the first file; -1 when there are none.
int PreselectedFile(const std::vector<std::string>& files, std::string_view current);

// Where the chooser opens: the folder of `current` when it exists, else
// `fallback`.
std::filesystem::path StartFolder(std::string_view current, const std::filesystem::path& fallback);

// The drive list from the mount points: "/" first, then the other roots in
// order, without the kernel's own file systems (/proc, /sys, /dev, /run).
std::vector<std::string> DriveRoots(const std::vector<std::string>& mountPoints);

// The drive `folder` lies on: the longest root that holds it (0, "/",
// when no other does).
int DriveOf(const std::vector<std::string>& roots, const std::filesystem::path& folder);

}  // namespace solvaris
