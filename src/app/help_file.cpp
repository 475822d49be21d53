#include "app/help_file.hpp"

#include "base/program_folder.hpp"
#include "base/text_lines.hpp"
#include "reports/print_file.hpp"

namespace solvaris {

namespace {

void ShowUnreadable(Platform& platform, const std::filesystem::path& file) {
    platform.ShowMessage("The file " + file.string() + " cannot be read.", "Error!",
                         MessageIcon::Exclamation);
}

}  // namespace

bool PrintHelpFile(const Session& session, Platform& platform,
                   const PrinterChooser& choosePrinter) {
    const std::filesystem::path file = FindInFolder(session.folder, kHelpFileName);
    const auto lines = ReadTextLines(file);
    if (!lines) {
        ShowUnreadable(platform, file);
        return false;
    }
    const std::unique_ptr<Printer> printer = choosePrinter();
    if (!printer) {
        return false;
    }
    const std::string failure = PrintLines(
        *printer, kPrintPoints, *lines, PrintedPageLines(session.options), PageBreaks::EveryPage);
    if (!failure.empty()) {
        platform.ShowMessage("The help file could not be printed: " + failure, "Error!",
                             MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace solvaris
