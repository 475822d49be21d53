// `solvaris return solar|lunar`: the return after the last birthday (solar)
// or nearest the diurnal date (lunar), or N returns on or back.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/session.hpp"
#include "platform/platform.hpp"

namespace solvaris {

inline constexpr const char* kReturnUsage =
    "solvaris return solar|lunar [--next N | --previous N] [birth options] [--format json|text]";

int RunReturnCommand(const std::vector<std::string>& args, Session& session, Platform& platform,
                     std::ostream& out, std::ostream& err);

}  // namespace solvaris
