// `solvaris wheel KIND --out FILE`: a Wheels-menu chart drawn into a PNG,
// SVG or PDF file (the PDF is the full-page print).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/session.hpp"
#include "platform/headless/scripted_platform.hpp"

namespace solvaris {

inline constexpr const char* kWheelUsage =
    "solvaris wheel KIND [birth options] --out FILE.png|.svg|.pdf [--size PIXELS] "
    "[--european] [--orbs FILE]";

int RunWheelCommandLine(const std::vector<std::string>& args, Session& session,
                        ScriptedPlatform& platform, std::ostream& out, std::ostream& err);

// The names of the kinds, for the help text.
std::string WheelKindNames();

}  // namespace solvaris
