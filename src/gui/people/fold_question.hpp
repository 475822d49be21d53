// The question the time-zone and cities windows ask before a zone is
// filled for a clock time that happened twice.
#pragma once

#include <string>

#include "people/entry_zone.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// Earlier unless the time happened twice and the user answers No.
Fold AskFold(Platform& platform, const std::string& zoneName, const EntryFields& clock);

}  // namespace solvaris
