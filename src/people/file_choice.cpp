#include "people/file_choice.hpp"

#include <algorithm>
#include <cctype>

#include "base/text_lines.hpp"

namespace solvaris {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}

bool UnderKernelFolder(const std::string& mount) {
    for (const std::string_view root : {"/proc", "/sys", "/dev", "/run"}) {
        if (mount.starts_with(root) && (mount.size() == root.size() || mount[root.size()] == '/')) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool MatchesFilePattern(std::string_view name, std::string_view pattern) {
    // Greedy matching with one remembered star: linear in practice and
    // never recursive, whatever the pattern.
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

FolderListing ListFolder(const std::filesystem::path& folder, std::string_view pattern) {
    FolderListing listing;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) {
        listing.readable = false;
        return listing;
    }
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        const std::string name = it->path().filename().string();
        if (it->is_directory(typeError)) {
            listing.folders.push_back(name);
        } else if (it->is_regular_file(typeError) && MatchesFilePattern(name, pattern)) {
            listing.files.push_back(name);
        }
    }
    if (ec) {
        listing.readable = false;
    }
    std::sort(listing.folders.begin(), listing.folders.end(), LessIgnoringCase);
    std::sort(listing.files.begin(), listing.files.end(), LessIgnoringCase);
    return listing;
}

int PreselectedFile(const std::vector<std::string>& files, std::string_view current) {
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& name = files[i];
        const std::size_t before = current.size() - std::min(current.size(), name.size());
        // The whole last part of the path: "ES.FIL" is no match for "/x/NAMES.FIL".
        if (name.size() <= current.size() && (before == 0 || current[before - 1] == '/') &&
            EqualIgnoringCase(current.substr(before), name)) {
            return static_cast<int>(i);
        }
    }
    return files.empty() ? -1 : 0;
}

std::filesystem::path StartFolder(std::string_view current, const std::filesystem::path& fallback) {
    if (!current.empty()) {
        const std::filesystem::path folder = std::filesystem::path(current).parent_path();
        std::error_code ec;
        if (!folder.empty() && std::filesystem::is_directory(folder, ec)) {
            return folder;
        }
    }
    return fallback;
}

std::vector<std::string> DriveRoots(const std::vector<std::string>& mountPoints) {
    std::vector<std::string> roots{"/"};
    for (const std::string& mount : mountPoints) {
        if (!mount.empty() && !UnderKernelFolder(mount) &&
            std::find(roots.begin(), roots.end(), mount) == roots.end()) {
            roots.push_back(mount);
        }
    }
    return roots;
}

int DriveOf(const std::vector<std::string>& roots, const std::filesystem::path& folder) {
    const std::string path = folder.string();
    int drive = 0;
    std::size_t longest = 0;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        const std::string& root = roots[i];
        const bool holds =
            path.starts_with(root) &&
            (path.size() == root.size() || root.ends_with('/') || path[root.size()] == '/');
        if (holds && root.size() > longest) {
            drive = static_cast<int>(i);
            longest = root.size();
        }
    }
    return drive;
}

}  // namespace solvaris
