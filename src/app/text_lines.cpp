#include "app/text_lines.hpp"

#include <fstream>

namespace solvaris {

std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return lines;
}

}  // namespace solvaris
