#include "base/program_folder.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>

#include "base/text_lines.hpp"

namespace solvaris {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::filesystem::path ExecutableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

}  // namespace

FolderSources FolderSourcesFromEnvironment(std::string homeOption) {
    return {std::move(homeOption), Environment("SOLVARIS_HOME"), Environment("XDG_DATA_HOME"),
            Environment("HOME")};
}

ChosenFolder ChooseProgramFolder(const FolderSources& sources) {
    if (!sources.homeOption.empty()) {
        return {sources.homeOption, false};
    }
    if (!sources.solvarisHome.empty()) {
        return {sources.solvarisHome, false};
    }
    if (!sources.xdgDataHome.empty()) {
        return {std::filesystem::path(sources.xdgDataHome) / "solvaris", true};
    }
    const std::string home = sources.userHome.empty() ? "." : sources.userHome;
    return {std::filesystem::path(home) / ".local" / "share" / "solvaris", true};
}

std::filesystem::path ShippedDataFolder() {
    const std::filesystem::path installed =
        ExecutableFolder() / ".." / "share" / "solvaris" / "data";
    std::error_code ec;
    if (std::filesystem::is_directory(installed, ec)) {
        return installed;
    }
    return SOLVARIS_SHIPPED_DATA_DIR;
}

std::filesystem::path FindInFolder(const std::filesystem::path& folder, std::string_view name) {
    const std::filesystem::path exact = folder / std::string(name);
    std::error_code ec;
    if (std::filesystem::exists(exact, ec)) {
        return exact;
    }
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (EqualIgnoringCase(it->path().filename().string(), name)) {
            return it->path();
        }
    }
    return exact;
}

std::string SeedProgramFolder(const std::filesystem::path& folder,
                              const std::filesystem::path& shipped) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        return "The program folder " + folder.string() + " could not be created (" + ec.message() +
               ").";
    }
    for (std::filesystem::directory_iterator it(shipped, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!it->is_regular_file()) {
            continue;
        }
        const std::string name = it->path().filename().string();
        if (std::filesystem::exists(FindInFolder(folder, name))) {
            continue;
        }
        std::error_code copyError;
        std::filesystem::copy_file(it->path(), folder / name, copyError);
        if (copyError) {
            return "The file " + name + " could not be copied into " + folder.string() + " (" +
                   copyError.message() + ").";
        }
    }
    if (ec) {
        return "The shipped data folder " + shipped.string() + " could not be read (" +
               ec.message() + ").";
    }
    return {};
}

std::string OpenProgramFolder(const FolderSources& sources, std::filesystem::path& folder) {
    const ChosenFolder chosen = ChooseProgramFolder(sources);
    folder = chosen.path;
    if (chosen.perUser) {
        return SeedProgramFolder(folder, ShippedDataFolder());
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return "The program folder " + folder.string() + " does not exist.";
    }
    return {};
}

}  // namespace solvaris
