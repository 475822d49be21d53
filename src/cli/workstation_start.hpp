// Whether the command line asks for the workstation (`solvaris`, `solvaris
// --home DIR`) and whether this process can show it.
#pragma once

#include <string>
#include <vector>

namespace solvaris {

inline constexpr const char* kNoDisplayMessage =
    "solvaris: the workstation needs a display (DISPLAY or WAYLAND_DISPLAY); "
    "`solvaris help` lists the commands that run without one";

struct DisplayEnvironment {
    std::string display;         // $DISPLAY
    std::string waylandDisplay;  // $WAYLAND_DISPLAY
    std::string qpaPlatform;     // $QT_QPA_PLATFORM
};

DisplayEnvironment DisplayEnvironmentOfProcess();

// An X or Wayland display, or a Qt platform that needs none (offscreen,
// vnc, a framebuffer).
bool DisplayAvailable(const DisplayEnvironment& environment);

// True for no arguments and for --home DIR alone; `home` receives DIR.
bool IsWorkstationCommand(const std::vector<std::string>& args, std::string& home);

}  // namespace solvaris
