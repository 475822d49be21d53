#include "people/atlas_pick.hpp"

#include "people/cities_file.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

std::optional<std::string> PickAtlasPlaceForEntry(const Atlas& atlas, const WorldPlace& place,
                                                  NatalEntryWindow& natal,
                                                  DiurnalEntryWindow& diurnal,
                                                  const OptionTable& options, Platform& platform,
                                                  Fold fold) {
    EntryFields& target = CityPickTarget(natal, diurnal);
    EntryFields picked = target;
    const NearestMinute longitude = ToNearestMinute(place.longitudeDeg);
    picked.longDeg = std::to_string(longitude.degrees);
    picked.longMin = std::to_string(longitude.minutes);
    picked.east = !longitude.negative && (longitude.degrees != 0 || longitude.minutes != 0);
    const NearestMinute latitude = ToNearestMinute(place.latitudeDeg);
    picked.latDeg = std::to_string(latitude.degrees);
    picked.latMin = std::to_string(latitude.minutes);
    picked.south = latitude.negative;
    std::optional<std::string> rule =
        PickZoneName(std::string(atlas.zones[place.zone]), picked, fold, platform);
    if (!rule) {
        return std::nullopt;
    }
    target = std::move(picked);
    if (&target == &natal.fields) {
        AfterNatalPick(natal, diurnal, options, platform);
    }
    return rule;
}

}  // namespace solvaris
