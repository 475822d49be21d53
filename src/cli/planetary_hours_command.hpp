// `solvaris planetary-hours`: the natal day's 24 planetary hours as the
// planetary-hours window lists them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/session.hpp"
#include "platform/platform.hpp"

namespace solvaris {

inline constexpr const char* kPlanetaryHoursUsage = "solvaris planetary-hours [birth options]";

int RunPlanetaryHoursCommand(const std::vector<std::string>& args, Session& session,
                             Platform& platform, std::ostream& out, std::ostream& err);

}  // namespace solvaris
