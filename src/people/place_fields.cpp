#include "people/place_fields.hpp"

#include "people/entry_keys.hpp"

namespace solvaris {

void SelectHemisphere(EntryFields& place, bool east) {
    place.east = east;
    place.zone = east ? ZoneForEast(place.zone) : ZoneForWest(place.zone);
}

}  // namespace solvaris
