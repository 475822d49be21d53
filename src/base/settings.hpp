// SOLVARIS.INI: window placement, the data window's font, the names and
// cities files last used, the atlas folder and the wheel's type and scale.
// Key=Value lines under a header that only looks like a section.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/problem.hpp"

namespace solvaris {

struct Settings {
    double fontSize = 8.5;
    double fontBold = 0;
    double fontItalic = 0;
    // The main window, in twips.
    float mainTop = 0;
    float mainLeft = 900;
    float mainHeight = 675;
    float mainWidth = 10860;
    // The data window, in twips.
    std::int16_t dataTop = 945;
    std::int16_t dataLeft = 900;
    std::int16_t dataHeight = 8250;
    std::int16_t dataWidth = 9600;
    std::int16_t startScale = 287;
    std::string dataFile;        // the current names file
    std::string geoDataFile;     // the current cities file
    std::string atlasDir;        // empty until the atlas has been found
    std::int16_t typeChart = 0;  // 0 American, 1 European wheel
    // The wheel window: top, left, height, width in twips, then the
    // logical height and width of its drawing.
    double wheelTop = 0;
    double wheelLeft = 1125;
    double wheelHeight = 7200;
    double wheelWidth = 8490;
    double wheelScaleHeight = 768;
    double wheelScaleWidth = 1024;
};

inline constexpr const char* kSettingsFileName = "SOLVARIS.INI";

// The defaults, the names and cities files being those of the folder.
Settings DefaultSettings(const std::filesystem::path& folder);

// Every line whose start matches a key, over the key's own length, sets it
// when the value is acceptable; the last accepted value wins. A missing or
// unreadable file leaves the settings as they are.
void ReadSettings(const std::filesystem::path& file, Settings& settings);
void ApplySettingsLines(const std::vector<std::string>& lines, Settings& settings);

// The file's text: the header line and every key in its fixed order.
std::string SettingsText(const Settings& settings);

// Empty on success, else what failed.
Problem WriteSettings(const std::filesystem::path& file, const Settings& settings);

}  // namespace solvaris
