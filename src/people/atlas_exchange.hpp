// The exchange with the outside atlas program: ATLAS.EXE is started from
// the atlas folder and waited for; PCATPATH.TXT there names the folder where
// it leaves TSRTEMP.TXT, whose lines 2, 3 and 5 hold the latitude, the
// longitude and the zone of the place chosen.
#pragma once

#include <string>

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
bool RunAtlasExchange(std::string& atlasDir, const PlaceFields& place, Platform& platform);

}  // namespace solvaris
