// What a command's declaration gives back: the command itself, run once its
// options are parsed and the program folder is open.
#pragma once

#include <functional>
#include <ostream>

#include "app/session.hpp"
#include "platform/headless/headless_platform.hpp"

namespace solvaris {

using CommandRun = std::function<int(Session& session, HeadlessPlatform& platform,
                                     std::ostream& out, std::ostream& err)>;

}  // namespace solvaris
