#include "base/settings.hpp"

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <variant>

#include "base/file_replace.hpp"
#include "base/lenient_number.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

namespace {

enum class Accept { Any, Positive, AtLeastFontMinimum, NotEmpty };
// How a numeric value is written: with a blank before a value that is not
// negative, or bare.
enum class Blank { Leading, None };

using Field = std::variant<double Settings::*, float Settings::*, std::int16_t Settings::*,
                           std::string Settings::*>;

struct Key {
    const char* name;
    Field field;
    Accept accept;
    Blank blank;
};

// In the order the file is written.
const std::array<Key, 22> kKeys = {{
    {"FontSize", &Settings::fontSize, Accept::AtLeastFontMinimum, Blank::Leading},
    {"FontBold", &Settings::fontBold, Accept::Any, Blank::Leading},
    {"FontItalic", &Settings::fontItalic, Accept::Any, Blank::Leading},
    {"SOLVARISTop", &Settings::mainTop, Accept::Any, Blank::Leading},
    {"SOLVARISLeft", &Settings::mainLeft, Accept::Any, Blank::Leading},
    {"SOLVARISHeight", &Settings::mainHeight, Accept::Positive, Blank::Leading},
    {"SOLVARISWidth", &Settings::mainWidth, Accept::Positive, Blank::Leading},
    {"DataTop", &Settings::dataTop, Accept::Positive, Blank::Leading},
    {"DataLeft", &Settings::dataLeft, Accept::Any, Blank::Leading},
    {"DataHeight", &Settings::dataHeight, Accept::Positive, Blank::Leading},
    {"DataWidth", &Settings::dataWidth, Accept::Positive, Blank::Leading},
    {"StartScale", &Settings::startScale, Accept::Any, Blank::Leading},
    {"DataFile", &Settings::dataFile, Accept::NotEmpty, Blank::None},
    {"GeoDataFile", &Settings::geoDataFile, Accept::NotEmpty, Blank::None},
    {"AtlasDir", &Settings::atlasDir, Accept::NotEmpty, Blank::None},
    {"TypeChart", &Settings::typeChart, Accept::Any, Blank::Leading},
    {"wh_var1", &Settings::wheelTop, Accept::Any, Blank::None},
    {"wh_var2", &Settings::wheelLeft, Accept::Any, Blank::None},
    {"wh_var3", &Settings::wheelHeight, Accept::Positive, Blank::None},
    {"wh_var4", &Settings::wheelWidth, Accept::Positive, Blank::None},
    {"wh_var5", &Settings::wheelScaleHeight, Accept::Positive, Blank::None},
    {"wh_var6", &Settings::wheelScaleWidth, Accept::Positive, Blank::None},
}};

constexpr double kSmallestFontSize = 7.75;

bool Acceptable(double value, Accept accept) {
    switch (accept) {
        case Accept::Positive: return value > 0;
        case Accept::AtLeastFontMinimum: return value >= kSmallestFontSize;
        default: return true;
    }
}

// A 16-bit field takes the value rounded half to even and a single one the
// value in single precision; the acceptance rule holds for the value as
// stored (0.3 is no positive height once rounded), and a value that does
// not fit is not acceptable.
bool StoreNumber(Settings& settings, const Key& key, double value) {
    if (auto d = std::get_if<double Settings::*>(&key.field)) {
        if (!Acceptable(value, key.accept)) {
            return false;
        }
        settings.*(*d) = value;
    } else if (auto f = std::get_if<float Settings::*>(&key.field)) {
        const auto single = static_cast<float>(value);
        if (std::fabs(value) > std::numeric_limits<float>::max() ||
            !Acceptable(single, key.accept)) {
            return false;
        }
        settings.*(*f) = single;
    } else if (auto i = std::get_if<std::int16_t Settings::*>(&key.field)) {
        const double rounded = std::nearbyint(value);
        if (rounded < std::numeric_limits<std::int16_t>::min() ||
            rounded > std::numeric_limits<std::int16_t>::max() ||
            !Acceptable(rounded, key.accept)) {
            return false;
        }
        settings.*(*i) = static_cast<std::int16_t>(rounded);
    }
    return true;
}

std::string NumberText(double value, int significantDigits, Blank blank) {
    char text[40];
    std::snprintf(text, sizeof text, "%.*G", significantDigits, value);
    std::string out = text;
    if (blank == Blank::Leading && !(value < 0)) {
        out.insert(out.begin(), ' ');
    }
    return out;
}

std::string ValueText(const Settings& settings, const Key& key) {
    if (auto d = std::get_if<double Settings::*>(&key.field)) {
        return NumberText(settings.*(*d), 15, key.blank);
    }
    if (auto f = std::get_if<float Settings::*>(&key.field)) {
        return NumberText(settings.*(*f), 7, key.blank);
    }
    if (auto i = std::get_if<std::int16_t Settings::*>(&key.field)) {
        return NumberText(settings.*(*i), 6, key.blank);
    }
    return settings.*std::get<std::string Settings::*>(key.field);
}

}  // namespace

Settings DefaultSettings(const std::filesystem::path& folder) {
    Settings settings;
    settings.dataFile = (folder / "NAMES.FIL").string();
    settings.geoDataFile = (folder / "GA_MA.LL").string();
    return settings;
}

void ReadSettings(const std::filesystem::path& file, Settings& settings) {
    const auto lines = ReadTextLines(file);
    if (lines) {
        ApplySettingsLines(*lines, settings);
    }
}

void ApplySettingsLines(const std::vector<std::string>& lines, Settings& settings) {
    for (const std::string& line : lines) {
        const auto equals = line.find('=');
        const std::string value = equals == std::string::npos ? line : line.substr(equals + 1);
        for (const Key& key : kKeys) {
            if (line.compare(0, std::char_traits<char>::length(key.name), key.name) != 0) {
                continue;
            }
            if (auto text = std::get_if<std::string Settings::*>(&key.field)) {
                if (!value.empty()) {
                    settings.*(*text) = value;
                }
            } else {
                StoreNumber(settings, key, LenientNumber(value));
            }
        }
    }
}

std::string SettingsText(const Settings& settings) {
    std::vector<std::string> lines = {"[SOLVARIS] - Do NOT change the order of these variables."};
    for (const Key& key : kKeys) {
        if (key.field == Field(&Settings::atlasDir) && settings.atlasDir.empty()) {
            continue;
        }
        lines.push_back(std::string(key.name) + "=" + ValueText(settings, key));
    }
    return JoinCrLf(lines);
}

Problem WriteSettings(const std::filesystem::path& file, const Settings& settings) {
    return ReplaceFileContent(file, SettingsText(settings));
}

}  // namespace solvaris
