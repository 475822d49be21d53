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

void TimelineReport(ReportContext& ctx, const TimelineRangeWindow& window,
                    const TimelineRange& range) {
    TimelineRequest request = TimelineRequestFor(
        {ctx.session.folder, ctx.session.charts, ctx.session.natal, ctx.session.options},
        range.fromJd, range.toJd, ctx.platform);
    request.transits = window.chkTransits;
    request.progressions = window.chkProgressions;
    request.directions = window.chkDirections;
    request.moon = window.chkMoon;
    const std::vector<TimelineEvent> events = ComputeTimeline(request);
    const std::vector<std::string> lines =
        TimelineLines(events, ctx.session.natal.name, range.fromJd, range.toJd,
                      NatalChartClock(ctx.session), TimelineNotes(events, request));
    ctx.Begin();
    // The last line says how many events found no room.
    const int room = kMaxReportLines - ctx.session.reports.LineCount() - 1;
    const int shown = std::min(static_cast<int>(lines.size()), std::max(room, 0));
    for (int i = 0; i < shown; ++i) {
        ctx.Line(lines[i]);
    }
    if (shown < static_cast<int>(lines.size()) && room >= 0) {
        ctx.Line("  ... " + std::to_string(lines.size() - shown) +
                 " more events: clear the data or choose a shorter range.");
    }
    ctx.ShowComputed(request.ephemeris);
}

}  // namespace solvaris
