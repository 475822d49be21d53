// HCDATA.DAT and RADIUS.DAT: whole numbers separated by commas or line
// breaks, read in order from index 0: the cusp-label anchors (121 values)
// and the main ring's glyph radius per whole degree (361 values).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "base/problem.hpp"

namespace solvaris {

inline constexpr std::size_t kCuspAnchorValues = 121;
inline constexpr std::size_t kRadiusValues = 361;

struct WheelData {
    std::array<std::int16_t, kCuspAnchorValues> cuspAnchors{};
    std::array<std::int16_t, kRadiusValues> radius{};
};

// Values into `values` from index 0; entries the file does not reach stay
// as they are. Empty on success, else what is wrong with the file
// (unreadable or holding no value, a value that is no whole 16-bit number,
// more values than the table holds); the values read before the fault
// stand.
Problem ReadWheelValues(const std::filesystem::path& file, std::span<std::int16_t> values);
Problem ParseWheelValues(std::string_view text, const std::string& fileName,
                         std::span<std::int16_t> values);

// Both files from the program folder. Empty on success, else the message.
Problem LoadWheelData(const std::filesystem::path& folder, WheelData& data);

}  // namespace solvaris
