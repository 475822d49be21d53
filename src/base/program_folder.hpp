// The program folder: where options, orbs, names, cities, texts and settings
// live. Chosen by --home, else $SOLVARIS_HOME, else a per-user folder that is
// filled from the shipped data on first start.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/problem.hpp"

namespace solvaris {

struct FolderSources {
    std::string homeOption;    // --home DIR
    std::string solvarisHome;  // $SOLVARIS_HOME
    std::string xdgDataHome;   // $XDG_DATA_HOME
    std::string userHome;      // $HOME
};

// The sources as this process sees them.
FolderSources FolderSourcesFromEnvironment(std::string homeOption);

struct ChosenFolder {
    std::filesystem::path path;
    bool perUser = false;  // the per-user folder, to be seeded
};

ChosenFolder ChooseProgramFolder(const FolderSources& sources);

// Where the shipped data may be, in the order they are tried: beside the
// program (`bin/../share/solvaris`, so an installed tree can be moved), the
// data folder of the prefix it was built for, and last the source tree's
// data/ (a program run from its build tree).
std::vector<std::filesystem::path> ShippedDataCandidates(
    const std::filesystem::path& executableFolder);

// The first candidate that holds the shipped options file; the last one
// when none does, so the message names the source tree.
std::filesystem::path FirstShippedDataFolder(const std::vector<std::filesystem::path>& candidates);

// The shipped data folder of this process.
std::filesystem::path ShippedDataFolder();

// The size of the blocks a copy is written in; a copy cut short by a full
// disk or a kill ends at one of their boundaries.
inline constexpr std::size_t kCopyBlockBytes = 4096;

// Whether `present` is the shipped file `name` as an interrupted copy left
// it rather than as a user changed it: a strict beginning of the shipped
// content that is empty, or ends at a whole copy block, or ends inside a
// line (not after a line end, nor just before one as the editors save
// it). An empty names or cities list is the user's. Restoring such a file
// loses nothing: what it holds is the start of what it gets back.
bool IsCutShortCopy(std::string_view present, std::string_view shipped, std::string_view name);

// Names and cities files (*.FIL, *.LL), lists the user keeps.
bool IsListFileName(std::string_view name);

struct FolderReport {
    Problem failure;                 // the folder cannot be used; empty when it can
    std::vector<std::string> notes;  // files restored or not copied, for the user
};

// Creates the folder and copies into it, each through the crash-safe
// replacement, every shipped file it lacks (by case-insensitive name); a
// shipped file cut short by an interrupted copy is restored. A user's file
// is never replaced.
FolderReport SeedProgramFolder(const std::filesystem::path& folder,
                               const std::filesystem::path& shipped);

// The folder's file of that name: the exact name when present, else a
// case-insensitive match (files copied from Windows), else the exact name
// (for a file still to be written).
std::filesystem::path FindInFolder(const std::filesystem::path& folder, std::string_view name);

// A folder ready to use: chosen, and seeded (the per-user folder created
// first; a folder named by --home or $SOLVARIS_HOME must exist).
FolderReport OpenProgramFolder(const FolderSources& sources, std::filesystem::path& folder);

}  // namespace solvaris
