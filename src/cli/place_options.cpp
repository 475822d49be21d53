#include "cli/place_options.hpp"

#include "base/program_folder.hpp"
#include "cli/exit_status.hpp"

namespace solvaris {

namespace {

constexpr std::size_t kCandidatesListed = 10;

std::string CoordinateText(double deg, char positive, char negative) {
    const NearestMinute nearest = ToNearestMinute(deg);
    return std::to_string(nearest.degrees) + (nearest.negative ? negative : positive) +
           (nearest.minutes < 10 ? "0" : "") + std::to_string(nearest.minutes);
}

}  // namespace

std::string LongitudeOptionText(double eastDeg) { return CoordinateText(eastDeg, 'e', 'w'); }

std::string LatitudeOptionText(double northDeg) { return CoordinateText(northDeg, 'n', 's'); }

std::string AtlasPlaceLine(const Atlas& atlas, const WorldPlace& place) {
    return AtlasPlaceText(atlas, place) + "  " + std::to_string(place.population) + "  " +
           LatitudeOptionText(place.latitudeDeg) + " " + LongitudeOptionText(place.longitudeDeg) +
           "  " + std::string(atlas.zones[place.zone]);
}

bool LoadShippedAtlasFor(std::string_view query, std::string_view command, std::ostream& err,
                         Atlas& atlas) {
    if (const Problem problem = LoadAtlasForQuery(AtlasFile(ShippedDataFolder()), query, atlas);
        !problem.empty()) {
        err << "solvaris " << command << ": " << problem << '\n';
        return false;
    }
    return true;
}

int ApplyPlaceOptions(BirthOptionTexts& texts, std::string_view command, std::ostream& err,
                      BirthOptions& options) {
    if (texts.natal.place.empty() && texts.diurnal.place.empty()) {
        return kExitDone;
    }
    for (const bool diurnal : {false, true}) {
        BirthOptionTexts::Place& typed = diurnal ? texts.diurnal : texts.natal;
        if (typed.place.empty()) {
            continue;
        }
        Atlas atlas;
        if (!LoadShippedAtlasFor(typed.place, command, err, atlas)) {
            return kExitFileProblem;
        }
        const std::string option = diurnal ? "--diurnal-place" : "--place";
        const AtlasPick pick = PickAtlasPlace(atlas, typed.place, kCandidatesListed);
        if (pick.place == nullptr) {
            err << "solvaris " << command << ": " << option << " '" << typed.place << "': ";
            if (pick.candidates.empty()) {
                err << "no place of the atlas has that name\n";
            } else {
                err << "more than one place has that name; add its region or country "
                       "(\"NAME, REGION, COUNTRY\"):\n";
                for (const WorldPlace* place : pick.candidates) {
                    err << "  " << AtlasPlaceLine(atlas, *place) << '\n';
                }
            }
            return kExitBadCommandLine;
        }
        const WorldPlace& place = *pick.place;
        typed.lon = LongitudeOptionText(place.longitudeDeg);
        typed.lat = LatitudeOptionText(place.latitudeDeg);
        typed.tz = std::string(atlas.zones[place.zone]);
        (diurnal ? options.diurnalPlace : options.natalPlace) = AtlasPlaceText(atlas, place);
    }
    return kExitDone;
}

}  // namespace solvaris
