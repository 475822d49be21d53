// What the aspect grid window shows for the wheel on the screen: the orb
// file in force loaded into the session's orb table, every aspect found
// with those orbs, one line of symbols (point, aspect, point) per aspect.
#pragma once

#include <string>

#include "app/session.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// The text with the glyph codes turned into the astrological symbols
// (UTF-8) and CR LF line ends. An orb file that cannot be read is shown
// and the orbs in use are kept.
std::string AspectGridWindowText(Session& session, Platform& platform);

}  // namespace solvaris
