#include "people/cities_file.hpp"

#include <cctype>

#include "base/number_text.hpp"
#include "base/program_folder.hpp"
#include "base/text_lines.hpp"
#include "people/comma_fields.hpp"
#include "people/entry_keys.hpp"
#include "people/entry_rules.hpp"
#include "people/entry_zone.hpp"
#include "people/place_fields.hpp"

namespace solvaris {

namespace {

constexpr std::size_t kRecordFields = 5;

constexpr const char* kListError =
    "You have an error in the current cities file. You need to check and see if you have "
    "entered the data correctly and in the proper amount. Please correct the data by "
    "clicking on the Edit this List command button in the Cities window and edit the "
    "incorrect data.";
constexpr const char* kRecordError =
    "Format error or typographical error in selected data. Please correct this data entry "
    "by clicking on the Edit this List command button in the Cities window and editing the "
    "data associated with your chosen city.";

// Characters `first` (from 1) to `first + count - 1`; what lies beyond the
// text is empty.
std::string Mid(const std::string& text, std::size_t first, std::size_t count) {
    return first - 1 < text.size() ? text.substr(first - 1, count) : std::string();
}

std::string LastTwo(const std::string& text) {
    return text.size() >= 2 ? text.substr(text.size() - 2) : text;
}

// Digits written as a number without leading zeros ("05" is "5").
std::optional<std::string> Digits(const std::string& text) {
    const auto value = ParseInteger(text);
    if (!value || *value < 0 || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::to_string(*value);
}

bool FillPlace(const CityRecord& r, EntryFields& place, Platform& platform) {
    const auto fail = [&platform] {
        platform.ShowMessage(kRecordError, "Error!", MessageIcon::Critical);
        return false;
    };
    const bool shortForm = r.longitude.size() == 5;
    const auto longDeg = Digits(shortForm ? Mid(r.longitude, 1, 2) : Mid(r.longitude, 1, 3));
    const std::string letter = Mid(r.longitude, shortForm ? 3 : 4, 1);
    const auto longMin = Digits(LastTwo(r.longitude));
    if (!longDeg || !longMin) {
        return fail();
    }
    place.longDeg = *longDeg;
    place.longMin = *longMin;
    const auto zone = ParseNumber(r.zone);
    if (!zone) {
        return fail();
    }
    // An east longitude makes an unsigned zone east; a west one keeps the
    // file's zone, for places west of Greenwich on an east zone (Madrid
    // 3W41 keeps -1 rather than becoming an hour west).
    const bool east = letter == "E" || letter == "e";
    place.east = east;
    place.zone = east ? ZoneForEast(NumberAsTyped(*zone)) : NumberAsTyped(*zone);
    const auto latDeg = Digits(Mid(r.latitude, 1, 2));
    const std::string hemisphere = Mid(r.latitude, 3, 1);
    const auto latMin = Digits(LastTwo(r.latitude));
    if (!latDeg || !latMin) {
        return fail();
    }
    place.latDeg = *latDeg;
    place.latMin = *latMin;
    place.south = hemisphere == "S" || hemisphere == "s";
    return true;
}

}  // namespace

std::vector<CityRecord> ReadCitiesList(const std::filesystem::path& file, Platform& platform) {
    const auto text = ReadText(file);
    if (!text) {
        platform.ShowMessage(kListError, "Error!", MessageIcon::Critical);
        return {};
    }
    return CitiesListFromText(*text, platform);
}

std::vector<CityRecord> CitiesListFromText(std::string_view text, Platform& platform) {
    std::vector<CityRecord> records;
    const bool whole = ForEachStreamRecord(text, Quoting::QuotedFields, kRecordFields,
                                           [&records](std::vector<std::string>& f) {
                                               records.push_back({f[0], f[1], f[2], f[3], f[4]});
                                           });
    if (!whole) {
        platform.ShowMessage(kListError, "Error!", MessageIcon::Critical);
    }
    return records;
}

std::string CityListText(const CityRecord& record) { return record.city + "," + record.region; }

std::filesystem::path CurrentCitiesFile(const std::string& chosenFile,
                                        const std::filesystem::path& folder) {
    return chosenFile.empty() ? FindInFolder(folder, kDefaultCitiesFile)
                              : std::filesystem::path(chosenFile);
}

const CityRecord* CityOfListText(const std::vector<CityRecord>& records, const std::string& text) {
    for (const CityRecord& record : records) {
        if (CityListText(record) == text) {
            return &record;
        }
    }
    return nullptr;
}

bool PickCityRecord(const CityRecord& record, NatalEntryWindow& natal, DiurnalEntryWindow& diurnal,
                    const OptionTable& options, Platform& platform, const CityZones& zones,
                    Fold fold, std::string* zoneRule) {
    // With its tz database zone, the city's zone is the one that held at the
    // typed moment; a zone that cannot be filled keeps field 5's.
    const auto fill = [&](EntryFields& place) {
        if (!FillPlace(record, place, platform)) {
            return false;
        }
        if (const auto name = ZoneNameOfCity(zones, record.city, record.region)) {
            if (auto rule = PickZoneName(*name, place, fold, platform);
                rule && zoneRule != nullptr) {
                *zoneRule = std::move(*rule);
            }
        }
        return true;
    };
    if (diurnal.chk2ndPerson) {
        return fill(diurnal.fields);
    }
    if (!fill(natal.fields)) {
        return false;
    }
    AfterNatalPick(natal, diurnal, options, platform);
    return true;
}

EntryFields& CityPickTarget(NatalEntryWindow& natal, DiurnalEntryWindow& diurnal) {
    return diurnal.chk2ndPerson ? diurnal.fields : natal.fields;
}

}  // namespace solvaris
