#include "people/atlas_search.hpp"

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "people/atlas_fields.hpp"

namespace solvaris {

namespace {

// Whether `text` from `at` begins with `folded` (a place without a key of
// its own is searched by its ASCII name in lower case).
bool BeginsWith(std::string_view text, std::size_t at, std::string_view folded) {
    if (text.size() - at < folded.size()) {
        return false;
    }
    for (std::size_t i = 0; i < folded.size(); ++i) {
        if (AsciiLower(text[at + i]) != folded[i]) {
            return false;
        }
    }
    return true;
}

// Whether the folded `part` begins `text` at `at`, the start of a word; a
// word of an ASCII name ends at a blank or at punctuation.
bool MatchesAt(std::string_view text, std::size_t at, std::string_view part) {
    const bool wordStart = at == 0 || text[at - 1] == ' ' || text[at - 1] == '-' ||
                           text[at - 1] == '\'' || text[at - 1] == '.' || text[at - 1] == '|';
    return wordStart && BeginsWith(text, at, part);
}

// Whether the folded `part` begins `text` or one of its words.
bool MatchesWordStart(std::string_view text, std::string_view part) {
    if (part.empty() || text.size() < part.size()) {
        return false;
    }
    // The first letter decides most places: eight bytes looked at together
    // for it, as a small letter or an ASCII name's capital (a folded part
    // has no capital of its own, which no byte reads as).
    const char first = part[0];
    if (first >= 'A' && first <= 'Z') {
        return false;
    }
    const char capital =
        first >= 'a' && first <= 'z' ? static_cast<char>(first - 'a' + 'A') : first;
    const std::size_t lastStart = text.size() - part.size();
    std::size_t at = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::size_t kWordBytes = 8;
        for (; at <= lastStart && at + kWordBytes <= text.size(); at += kWordBytes) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + at, kWordBytes);
            for (std::uint64_t starts = BytesThatAre(word, first) | BytesThatAre(word, capital);
                 starts != 0; starts &= starts - 1) {
                if (MatchesAt(text,
                              at + static_cast<std::size_t>(std::countr_zero(starts)) / kWordBytes,
                              part)) {
                    return true;
                }
            }
        }
    }
    for (; at <= lastStart; ++at) {
        if (AsciiLower(text[at]) == first && MatchesAt(text, at, part)) {
            return true;
        }
    }
    return false;
}

std::string_view SearchKey(const WorldPlace& place) {
    return place.key.empty() ? place.name : place.key;
}

struct QueryParts {
    std::string name;
    std::vector<std::string> within;  // region or country, country
};

QueryParts SplitQuery(const Atlas& atlas, std::string_view query) {
    QueryParts parts;
    std::size_t start = 0;
    bool first = true;
    while (start <= query.size()) {
        const std::size_t comma = std::min(query.find(',', start), query.size());
        std::string folded = FoldForAtlas(atlas, query.substr(start, comma - start));
        if (first) {
            parts.name = std::move(folded);
        } else if (!folded.empty()) {
            parts.within.push_back(std::move(folded));
        }
        first = false;
        start = comma + 1;
    }
    return parts;
}

// The ISO code a user may type for a country, beside the code itself.
std::string CountryCodeOfAlias(const std::string& folded) {
    if (folded == "usa") {
        return "us";
    }
    if (folded == "uk") {
        return "gb";
    }
    return folded;
}

bool CountryMatches(const Atlas& atlas, const WorldPlace& place, const std::string& part) {
    const std::string code = CountryCodeOfAlias(part);
    if (code.size() == 2 && AsciiLower(place.countryCode[0]) == code[0] &&
        AsciiLower(place.countryCode[1]) == code[1]) {
        return true;
    }
    const auto country = atlas.countries.find(std::string(place.countryCode, 2));
    return country != atlas.countries.end() && MatchesWordStart(country->second.key, part);
}

bool WithinMatches(const Atlas& atlas, const WorldPlace& place,
                   const std::vector<std::string>& within) {
    if (within.empty()) {
        return true;
    }
    const std::string& region = atlas.regions[place.region].key;
    if (within.size() == 1) {
        return MatchesWordStart(region, within[0]) || CountryMatches(atlas, place, within[0]);
    }
    return MatchesWordStart(region, within[0]) && CountryMatches(atlas, place, within[1]);
}

// Whether the place's name, or one of its other names, is all of `folded`.
bool NameIs(const WorldPlace& place, std::string_view folded) {
    const std::string_view key = SearchKey(place);
    if (key.size() == folded.size() && BeginsWith(key, 0, folded)) {
        return true;
    }
    for (std::size_t start = 0; start < place.alternates.size();) {
        const std::size_t end =
            std::min(place.alternates.find('|', start), place.alternates.size());
        if (place.alternates.substr(start, end - start) == folded) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace

std::vector<const WorldPlace*> FindAtlasPlaces(const Atlas& atlas, std::string_view query,
                                               std::size_t limit) {
    const QueryParts parts = SplitQuery(atlas, query);
    std::vector<const WorldPlace*> found;
    if (parts.name.empty() || parts.within.size() > 2) {
        return found;
    }
    // The names first, then the other names: "tulle" is Tulle before the
    // larger Toliara that some spell Tulléar.
    for (const bool alternates : {false, true}) {
        for (const WorldPlace& place : atlas.places) {
            if (found.size() == limit) {
                return found;
            }
            const bool matches = alternates ? MatchesWordStart(place.alternates, parts.name) &&
                                                  !MatchesWordStart(SearchKey(place), parts.name)
                                            : MatchesWordStart(SearchKey(place), parts.name);
            if (matches && WithinMatches(atlas, place, parts.within)) {
                found.push_back(&place);
            }
        }
    }
    return found;
}

Problem LoadAtlasForQuery(const std::filesystem::path& file, std::string_view query, Atlas& atlas) {
    // Folded at the first place, when the folds have been read.
    std::optional<std::string> name;
    return LoadAtlas(
        file, atlas,
        [&](const Atlas& read, std::string_view searchKey, std::string_view alternates) {
            if (!name) {
                name = SplitQuery(read, query).name;
            }
            return MatchesWordStart(searchKey, *name) || MatchesWordStart(alternates, *name);
        });
}

AtlasPick PickAtlasPlace(const Atlas& atlas, std::string_view query, std::size_t limit) {
    const QueryParts parts = SplitQuery(atlas, query);
    AtlasPick pick;
    pick.candidates = FindAtlasPlaces(atlas, query, atlas.places.size());
    std::vector<const WorldPlace*> named;
    for (const WorldPlace* place : pick.candidates) {
        if (NameIs(*place, parts.name)) {
            named.push_back(place);
        }
    }
    if (!named.empty()) {
        pick.candidates = std::move(named);
    }
    if (pick.candidates.size() == 1) {
        pick.place = pick.candidates.front();
    }
    if (pick.candidates.size() > limit) {
        pick.candidates.resize(limit);
    }
    return pick;
}

}  // namespace solvaris
