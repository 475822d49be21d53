// The program folder: where options, orbs, names, cities, texts and settings
// live. Chosen by --home, else $SOLVARIS_HOME, else a per-user folder that is
// filled from the shipped data on first start.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

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

// The shipped data folder: beside an installed program, else the source
// tree's data/ the program was built from.
std::filesystem::path ShippedDataFolder();

// Creates the folder and copies into it every shipped file it lacks (by
// case-insensitive name); a user's file is never replaced. Empty on
// success, else what failed.
std::string SeedProgramFolder(const std::filesystem::path& folder,
                              const std::filesystem::path& shipped);

// The folder's file of that name: the exact name when present, else a
// case-insensitive match (files copied from Windows), else the exact name
// (for a file still to be written).
std::filesystem::path FindInFolder(const std::filesystem::path& folder, std::string_view name);

// A folder ready to use: chosen, and seeded when it is the per-user one.
// Empty on success, else a message.
std::string OpenProgramFolder(const FolderSources& sources, std::filesystem::path& folder);

}  // namespace solvaris
