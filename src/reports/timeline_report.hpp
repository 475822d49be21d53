// The Transit Timeline window's rules and its report: the range typed as
// two dates, the kinds of event asked for, and the timeline of the chart
// last computed written into the data window.
#pragma once

#include <optional>
#include <string>

#include "reports/report_context.hpp"
#include "reports/timeline_setup.hpp"

namespace solvaris {

// TimelineRange, "Transit Timeline": one member per control.
struct TimelineRangeWindow {
    std::string txtFromMonth, txtFromDay, txtFromYear;
    std::string txtToMonth, txtToDay, txtToYear;
    // chkTransits, chkProgressions, chkDirections, chkMoon.
    TimelineKinds kinds;
};

// From the diurnal day of the last chart (0 before any chart, when today
// stands in) to the day before the same date a year later.
TimelineRangeWindow TimelineRangeFieldsOf(double diurnalDayNumber, const LocalDateTime& today);

struct TimelineRange {
    double fromJd;  // midnight starting the first day, UT
    double toJd;    // midnight ending the last day
};

// The range typed; an empty or out-of-range field, or a range the timeline
// cannot follow, shows why and gives nothing.
std::optional<TimelineRange> TimelineRangeOf(const TimelineRangeWindow& window, Platform& platform);

inline constexpr const char* kTimelineDateError =
    "Error in timeline dates. Please enter a month from 1 to 12, a day from 1 to 31 and a year "
    "from 100 to 2099.";

// What of a timeline's `lineCount` lines a report buffer with `freeLines`
// free shows: all when they fit with the closing blank line, else as many
// as leave room for a last line counting the rest; nothing at all when not
// even that line fits.
struct TimelineFit {
    int shownLines = 0;
    bool countLine = false;
    bool operator==(const TimelineFit&) const = default;
};
TimelineFit TimelineLinesWithin(int lineCount, int freeLines);

// The timeline of the session's natal chart over the range, as a new
// report. Events past the buffer's room are counted on a last line.
void TimelineReport(ReportContext& ctx, const TimelineRangeWindow& window,
                    const TimelineRange& range);

}  // namespace solvaris
