#include "wheel/wheel_data.hpp"

#include <algorithm>
#include <charconv>

#include "base/program_folder.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

namespace {

bool IsSeparator(char c) { return c == ',' || c == '\r' || c == '\n' || c == ' ' || c == '\t'; }

}  // namespace

Problem ReadWheelValues(const std::filesystem::path& file, std::span<std::int16_t> values) {
    std::string text;
    Problem problem = ReadFileBytes(file, text);
    // An empty file would leave every value 0 and draw every glyph at the
    // centre: it is as unusable as a missing one, and said so alike.
    if (problem.empty() && std::all_of(text.begin(), text.end(), IsSeparator)) {
        problem = "empty";
    }
    if (!problem.empty()) {
        return "The file " + file.filename().string() + " cannot be read (" + problem + ").";
    }
    return ParseWheelValues(text, file.filename().string(), values);
}

Problem ParseWheelValues(std::string_view text, const std::string& name,
                         std::span<std::int16_t> values) {
    std::size_t index = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (true) {
        while (p < end && IsSeparator(*p)) {
            ++p;
        }
        if (p == end) {
            return {};
        }
        std::int16_t value = 0;
        const auto [next, ec] = std::from_chars(p, end, value);
        if (ec != std::errc() || (next < end && !IsSeparator(*next))) {
            return "The file " + name + " holds something that is not a whole number at value " +
                   std::to_string(index) + ".";
        }
        if (index >= values.size()) {
            return "The file " + name + " holds more than " + std::to_string(values.size()) +
                   " values.";
        }
        values[index++] = value;
        p = next;
    }
}

Problem LoadWheelData(const std::filesystem::path& folder, WheelData& data) {
    std::string failure = ReadWheelValues(FindInFolder(folder, "HCDATA.DAT"), data.cuspAnchors);
    if (failure.empty()) {
        failure = ReadWheelValues(FindInFolder(folder, "RADIUS.DAT"), data.radius);
    }
    return failure;
}

}  // namespace solvaris
