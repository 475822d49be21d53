#include "people/place_fields.hpp"

#include <cstdio>

#include "people/entry_keys.hpp"

namespace solvaris {

void SelectHemisphere(const PlaceFields& place, bool east) {
    *place.east = east;
    *place.zone = east ? ZoneForEast(*place.zone) : ZoneForWest(*place.zone);
}

std::string NumberAsTyped(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

}  // namespace solvaris
