// The help file printed whole, a set number of lines a page.
#pragma once

#include <string_view>

#include "app/session.hpp"
#include "platform/platform.hpp"
#include "platform/printer.hpp"

namespace solvaris {

inline constexpr std::string_view kHelpFileName = "HELPFILE";

// HELPFILE in Courier New 12 points, option 30 lines a page, on the printer
// the user chooses. False when the file cannot be read, the user cancels
// or the print fails (the message says which).
bool PrintHelpFile(const Session& session, Platform& platform, const PrinterChooser& choosePrinter);

}  // namespace solvaris
