// A place of the world atlas picked for an entry window, as a city of the
// cities file is: its longitude and latitude to the nearest minute and its
// zone as the tz database gives it for the window's typed date and time.
#pragma once

#include <optional>
#include <string>

#include "base/options.hpp"
#include "people/atlas.hpp"
#include "people/entry_fields.hpp"
#include "people/entry_zone.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// The place into the diurnal window in second-person mode, else into the
// natal window followed by the diurnal window's reset or copy; a repeated
// clock time takes `fold`. The zone's rule in words when filled. A zone
// that cannot be filled (a skipped time, a date not yet typed) is said in
// a message box and nothing changes: a place without its zone would give a
// wrong chart.
std::optional<std::string> PickAtlasPlaceForEntry(const Atlas& atlas, const WorldPlace& place,
                                                  NatalEntryWindow& natal,
                                                  DiurnalEntryWindow& diurnal,
                                                  const OptionTable& options, Platform& platform,
                                                  Fold fold);

}  // namespace solvaris
