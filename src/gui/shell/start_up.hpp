// Start-up of the workstation in its order: the title window, the busy
// pointer, options and settings, the display profile of the real screen,
// the house system of option 27, the chart wheel's data files, and the main
// window placed where it was left.
#pragma once

#include <memory>
#include <string>

#include "gui/common/workstation.hpp"
#include "gui/shell/main_form.hpp"

namespace solvaris {

struct StartUpSteps {
    bool titleWindow = true;  // the modal TITLE window (tests leave it out)
};

// The workstation's session folder must be set. Every file that cannot be
// read is said in a message box and start-up goes on with what it has.
// Returns the main window, shown; the other windows are its children.
std::unique_ptr<MainForm> StartUp(Workstation& workstation, const StartUpSteps& steps);

// The whole program with a display: the folder of `homeOption` (else
// $SOLVARIS_HOME, else the per-user folder), start-up, and the event loop
// until Exit. Needs the QApplication.
int RunWorkstation(const std::string& homeOption);

}  // namespace solvaris
