// --place and --diurnal-place: a birthplace of the world atlas by name,
// which types its longitude, latitude and tz database zone.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/birth_options.hpp"
#include "people/atlas_search.hpp"

namespace solvaris {

// A longitude (east positive) as --lon takes it, to the nearest minute:
// "78w53"; a latitude (north positive) as --lat: "42n53".
std::string LongitudeOptionText(double eastDeg);
std::string LatitudeOptionText(double northDeg);

// One place as `solvaris places` and a refusal list it: "Buffalo, New York,
// United States of America  258071  42n53 78w53  America/New_York".
std::string AtlasPlaceLine(const Atlas& atlas, const WorldPlace& place);

// The places of the shipped atlas that `query` can mean into `atlas`; its
// problem on `err`, false.
bool LoadShippedAtlasFor(std::string_view query, std::string_view command, std::ostream& err,
                         Atlas& atlas);

// Each place named turned into the longitude, latitude and zone name
// typed (the options of the place stay refused beside it by the parser),
// the places taken kept in `options`. A place unknown or not one is
// refused with the candidates (status 2); an atlas that cannot be read,
// status 3.
int ApplyPlaceOptions(BirthOptionTexts& texts, std::string_view command, std::ostream& err,
                      BirthOptions& options);

}  // namespace solvaris
