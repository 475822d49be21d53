// The world atlas: the places of 1,000 people or more (GeoNames, CC BY 4.0)
// with their region, country, population, position and tz database zone,
// shipped as atlas/PLACES.TSV beside the program's data (written by
// tools/atlas/atlas.js) and read when first needed, never copied into the
// program folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/problem.hpp"

namespace solvaris {

struct WorldPlace {
    std::string_view name;  // "Saint-Étienne"
    std::string_view key;   // the name folded for search: "st etienne"
    // Other names of a large place, folded, "|" between them ("cologne|...").
    std::string_view alternates;
    std::uint32_t region = 0;
    std::uint32_t zone = 0;
    char countryCode[2] = {};
    std::uint32_t population = 0;
    float latitudeDeg = 0;   // north positive
    float longitudeDeg = 0;  // east positive
};

struct WorldRegion {
    std::string_view countryCode;
    std::string_view name;  // "New York"; empty where the source has none
    std::string key;        // the name folded
};

struct WorldCountry {
    std::string_view name;  // "United States of America"
    std::string key;
};

// The atlas as read: every text a view into `texts` (copied from the file
// as read), the places most populous first.
struct Atlas {
    std::unique_ptr<char[]> texts;
    std::vector<WorldPlace> places;
    std::vector<WorldRegion> regions;
    std::vector<std::string_view> zones;
    std::unordered_map<std::string, WorldCountry> countries;  // by ISO code
    std::unordered_map<std::string, std::string> folds;       // "ü" -> "u"
    Atlas() = default;
    Atlas(const Atlas&) = delete;
    Atlas& operator=(const Atlas&) = delete;
};

inline constexpr const char* kAtlasFile = "atlas/PLACES.TSV";

// The atlas file of a shipped data folder.
std::filesystem::path AtlasFile(const std::filesystem::path& shippedData);

// Which places a reading keeps, asked with the atlas read so far (the
// places come after its folds), a place's search key (its folded name, or
// its name where the file gives no key) and its other names.
using AtlasPlaceFilter =
    std::function<bool(const Atlas&, std::string_view searchKey, std::string_view alternates)>;

// Reads the atlas; a file another user could have written, an unreadable
// one, one with a record out of shape (a table after the places, a place
// of more than ten fields) or one cut short (no line end at its end) is a
// problem naming it, `atlas` left empty. With `keep`, the places it passes
// over are read only as far as their names, and not checked further.
Problem LoadAtlas(const std::filesystem::path& file, Atlas& atlas,
                  const AtlasPlaceFilter& keep = nullptr);

// `text` as the atlas searches it: lower case, accents and punctuation
// gone, "saint" read as "st" and "sainte" as "ste", words one blank apart.
std::string FoldForAtlas(const Atlas& atlas, std::string_view text);

// The country and region of a place spelled out: "New York, United States
// of America" (the region left out where the source has none).
std::string AtlasRegionAndCountry(const Atlas& atlas, const WorldPlace& place);

// An ASCII letter in lower case, any other byte as it is: how the search
// compares a place searched by its ASCII name.
inline char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A latitude or longitude of the atlas to the nearest minute of arc.
struct NearestMinute {
    long degrees = 0;
    long minutes = 0;
    bool negative = false;  // south, west
};
NearestMinute ToNearestMinute(double deg);

// "Buffalo, New York, United States of America".
std::string AtlasPlaceText(const Atlas& atlas, const WorldPlace& place);

}  // namespace solvaris
