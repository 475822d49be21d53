// A message box as it was shown, kept by the headless platforms.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.hpp"

namespace solvaris {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
    std::optional<MessageAnswer> defaultButton;
};

}  // namespace solvaris
