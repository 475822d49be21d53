// Finding places of the atlas as one types: "NAME[, REGION][, COUNTRY]",
// each part matched from the start of the name or of any word of it, case
// and accents aside ("st" finds Saint-Étienne, "zurich" Zürich), the most
// populous first.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

#include "people/atlas.hpp"

namespace solvaris {

// The places that match `query`, at most `limit`: those whose name matches,
// most populous first, then those that match by another name.
// A second part is the region or the country (by name or ISO code), a third
// the country. An empty name matches nothing.
std::vector<const WorldPlace*> FindAtlasPlaces(const Atlas& atlas, std::string_view query,
                                               std::size_t limit);

// Reads the atlas for one query: only the places that FindAtlasPlaces and
// PickAtlasPlace can give for it are kept, the rest passed over by their
// names, in a fraction of the time the whole atlas takes.
Problem LoadAtlasForQuery(const std::filesystem::path& file, std::string_view query, Atlas& atlas);

struct AtlasPick {
    const WorldPlace* place = nullptr;          // the one place meant
    std::vector<const WorldPlace*> candidates;  // when none or several: those that match
};

// The place a birth's --place means: the one place whose whole name is the
// query's name (and whose region and country match), else the one place
// that matches at all; several or none leave `place` null with the
// candidates (at most `limit`).
AtlasPick PickAtlasPlace(const Atlas& atlas, std::string_view query, std::size_t limit);

}  // namespace solvaris
