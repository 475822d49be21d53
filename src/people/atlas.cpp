#include "people/atlas.hpp"

#include <array>
#include <charconv>
#include <cmath>

#include "base/text_lines.hpp"
#include "base/trusted_path.hpp"
#include "base/visible_text.hpp"

namespace solvaris {

namespace {

constexpr std::size_t kPlaceFields = 10;

// The tab-separated fields of a record, at most N of them.
template <std::size_t N>
std::size_t SplitTabs(std::string_view line, std::array<std::string_view, N>& fields) {
    std::size_t count = 0;
    std::size_t start = 0;
    while (count < N) {
        const std::size_t tab = line.find('\t', start);
        fields[count++] = line.substr(start, tab - start);
        if (tab == std::string_view::npos) {
            break;
        }
        start = tab + 1;
    }
    return count;
}

template <typename Number>
bool ReadNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ReadPlace(const std::array<std::string_view, kPlaceFields>& f, const Atlas& atlas,
               WorldPlace& place) {
    place.name = f[1];
    place.key = f[2];
    place.alternates = f[9];
    if (!ReadNumber(f[3], place.region) || place.region >= atlas.regions.size() ||
        f[4].size() != 2 || !ReadNumber(f[5], place.population) ||
        !ReadNumber(f[6], place.latitudeDeg) || !ReadNumber(f[7], place.longitudeDeg) ||
        !ReadNumber(f[8], place.zone) || place.zone >= atlas.zones.size() ||
        !(place.latitudeDeg >= -90 && place.latitudeDeg <= 90) ||
        !(place.longitudeDeg >= -180 && place.longitudeDeg <= 180) || place.name.empty()) {
        return false;
    }
    place.countryCode[0] = f[4][0];
    place.countryCode[1] = f[4][1];
    return true;
}

// One record into the atlas; false for a record it cannot take.
bool ReadRecord(std::string_view line, Atlas& atlas) {
    std::array<std::string_view, kPlaceFields> f;
    const std::size_t count = SplitTabs(line, f);
    if (line.empty() || line[0] == '#') {
        return true;
    }
    if (f[0] == "P" && count == kPlaceFields) {
        WorldPlace place;
        if (!ReadPlace(f, atlas, place)) {
            return false;
        }
        atlas.places.push_back(place);
        return true;
    }
    if (f[0] == "F" && count == 3) {
        atlas.folds.emplace(std::string(f[1]), std::string(f[2]));
        return true;
    }
    if (f[0] == "C" && count == 3) {
        atlas.countries[std::string(f[1])] = {f[2], FoldForAtlas(atlas, f[2])};
        return true;
    }
    std::size_t index = 0;
    if (f[0] == "R" && count == 4 && ReadNumber(f[1], index) && index == atlas.regions.size()) {
        atlas.regions.push_back({f[2], f[3], FoldForAtlas(atlas, f[3])});
        return true;
    }
    if (f[0] == "Z" && count == 3 && ReadNumber(f[1], index) && index == atlas.zones.size()) {
        atlas.zones.push_back(f[2]);
        return true;
    }
    return false;
}

bool IsAsciiWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

NearestMinute ToNearestMinute(double deg) {
    constexpr long kMinutesPerDegree = 60;
    const long minutes = std::lround(std::fabs(deg) * kMinutesPerDegree);
    return {minutes / kMinutesPerDegree, minutes % kMinutesPerDegree, deg < 0};
}

std::filesystem::path AtlasFile(const std::filesystem::path& shippedData) {
    return shippedData / kAtlasFile;
}

Problem LoadAtlas(const std::filesystem::path& file, Atlas& atlas) {
    atlas.places.clear();
    atlas.regions.clear();
    atlas.zones.clear();
    atlas.countries.clear();
    atlas.folds.clear();
    if (Problem unread = FileReadProblem(file); !unread.empty()) {
        return "The atlas " + file.string() + " cannot be read (" + unread + ").";
    }
    if (Problem untrusted = UntrustedPathProblem(file, TrustedUsersOfProcess());
        !untrusted.empty()) {
        return "The atlas " + file.string() + " is not used: " + untrusted + ".";
    }
    if (Problem unread = ReadFileBytes(file, atlas.bytes); !unread.empty()) {
        return "The atlas " + file.string() + " cannot be read (" + unread + ").";
    }
    // A place's record is some 48 bytes: one allocation for all of them.
    constexpr std::size_t kFewestBytesPerPlace = 32;
    atlas.places.reserve(atlas.bytes.size() / kFewestBytesPerPlace);
    bool readable = true;
    ForEachLine(atlas.bytes,
                [&](std::string_view line) { readable = readable && ReadRecord(line, atlas); });
    if (!readable || atlas.places.empty()) {
        const std::string where = file.string();
        atlas.places.clear();
        atlas.regions.clear();
        atlas.zones.clear();
        return readable ? "The atlas " + where + " holds no place."
                        : "The atlas " + where + " is damaged (a record it cannot read).";
    }
    return {};
}

std::string FoldForAtlas(const Atlas& atlas, std::string_view text) {
    const std::string valid = ValidUtf8Text(text);
    std::string folded;
    folded.reserve(valid.size());
    for (std::size_t i = 0; i < valid.size();) {
        const unsigned char lead = static_cast<unsigned char>(valid[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
        const std::string_view character = std::string_view(valid).substr(i, length);
        i += length;
        if (length == 1) {
            folded += IsAsciiWordCharacter(character[0]) ? AsciiLower(character[0]) : ' ';
        } else if (const auto fold = atlas.folds.find(std::string(character));
                   fold != atlas.folds.end()) {
            folded += fold->second;
        } else {
            folded += character;
        }
    }
    // Words one blank apart, the saints as the places spell them most.
    std::string words;
    std::size_t start = 0;
    while ((start = folded.find_first_not_of(' ', start)) != std::string::npos) {
        const std::size_t end = std::min(folded.find(' ', start), folded.size());
        std::string_view word = std::string_view(folded).substr(start, end - start);
        word = word == "saint" ? "st" : word == "sainte" ? "ste" : word;
        words += words.empty() ? "" : " ";
        words += word;
        start = end;
    }
    return words;
}

std::string AtlasRegionAndCountry(const Atlas& atlas, const WorldPlace& place) {
    const std::string code(place.countryCode, 2);
    const auto country = atlas.countries.find(code);
    const std::string countryName =
        country == atlas.countries.end() ? code : std::string(country->second.name);
    const std::string_view region = atlas.regions[place.region].name;
    return region.empty() ? countryName : std::string(region) + ", " + countryName;
}

std::string AtlasPlaceText(const Atlas& atlas, const WorldPlace& place) {
    return std::string(place.name) + ", " + AtlasRegionAndCountry(atlas, place);
}

}  // namespace solvaris
