// The printer as the core prints through it: a font by name and size, text
// one line after another down the page, a new page, the end of the job.
// The Qt side prints on paper or into a PDF file; the headless side records
// the pages for tests.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/problem.hpp"

namespace solvaris {

inline constexpr std::string_view kPrinterFontName = "Courier New";

class Printer {
public:
    virtual ~Printer() = default;
    virtual void SetFont(std::string_view name, double sizePoints) = 0;
    // The lines a page must hold (0: as many as the font allows): lines are
    // set closer when the font's own spacing would not fit them.
    virtual void SetPageLines(int lines) = 0;
    // The line below the last one printed; a line that no longer fits on
    // the page goes on a new page.
    virtual void PrintLine(std::string_view text) = 0;
    virtual void NewPage() = 0;
    // Ends the job: empty when it was printed, else what failed, in words
    // for a message box.
    virtual Problem EndJob() = 0;
};

// Asks the user for a printer (the print dialog); null when cancelled.
using PrinterChooser = std::function<std::unique_ptr<Printer>()>;

}  // namespace solvaris
