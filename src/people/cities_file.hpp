// Cities files (*.LL): City,Region,Longitude,Latitude,Zone per line, the
// longitude as 74W00 or 122W25, the latitude as 40N43, the zone in hours
// west positive.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/options.hpp"
#include "people/city_zones.hpp"
#include "people/entry_fields.hpp"
#include "people/entry_zone.hpp"
#include "people/place_fields.hpp"
#include "platform/platform.hpp"

namespace solvaris {

inline constexpr const char* kDefaultCitiesFile = "GA_MA.LL";

struct CityRecord {
    std::string city;
    std::string region;
    std::string longitude;
    std::string latitude;
    std::string zone;
};

// Fields separated by commas or line ends, five to a record. An unreadable
// file or an incomplete last record shows the cities-file error; the
// records read so far are kept.
std::vector<CityRecord> ReadCitiesList(const std::filesystem::path& file, Platform& platform);
std::vector<CityRecord> CitiesListFromText(std::string_view text, Platform& platform);

// The list's text of a record: City,Region.
std::string CityListText(const CityRecord& record);

// The cities file in use: the one chosen last (the settings keep it), else
// GA_MA.LL in the program folder.
std::filesystem::path CurrentCitiesFile(const std::string& chosenFile,
                                        const std::filesystem::path& folder);

// The record a click on a list line stands for: the first whose list text
// is that line, as a file holding one city twice gives the first.
const CityRecord* CityOfListText(const std::vector<CityRecord>& records, const std::string& text);

// A click on a city: the place into the diurnal window in second-person
// mode, else into the natal window followed by the diurnal window's reset
// or copy. A field that cannot be read shows the format-error box; fields
// already filled keep their new values. A city of `zones` gets the offset
// of its tz database zone at the target window's typed date and time (of a
// repeated clock time the one `fold` names), and `zoneRule` (when given)
// the rule in words.
bool PickCityRecord(const CityRecord& record, NatalEntryWindow& natal, DiurnalEntryWindow& diurnal,
                    const OptionTable& options, Platform& platform, const CityZones& zones = {},
                    Fold fold = Fold::Earlier, std::string* zoneRule = nullptr);

// The entry window a city pick fills: the diurnal one in second-person
// mode, else the natal one.
EntryFields& CityPickTarget(NatalEntryWindow& natal, DiurnalEntryWindow& diurnal);

}  // namespace solvaris
