#include "cli/workstation_start.hpp"

#include <cstdlib>

namespace solvaris {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

DisplayEnvironment DisplayEnvironmentOfProcess() {
    return {Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"), Variable("QT_QPA_PLATFORM")};
}

bool DisplayAvailable(const DisplayEnvironment& environment) {
    const std::string& platform = environment.qpaPlatform;
    // "xcb" and "wayland" (with its variants, "wayland-egl") are the
    // platforms that need the display variables.
    const bool needsDisplay =
        platform.empty() || platform == "xcb" || platform.starts_with("wayland");
    if (!needsDisplay) {
        return true;
    }
    return !environment.display.empty() || !environment.waylandDisplay.empty();
}

bool IsWorkstationCommand(const std::vector<std::string>& args, std::string& home) {
    if (args.empty()) {
        home.clear();
        return true;
    }
    if (args.size() == 2 && args[0] == "--home" && !args[1].empty()) {
        home = args[1];
        return true;
    }
    return false;
}

}  // namespace solvaris
