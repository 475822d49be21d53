// The chart's heading texts in the corners of the wheel, and on paper the
// user's own footer from PERSONAL.NAM, in a text face.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "wheel/wheel_state.hpp"
#include "wheel/wheel_target.hpp"

namespace solvaris {

// Window: the first list from the top-left corner, the second ending one
// line above the bottom-left corner. Paper: both lists down the left side
// (options 120 and 191 place them) and, when option 174 is set, the footer
// right-aligned at the top.
void DrawHeading(WheelTarget& target, const WheelState& state, const std::filesystem::path& folder);

// The lines of the program folder's PERSONAL.NAM; none when it is missing.
std::vector<std::string> FooterLines(const std::filesystem::path& folder);

}  // namespace solvaris
