#include "reports/timeline_text.hpp"

#include <algorithm>
#include <cmath>

#include "aspects/aspect_codes.hpp"
#include "base/format_pattern.hpp"
#include "engine/calendar.hpp"
#include "engine/chiron_orbit.hpp"
#include "reports/headings.hpp"

namespace solvaris {

namespace {

constexpr double kMinutesPerDay = 1440;
constexpr int kMinutesPerHour = 60;
constexpr double kHoursPerDay = 24;

std::string Trimmed(std::string_view field) {
    return std::string(field.substr(0, field.find_last_not_of(' ') + 1));
}

std::string ChartPrefix(MovingChart chart) {
    switch (chart) {
        case MovingChart::Progressed: return "Pr. ";
        case MovingChart::Directed: return "SA. ";
        case MovingChart::Transit: break;
    }
    return "Tr. ";
}

std::string DateText(double jd) { return TimelineMomentText(jd).substr(0, 11); }

}  // namespace

std::string TimelineMomentText(double jd) {
    // Civil days begin at midnight, half a day before the Julian day.
    const auto minutes = static_cast<long long>(std::llround((jd + 0.5) * kMinutesPerDay));
    const auto perDay = static_cast<long long>(kMinutesPerDay);
    const long long dayNumber = minutes / perDay;
    const int ofDay = static_cast<int>(minutes - dayNumber * perDay);
    const CivilDate date = CalendarDateOfDayNumber(static_cast<double>(dayNumber));
    return FormatNumber(date.day, "00") + " " + std::string(MonthAbbreviation(date.month)) + " " +
           FormatNumber(date.year, "0000") + " " + FormatNumber(ofDay / kMinutesPerHour, "00") +
           ":" + FormatNumber(ofDay % kMinutesPerHour, "00");
}

std::string TimelineEventText(const TimelineEvent& event) {
    std::string text = ChartPrefix(event.chart) + std::string(TimelinePointName(event.moving));
    switch (event.kind) {
        case TimelineEventKind::Station:
            return text + (event.retrograde ? "turns retrograde" : "turns direct");
        case TimelineEventKind::Ingress:
            return text + "enters " + std::string(SignAbbreviation(event.sign)) +
                   (event.retrograde ? " (retrograde)" : "");
        case TimelineEventKind::StationOn:
            return text + "stations " +
                   (event.aspect == Conjunction ? std::string("on")
                                                : Trimmed(AspectName(event.aspect))) +
                   " " + Trimmed(TimelinePointName(event.natal));
        case TimelineEventKind::Hit: break;
    }
    return text + std::string(AspectName(event.aspect)) + Trimmed(TimelinePointName(event.natal));
}

std::string TimelineWindowText(const TimelineEvent& event) {
    if (event.kind == TimelineEventKind::Station || event.kind == TimelineEventKind::Ingress) {
        return {};
    }
    const auto edge = [](double jd) { return std::isnan(jd) ? std::string("...") : DateText(jd); };
    return FormatNumber(event.orbDeg, "0.0") + "  " + edge(event.enterJd) + " - " +
           edge(event.leaveJd);
}

std::vector<std::string> TimelineNotes(const std::vector<TimelineEvent>& events,
                                       const TimelineRequest& request) {
    std::vector<std::string> notes;
    if (request.zodiac.sidereal) {
        notes.push_back("  " + ZodiacHeading(request.zodiac));
    }
    const TimelinePlutoOutside pluto = PlutoOutsideTheoryIn(events, request);
    for (const auto& [outside, chart] :
         {std::pair{pluto.natal, "natal"}, std::pair{pluto.progressed, "progressed"},
          std::pair{pluto.transit, "transiting"}}) {
        if (outside) {
            notes.push_back(PlutoOutsideTheoryLine(chart));
        }
    }
    if (!request.ascendant) {
        notes.emplace_back(
            "  NOTE: above 66 degrees of latitude the Ascendant can stand in the west; the natal "
            "and directed Ascendant are left out.");
    }
    const bool natalChiron = std::any_of(
        request.natalExtraPoints.begin(), request.natalExtraPoints.end(),
        [](const TimelineTarget& t) { return t.point == PointNumberOf(ExtraPoint::Chiron); });
    if (request.extraPoints && (request.fromJd < kChironFirstJd || !natalChiron)) {
        notes.emplace_back(
            "  NOTE: Chiron is computed from 1800 to 2300 only; it is followed and aimed at in "
            "those years.");
    }
    if (BeforeGregorianCalendar(request.fromJd)) {
        notes.emplace_back("  NOTE: dates before 15 OCT 1582 are in the Julian calendar.");
    }
    return notes;
}

std::vector<std::string> TimelineLines(const std::vector<TimelineEvent>& events,
                                       const std::string& name, double fromJd, double toJd,
                                       const ChartClock& clock,
                                       const std::vector<std::string>& notes) {
    std::vector<std::string> lines;
    lines.emplace_back();
    // A range ends at the midnight after its last day.
    lines.push_back("  TIMELINE - " + name + " - " + DateText(fromJd) + " to " +
                    DateText(toJd - 1 / kMinutesPerDay));
    lines.insert(lines.end(), notes.begin(), notes.end());
    lines.emplace_back();
    lines.push_back(
        "  DATE (UT)          CHART'S CLOCK      EVENT                                   "
        "ORB  WINDOW");
    constexpr std::size_t kEventWidth = 40;
    for (const TimelineEvent& event : events) {
        std::string text = TimelineEventText(event);
        const std::string window = TimelineWindowText(event);
        if (!window.empty() && text.size() < kEventWidth) {
            text.resize(kEventWidth, ' ');
        }
        lines.push_back("  " + TimelineMomentText(event.jd) + "  " +
                        TimelineMomentText(event.jd - clock(event.jd) / kHoursPerDay) + "  " +
                        text + (window.empty() ? "" : " " + window));
    }
    if (events.empty()) {
        lines.push_back("  No events in this range.");
    }
    return lines;
}

}  // namespace solvaris
