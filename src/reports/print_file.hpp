// Printing a report: the work file PRNTFILE.XXX that the data window hands
// to the print-file window, the font that fits the widest line, and pages
// of a fixed number of lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/options.hpp"
#include "base/problem.hpp"
#include "platform/printer.hpp"

namespace solvaris {

inline constexpr std::string_view kPrintFileName = "PRNTFILE.XXX";

// Lines on a printed page (the print-file window and the printed help).
// A line longer than this many characters makes the whole print smaller.

inline constexpr double kPrintPoints = 12;
inline constexpr double kWidePrintPoints = 10;

// The work file's text: every line followed by CR LF, then the buffer's
// spare empty slot as a last empty line.
std::string PrintFileText(const std::vector<std::string>& lines);

// What the print-file window writes back before printing: its text with
// one line end after it (none added when the text already ends a line, so
// that a print does not grow a blank line each time it passes the file).
std::string PrintFileContent(std::string_view shownText);

// Any line longer than `wideColumns` characters.
bool IsWideText(const std::vector<std::string>& lines, float wideColumns);

// 10 points when the text is wide, else 12.
double PrintPointsFor(bool wide);

// The option as a count of lines a page; zero or less, or beyond any page,
// leaves page breaks to the printer.
int PrintedPageLines(const OptionTable& options);

// Where a print starts new pages of its own: the printed help after every
// `pageLines` lines; the print-file window once, after the first
// `pageLines` lines, leaving later pages to fill until the printer starts
// a new one (as its help text tells the user).
enum class PageBreaks { EveryPage, AfterFirstPage };

// One print job: the font, the lines with the page breaks asked for (a
// break falls before the next line, so never on an empty last page), the
// end of the job. Empty when printed, else what failed.
Problem PrintLines(Printer& printer, double fontPoints, const std::vector<std::string>& lines,
                   int pageLines, PageBreaks breaks);

}  // namespace solvaris
