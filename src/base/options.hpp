// The numbered options of OPTIONS.OPT: one single-precision value per line.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/problem.hpp"

namespace solvaris {

inline constexpr int kOptionCount = 225;

inline constexpr const char* kOptionsFileName = "OPTIONS.OPT";
inline constexpr const char* kMasterOptionsFileName = "OPTIONS.MAS";

class OptionTable;

// The text that starts the captions of the main, data and wheel windows:
// "SOLVARIS (Tropical zodiac) - ", or "(Sidereal zodiac)" when option 219
// chooses it.
std::string TitleText(const OptionTable& options);

class OptionTable {
public:
    // Option n, 1 <= n <= 224; anything else reads as 0.
    float operator()(int n) const { return n >= 1 && n <= kOptionCount ? values_[n] : 0.0f; }
    void Set(int n, float value) {
        if (n >= 1 && n <= kOptionCount) {
            values_[n] = value;
        }
    }

private:
    std::array<float, kOptionCount + 1> values_{};  // index 0 is never set
};

// Line n sets option n from its first 7 characters; an empty line ends the
// options, lines past 224 are ignored, and options the file does not reach
// keep their values. An unreadable or empty file changes nothing. Empty
// when loaded, else why not: the reason the file cannot be read, or "empty"
// when it holds no option at all (no bytes, or an empty first line).
Problem LoadOptions(const std::filesystem::path& path, OptionTable& table);

// The value field of one options line.
float OptionValue(std::string_view line);

// The value fields of a file laid out like OPTIONS.OPT (the orb files are
// too): one per line up to the first empty line, at most `maxLines`;
// nothing when the file cannot be read.
std::optional<std::vector<float>> ReadValueLines(const std::filesystem::path& path,
                                                 std::size_t maxLines);
std::vector<float> ValueLines(const std::vector<std::string>& lines, std::size_t maxLines);

}  // namespace solvaris
