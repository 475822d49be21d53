#include "reports/timeline_report.hpp"

#include <algorithm>
#include <cctype>

#include "base/lenient_number.hpp"
#include "engine/calendar.hpp"
#include "reports/chart_clock.hpp"
#include "reports/timeline_setup.hpp"
#include "reports/timeline_text.hpp"

namespace solvaris {

namespace {

std::optional<double> DayNumberOf(const std::string& month, const std::string& day,
                                  const std::string& year) {
    const auto m = WholeFieldIn(month, 1, 12);
    const auto d = WholeFieldIn(day, 1, 31);
    const auto y = WholeFieldIn(year, 100, 2099);
    if (!m || !d || !y) {
        return std::nullopt;
    }
    return JulianDayNumber(*y, *m, *d);
}

}  // namespace

TimelineRangeWindow TimelineRangeFieldsOf(double diurnalDayNumber, const LocalDateTime& today) {
    const CivilDate from = diurnalDayNumber == 0 ? CivilDate{today.year, today.month, today.day}
                                                 : CalendarDateOfDayNumber(diurnalDayNumber);
    // 29 February carries into 1 March of the next year.
    const CivilDate to =
        CalendarDateOfDayNumber(JulianDayNumber(from.year + 1, from.month, from.day) - 1);
    TimelineRangeWindow window;
    window.txtFromMonth = std::to_string(from.month);
    window.txtFromDay = std::to_string(from.day);
    window.txtFromYear = std::to_string(from.year);
    window.txtToMonth = std::to_string(to.month);
    window.txtToDay = std::to_string(to.day);
    window.txtToYear = std::to_string(to.year);
    return window;
}

std::optional<TimelineRange> TimelineRangeOf(const TimelineRangeWindow& window,
                                             Platform& platform) {
    const auto from = DayNumberOf(window.txtFromMonth, window.txtFromDay, window.txtFromYear);
    const auto to = DayNumberOf(window.txtToMonth, window.txtToDay, window.txtToYear);
    if (!from || !to) {
        platform.ShowMessage(kTimelineDateError, "Warning!", MessageIcon::Information);
        return std::nullopt;
    }
    const TimelineRange range{*from - 0.5, *to + 0.5};
    if (std::string problem = TimelineRangeProblem(range.fromJd, range.toJd); !problem.empty()) {
        problem[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(problem[0])));
        platform.ShowMessage(problem + ".", "Warning!", MessageIcon::Information);
        return std::nullopt;
    }
    return range;
}

TimelineFit TimelineLinesWithin(int lineCount, int freeLines) {
    // Showing the report adds its closing blank line.
    const int room = freeLines - 1;
    if (lineCount <= room) {
        return {lineCount, false};
    }
    if (room < 1) {
        return {0, false};
    }
    return {room - 1, true};
}

void TimelineReport(ReportContext& ctx, const TimelineRangeWindow& window,
                    const TimelineRange& range) {
    TimelineRequest request = TimelineRequestFor(
        {ctx.session.folder, ctx.session.charts, ctx.session.natal, ctx.session.options},
        range.fromJd, range.toJd, ctx.platform);
    AskTimelineKinds(request, window.kinds);
    const std::vector<TimelineEvent> events = ComputeTimeline(request);
    const std::vector<std::string> lines =
        TimelineLines(events, ctx.session.natal.name, range.fromJd, range.toJd,
                      NatalChartClock(ctx.session), TimelineNotes(events, request));
    ctx.Begin();
    const TimelineFit fit = TimelineLinesWithin(static_cast<int>(lines.size()),
                                                kMaxReportLines - ctx.session.reports.LineCount());
    for (int i = 0; i < fit.shownLines; ++i) {
        ctx.Line(lines[i]);
    }
    if (fit.countLine) {
        ctx.Line("  ... " + std::to_string(lines.size() - fit.shownLines) +
                 " more events: clear the data or choose a shorter range.");
    }
    ctx.ShowComputed(request.ephemeris);
}

}  // namespace solvaris
