#include "base/program_folder.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>

#include "base/file_replace.hpp"
#include "base/options.hpp"
#include "base/text_lines.hpp"
#include "base/trusted_path.hpp"

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

// What filling one shipped file into the folder did that the user should
// hear of; empty when the file was there or was copied.
std::string FillOrRepair(const std::filesystem::path& folder, const std::filesystem::path& source) {
    const std::string name = source.filename().string();
    const std::filesystem::path present = FindInFolder(folder, name);
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(present, ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return {};  // a folder or device under the name is the reader's to report
    }
    const bool exists = std::filesystem::exists(status);
    if (!exists && std::filesystem::is_symlink(std::filesystem::symlink_status(present, ec))) {
        // Filling through a dangling link would create a file wherever it
        // points, outside the folder; the folder is filled only with files
        // made in it.
        return present.filename().string() + " in " + folder.string() +
               " is a link to a file that does not exist; it was left as it is and not "
               "filled with the shipped copy.";
    }
    if (exists) {
        // Only a file shorter than the shipped one can be a cut-short copy.
        const std::uintmax_t presentSize = std::filesystem::file_size(present, ec);
        if (ec) {
            return {};
        }
        const std::uintmax_t shippedSize = std::filesystem::file_size(source, ec);
        if (!ec && presentSize >= shippedSize) {
            return {};
        }
    }
    std::string shippedBytes;
    if (const Problem problem = ReadFileBytes(source, shippedBytes); !problem.empty()) {
        return "The shipped file " + source.string() + " cannot be read (" + problem + ").";
    }
    if (!exists) {
        const std::string failure = ReplaceFileContent(present, shippedBytes);
        return failure.empty() ? std::string()
                               : "The file " + name + " could not be copied into " +
                                     folder.string() + ": " + failure + ".";
    }
    const auto presentBytes = ReadFileBytes(present);
    if (!presentBytes || !IsCutShortCopy(*presentBytes, shippedBytes, name)) {
        return {};
    }
    const std::string failure = ReplaceFileContent(present, shippedBytes);
    const std::string damage = present.filename().string() + " in " + folder.string() +
                               " was cut short by an interrupted copy (" +
                               std::to_string(presentBytes->size()) + " of " +
                               std::to_string(shippedBytes.size()) + " bytes)";
    return failure.empty() ? damage + "; it has been restored from the shipped copy."
                           : damage + " and could not be restored: " + failure + ".";
}

// Why the shipped data cannot be taken: the folder or one of its files
// could have been put there by another user. Empty when it can, or when
// there is no such folder (the seeding then says what is missing).
Problem UntrustedShippedData(const std::filesystem::path& shipped) {
    std::error_code ec;
    if (!std::filesystem::is_directory(shipped, ec)) {
        return {};
    }
    const std::vector<uid_t> trusted = TrustedUsersOfProcess();
    Problem problem = UntrustedPathProblem(shipped, trusted);
    for (std::filesystem::directory_iterator it(shipped, ec), end;
         problem.empty() && !ec && it != end; it.increment(ec)) {
        problem = UntrustedPathProblem(it->path(), trusted);
    }
    return problem.empty()
               ? problem
               : "The shipped data in " + shipped.string() + " is not used: " + problem + ".";
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

std::vector<std::filesystem::path> ShippedDataCandidates(
    const std::filesystem::path& executableFolder) {
    std::vector<std::filesystem::path> candidates;
    if (!executableFolder.empty()) {
        candidates.push_back((executableFolder / ".." / "share" / "solvaris").lexically_normal());
    }
    candidates.emplace_back(SOLVARIS_INSTALLED_DATA_DIR);
    candidates.emplace_back(SOLVARIS_SHIPPED_DATA_DIR);
    return candidates;
}

std::filesystem::path FirstShippedDataFolder(const std::vector<std::filesystem::path>& candidates) {
    for (const std::filesystem::path& folder : candidates) {
        std::error_code ec;
        // The options file marks a complete data folder; a bare share/solvaris
        // left by another program of the name does not count.
        if (std::filesystem::is_regular_file(folder / kOptionsFileName, ec)) {
            return folder;
        }
    }
    return candidates.empty() ? std::filesystem::path() : candidates.back();
}

std::filesystem::path ShippedDataFolder() {
    return FirstShippedDataFolder(ShippedDataCandidates(ExecutableFolder()));
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

bool IsCutShortCopy(std::string_view present, std::string_view shipped, std::string_view name) {
    if (present.size() >= shipped.size() || shipped.substr(0, present.size()) != present) {
        return false;
    }
    if (present.empty()) {
        return !IsListFileName(name);
    }
    if (present.size() % kCopyBlockBytes == 0) {
        return true;
    }
    // The editors save whole lines, the last one with or without its line
    // end; a cut anywhere else is no edit.
    const char last = present.back();
    const char next = shipped[present.size()];
    const bool afterWholeLine = last == '\n' || ((next == '\r' || next == '\n') && last != '\r');
    return !afterWholeLine;
}

bool IsListFileName(std::string_view name) {
    const std::string extension = std::filesystem::path(name).extension().string();
    return EqualIgnoringCase(extension, ".FIL") || EqualIgnoringCase(extension, ".LL");
}

FolderReport SeedProgramFolder(const std::filesystem::path& folder,
                               const std::filesystem::path& shipped) {
    FolderReport report;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        report.failure = "The program folder " + folder.string() + " could not be created (" +
                         ec.message() + ").";
        return report;
    }
    std::vector<std::filesystem::path> files;
    for (std::filesystem::directory_iterator it(shipped, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code kindError;
        if (it->is_regular_file(kindError)) {
            files.push_back(it->path());
        }
    }
    if (ec) {
        report.failure = "The shipped data folder " + shipped.string() + " could not be read (" +
                         ec.message() + ").";
        return report;
    }
    std::sort(files.begin(), files.end());
    for (const std::filesystem::path& source : files) {
        if (std::string note = FillOrRepair(folder, source); !note.empty()) {
            report.notes.push_back(std::move(note));
        }
    }
    return report;
}

FolderReport OpenProgramFolder(const FolderSources& sources, std::filesystem::path& folder) {
    const ChosenFolder chosen = ChooseProgramFolder(sources);
    folder = chosen.path;
    const std::filesystem::path shipped = ShippedDataFolder();
    if (Problem untrusted = UntrustedShippedData(shipped); !untrusted.empty()) {
        return {std::move(untrusted), {}};
    }
    if (chosen.perUser) {
        return SeedProgramFolder(folder, shipped);
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return {"The program folder " + folder.string() + " does not exist.", {}};
    }
    // A folder named by the user is filled too, but never created: a
    // mistyped name must not grow a new folder.
    FolderReport report = SeedProgramFolder(folder, shipped);
    if (!report.failure.empty()) {
        report.notes.insert(report.notes.begin(), report.failure);
        report.failure.clear();
    }
    return report;
}

}  // namespace solvaris
