// The help, hint and philosophy documents: plain text files of the program
// folder, shown in the data window as a report, and the help file printed
// whole.
#pragma once

#include <string_view>

#include "app/session.hpp"
#include "platform/platform.hpp"
#include "platform/printer.hpp"
#include "reports/report_context.hpp"

namespace solvaris {

inline constexpr std::string_view kHelpFileName = "HELPFILE";

// The document's lines, unchanged, as a new report in the data window. A
// file that cannot be read is named in a message and the window keeps what
// it shows. False then.
bool ShowDocument(ReportContext& ctx, std::string_view fileName);

// HELPFILE in Courier New 12 points, option 30 lines a page, on the printer
// the user chooses. False when the file cannot be read, the user cancels
// or the print fails (the message says which).
bool PrintHelpFile(const Session& session, Platform& platform, const PrinterChooser& choosePrinter);

}  // namespace solvaris
