// What start-up reads from the program folder before any window opens: the
// options, the settings, the house system of option 27 and the chart
// wheel's data files. A missing file is said plainly and the workstation
// still opens with what it can do.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/session.hpp"
#include "base/problem.hpp"
#include "chart/house_system.hpp"
#include "wheel/wheel_data.hpp"

namespace solvaris {

// 2 Regiomontanus to 9 Morinus; any other value Placidus.
HouseSystem HouseSystemOfOption(float value);

struct StartUpFiles {
    HouseSystem houseSystem = HouseSystem::Placidus;
    // HCDATA.DAT and RADIUS.DAT as read, kept for the wheel window.
    std::optional<WheelData> wheelData;
    // One message box each, in the order found.
    std::vector<Problem> problems;
};

// The session's options (from OPTIONS.MAS when OPTIONS.OPT cannot be read),
// orb file and settings; the house system; HCDATA.DAT and RADIUS.DAT when
// both can be read.
StartUpFiles ReadStartUpFiles(Session& session);

}  // namespace solvaris
