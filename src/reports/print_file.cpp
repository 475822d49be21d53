#include "reports/print_file.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/option_numbers.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

std::string PrintFileText(const std::vector<std::string>& lines) {
    return JoinCrLf(lines) + "\r\n";
}

std::string PrintFileContent(std::string_view shownText) {
    std::string content(shownText);
    if (content.empty() || content.back() != '\n') {
        content += "\r\n";
    }
    return content;
}

bool IsWideText(const std::vector<std::string>& lines, float wideColumns) {
    return std::any_of(lines.begin(), lines.end(), [wideColumns](const std::string& line) {
        return static_cast<double>(CharacterCount(line)) > static_cast<double>(wideColumns);
    });
}

double PrintPointsFor(bool wide) { return wide ? kWidePrintPoints : kPrintPoints; }

int PrintedPageLines(const OptionTable& options) {
    const float lines = options(opt::PrintedLinesPerPage);
    if (!std::isfinite(lines) || lines < 1 ||
        lines > static_cast<float>(std::numeric_limits<int>::max() / 2)) {
        return 0;
    }
    return static_cast<int>(lines);
}

Problem PrintLines(Printer& printer, double fontPoints, const std::vector<std::string>& lines,
                   int pageLines, PageBreaks breaks) {
    printer.SetFont(kPrinterFontName, fontPoints);
    printer.SetPageLines(pageLines);
    int onPage = 0;
    bool broken = false;
    for (const std::string& line : lines) {
        const bool mayBreak = breaks == PageBreaks::EveryPage || !broken;
        if (pageLines > 0 && mayBreak && onPage == pageLines) {
            printer.NewPage();
            onPage = 0;
            broken = true;
        }
        printer.PrintLine(line);
        ++onPage;
    }
    return printer.EndJob();
}

}  // namespace solvaris
