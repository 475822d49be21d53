#include "people/atlas.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

#include "base/text_lines.hpp"
#include "base/trusted_path.hpp"
#include "base/visible_text.hpp"
#include "people/atlas_fields.hpp"
#include "people/atlas_file.hpp"

namespace solvaris {

namespace {

constexpr std::size_t kPlaceFields = 10;

// The texts the atlas keeps, one after another in storage of the file's
// size: each is a part of another line, so they fit.
struct TextCopies {
    char* next = nullptr;
    std::string_view Copy(std::string_view text) {
        if (text.empty()) {
            return {};
        }
        std::memcpy(next, text.data(), text.size());
        next += text.size();
        return {next - text.size(), text.size()};
    }
};

template <typename Number>
bool ReadNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ReadPlace(const std::array<std::string_view, kPlaceFields>& f, const Atlas& atlas,
               TextCopies& copies, WorldPlace& place) {
    if (!ReadNumber(f[3], place.region) || place.region >= atlas.regions.size() ||
        f[4].size() != 2 || !ReadNumber(f[5], place.population) ||
        !ReadAtlasDegrees(f[6], place.latitudeDeg) || !ReadAtlasDegrees(f[7], place.longitudeDeg) ||
        !ReadNumber(f[8], place.zone) || place.zone >= atlas.zones.size() ||
        !(place.latitudeDeg >= -90 && place.latitudeDeg <= 90) ||
        !(place.longitudeDeg >= -180 && place.longitudeDeg <= 180) || f[1].empty()) {
        return false;
    }
    // The name and its key one copy: they stand side by side in the record.
    const std::string_view nameAndKey = copies.Copy(
        {f[1].data(), static_cast<std::size_t>(f[2].data() + f[2].size() - f[1].data())});
    place.name = nameAndKey.substr(0, f[1].size());
    place.key = nameAndKey.substr(f[1].size() + 1);
    place.alternates = copies.Copy(f[9]);
    place.countryCode[0] = f[4][0];
    place.countryCode[1] = f[4][1];
    return true;
}

// One record into the atlas; false for a record it cannot take. The
// tables come before the places: the folds make the keys of the regions,
// countries and queries.
bool ReadRecord(std::string_view line, Atlas& atlas, TextCopies& copies, bool placesBegun) {
    std::array<std::string_view, kPlaceFields> f;
    const std::size_t count = SplitAtlasFields(line, f);
    if (f[0] == "P" && count == kPlaceFields) {
        // Ten fields and no more: the last runs to the line's end.
        return f[9].data() + f[9].size() == line.data() + line.size() &&
               ReadPlace(f, atlas, copies, atlas.places.emplace_back());
    }
    if (placesBegun) {
        return false;
    }
    if (f[0] == "F" && count == 3) {
        atlas.folds.emplace(std::string(f[1]), std::string(f[2]));
        return true;
    }
    if (f[0] == "C" && count == 3) {
        atlas.countries[std::string(f[1])] = {copies.Copy(f[2]), FoldForAtlas(atlas, f[2])};
        return true;
    }
    std::size_t index = 0;
    if (f[0] == "R" && count == 4 && ReadNumber(f[1], index) && index == atlas.regions.size()) {
        atlas.regions.push_back({copies.Copy(f[2]), copies.Copy(f[3]), FoldForAtlas(atlas, f[3])});
        return true;
    }
    if (f[0] == "Z" && count == 3 && ReadNumber(f[1], index) && index == atlas.zones.size()) {
        atlas.zones.push_back(copies.Copy(f[2]));
        return true;
    }
    return false;
}

// Whether a filtered reading passes over the place of this record, found by
// its names alone: the first three fields and the last.
bool PassesOver(std::string_view line, const Atlas& atlas, const AtlasPlaceFilter& keep) {
    std::array<std::string_view, 3> f;
    if (SplitAtlasFields(line, f) < f.size() || f[0] != "P") {
        return false;
    }
    const std::size_t lastTab = line.rfind('\t');
    const std::string_view alternates =
        lastTab > static_cast<std::size_t>(f[2].data() - line.data()) ? line.substr(lastTab + 1)
                                                                      : std::string_view();
    return !keep(atlas, f[2].empty() ? f[1] : f[2], alternates);
}

void ClearAtlas(Atlas& atlas) {
    atlas.places.clear();
    atlas.regions.clear();
    atlas.zones.clear();
    atlas.countries.clear();
    atlas.folds.clear();
    atlas.texts.reset();
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

Problem LoadAtlas(const std::filesystem::path& file, Atlas& atlas, const AtlasPlaceFilter& keep) {
    ClearAtlas(atlas);
    MappedAtlasFile mapped;
    if (Problem unread = MapAtlasFile(file, mapped); !unread.empty()) {
        return "The atlas " + file.string() + " cannot be read (" + unread + ").";
    }
    // Looked at once mapped: nothing is made of a file others could write.
    if (Problem untrusted = UntrustedPathProblem(file, TrustedUsersOfProcess());
        !untrusted.empty()) {
        return "The atlas " + file.string() + " is not used: " + untrusted + ".";
    }
    const std::string_view bytes = mapped.bytes();
    // Storage untouched until written: only the texts copied take memory.
    atlas.texts = std::make_unique_for_overwrite<char[]>(bytes.size());
    TextCopies copies{atlas.texts.get()};
    // A place's record is some 60 bytes: one allocation for all of them.
    constexpr std::size_t kFewestBytesPerPlace = 32;
    atlas.places.reserve(keep ? 0 : bytes.size() / kFewestBytesPerPlace);
    std::size_t placesPassedOver = 0;
    bool readable = true;
    ForEachLine(bytes, [&](std::string_view line) {
        if (!readable || line.empty() || line[0] == '#') {
            return;
        }
        const bool placesBegun = placesPassedOver > 0 || !atlas.places.empty();
        if (keep && PassesOver(line, atlas, keep)) {
            ++placesPassedOver;
            return;
        }
        readable = ReadRecord(line, atlas, copies, placesBegun);
    });
    // The file ends with its last record's line end, which a file cut short lacks.
    const bool whole = bytes.empty() || bytes.back() == '\n';
    const std::string where = "The atlas " + file.string();
    Problem problem = !readable ? where + " is damaged (a record it cannot read)."
                      : !whole  ? where + " is damaged (its last record is cut short)."
                      : placesPassedOver + atlas.places.size() == 0 ? where + " holds no place."
                                                                    : Problem();
    if (!problem.empty()) {
        ClearAtlas(atlas);
    }
    return problem;
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
