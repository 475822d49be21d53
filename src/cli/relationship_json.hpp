// The composite and the Davison chart of the natal person and the second
// person as members of the chart's JSON object.
#pragma once

#include <optional>
#include <string>

#include "app/session.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// ",\"composite\":{...}": the set as every chart's, with the composite's
// obliquity, RAMC, latitude and method. Nothing, the message shown, when
// the chart cannot be cast.
std::optional<std::string> CompositeJsonMember(const Session& session, Platform& platform);

// ",\"davison\":{...}": the set as every chart's, with its moment (day
// number, fraction of the day in UT, date and time), place, obliquity,
// RAMC and method.
std::optional<std::string> DavisonJsonMember(const Session& session, Platform& platform);

}  // namespace solvaris
