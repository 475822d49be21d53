#include "people/atlas_pick.hpp"

#include <cmath>

#include "people/cities_file.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

namespace {

struct DegreesAndMinutes {
    std::string degrees, minutes;
    bool negative = false;
};

DegreesAndMinutes ToNearestMinute(double deg) {
    constexpr long kMinutesPerDegree = 60;
    const long minutes = std::lround(std::fabs(deg) * kMinutesPerDegree);
    return {std::to_string(minutes / kMinutesPerDegree),
            std::to_string(minutes % kMinutesPerDegree), deg < 0};
}

}  // namespace

std::optional<std::string> PickAtlasPlaceForEntry(const Atlas& atlas, const WorldPlace& place,
                                                  NatalEntryWindow& natal,
                                                  DiurnalEntryWindow& diurnal,
                                                  const OptionTable& options, Platform& platform,
                                                  Fold fold) {
    EntryFields& target = CityPickTarget(natal, diurnal);
    EntryFields picked = target;
    const DegreesAndMinutes longitude = ToNearestMinute(place.longitudeDeg);
    picked.longDeg = longitude.degrees;
    picked.longMin = longitude.minutes;
    picked.east = !longitude.negative && (longitude.degrees != "0" || longitude.minutes != "0");
    const DegreesAndMinutes latitude = ToNearestMinute(place.latitudeDeg);
    picked.latDeg = latitude.degrees;
    picked.latMin = latitude.minutes;
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
