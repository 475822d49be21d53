// The compiled zone files of the operating system's tz database: which
// names are places' zones, and which files may be read as zone files. A
// damaged or planted folder (a file of other bytes, a FIFO, a device, a loop
// of links) is refused by looking at it, never by reading into it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/problem.hpp"

namespace solvaris {

// $TZDIR when set, as the C library and the zone library take it, else
// /usr/share/zoneinfo.
std::filesystem::path ZoneFolder();

struct ZoneFileCheck {
    Problem problem;       // empty when the name is a place's zone file
    bool damaged = false;  // there is a file of that name, but no zone file
};

// Whether `zoneName` names a place's zone file in ZoneFolder(): a relative
// name of letters, digits, "_", "-" and "+" parts, not "localtime",
// "posixrules" or "Factory" (the host's zone, a default rule, no place at
// all) nor a name under posix/ or right/ (copies, and a clock counting leap
// seconds), and a regular file that begins as a zone file.
ZoneFileCheck CheckZoneFile(std::string_view zoneName);

// Every name of ZoneFolder() that CheckZoneFile() takes, sorted. Links to
// folders are not followed, so no loop can hold the walk.
std::vector<std::string> PlaceZoneNames();

}  // namespace solvaris
