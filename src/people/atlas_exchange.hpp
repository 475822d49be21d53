// The exchange with the outside atlas program: ATLAS.EXE is started from
// the atlas folder and waited for; PCATPATH.TXT there names the folder where
// it leaves TSRTEMP.TXT, whose lines 2, 3 and 5 hold the latitude, the
// longitude and the zone of the place chosen.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "people/place_fields.hpp"
#include "platform/platform.hpp"

namespace solvaris {

struct AtlasPlace {
    std::string longitude;  // "74W00"
    std::string latitude;   // "40N43"
    std::string zone;       // "5"
};

// The whole exchange for one entry window: finding and starting the atlas
// (asking for its folder when it cannot be started, `atlasDir` keeping the
// answer), reading its files, the accept question, and on Yes the place
// into the fields. True when the place was taken.
bool RunAtlasExchange(std::string& atlasDir, EntryFields& place, Platform& platform);

// The exchange folder named on PCATPATH.TXT's first line.
std::optional<std::string> ExchangeFolderOf(const std::vector<std::string>& pcatpath);

// The place of TSRTEMP.TXT: line 2 latitude, line 3 longitude, the number
// at the start of line 5 the zone; nothing with fewer than five lines.
std::optional<AtlasPlace> AtlasPlaceOf(const std::vector<std::string>& tsrtemp);

// The accept question and, on Yes, the place into the fields.
bool AcceptAtlasPlace(const AtlasPlace& found, EntryFields& place, Platform& platform);

}  // namespace solvaris
