// What start-up reads from the program folder before any window opens: the
// options, the settings, the house system of option 27 and the chart
// wheel's data files. A missing file is said plainly and the workstation
// still opens with what it can do.
#pragma once

#include <string>
#include <vector>

#include "app/session.hpp"
#include "chart/house_system.hpp"

namespace solvaris {

// 2 Regiomontanus to 9 Morinus; any other value Placidus.
HouseSystem HouseSystemOfOption(float value);

struct StartUpFiles {
    HouseSystem houseSystem = HouseSystem::Placidus;
    bool wheelDataRead = false;
    // One message box each, in the order found.
    std::vector<std::string> problems;
};

// The session's options (from OPTIONS.MAS when OPTIONS.OPT cannot be read),
// orb file and settings; the house system; whether HCDATA.DAT and
// RADIUS.DAT can be read.
StartUpFiles ReadStartUpFiles(Session& session);

}  // namespace solvaris
