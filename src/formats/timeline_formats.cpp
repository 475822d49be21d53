#include "formats/timeline_formats.hpp"

#include <cmath>

#include "aspects/aspect_codes.hpp"
#include "base/format_pattern.hpp"
#include "engine/calendar.hpp"
#include "formats/json_text.hpp"
#include "reports/timeline_text.hpp"

namespace solvaris {

namespace {

constexpr double kHoursPerDay = 24;
constexpr double kSecondsPerDay = 86400;
constexpr std::size_t kIcsLineOctets = 75;

// The files' one word for an event: what happened, a hit by its moving
// chart.
std::string KindName(const TimelineEvent& e) {
    switch (e.kind) {
        case TimelineEventKind::Station: return "station";
        case TimelineEventKind::Ingress: return "ingress";
        case TimelineEventKind::StationOn: return "station-on";
        case TimelineEventKind::Hit: break;
    }
    switch (e.chart) {
        case MovingChart::Progressed: return "progressed";
        case MovingChart::Directed: return "directed";
        case MovingChart::Transit: break;
    }
    return "transit";
}

// The report name trimmed; an extra point's list name ("TRUE LILITH"), as
// the positions file writes it.
std::string PointName(int point) {
    if (point >= kFirstExtraPointNumber) {
        return std::string(NameOf(ExtraPointOfNumber(point)).listName);
    }
    const std::string_view field = ReportName(point);
    return std::string(field.substr(0, field.find_last_not_of(' ') + 1));
}

std::string AspectOf(const TimelineEvent& e) {
    return e.aspect == 0 ? std::string() : std::string(AspectWord(e.aspect));
}

// The local moment in ISO 8601 with the chart's zone then as its offset.
std::string ClockMoment(double jd, double zoneHours) {
    std::string text = IsoMomentOfJulianDay(jd - zoneHours / kHoursPerDay);
    const double east = -zoneHours;
    const auto minutes = static_cast<int>(std::lround(std::fabs(east) * 60));
    text.resize(text.size() - 6);
    return text + (east < 0 ? "-" : "+") + FormatNumber(minutes / 60, "00") + ":" +
           FormatNumber(minutes % 60, "00");
}

// Calendar programs read every date as Gregorian, so the stamp gives the
// instant in that calendar, earlier centuries too.
std::string UtcStamp(double jd) {
    const std::string iso = GregorianIsoMomentOfJulianDay(jd);  // 2026-12-05T11:15:53+00:00
    std::string stamp;
    for (const char c : iso.substr(0, 19)) {
        if (c != '-' && c != ':') {
            stamp += c;
        }
    }
    return stamp + "Z";
}

std::string Edge(double jd, bool json) {
    if (std::isnan(jd)) {
        return json ? "null" : "";
    }
    return json ? Quoted(IsoMomentOfJulianDay(jd)) : IsoMomentOfJulianDay(jd);
}

bool IsHit(const TimelineEvent& e) {
    return e.kind != TimelineEventKind::Station && e.kind != TimelineEventKind::Ingress;
}

// A moment of the description, marked where its date is a Julian one while
// the calendar shows the event by its Gregorian date.
std::string DescribedMoment(double jd, const std::string& clock) {
    return TimelineMomentText(jd) + " " + clock +
           (BeforeGregorianCalendar(jd) ? " (Julian calendar)" : "");
}

}  // namespace

std::string IcsEscaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c != '\r') {
            escaped += c;
        }
    }
    return escaped;
}

std::string IcsFolded(const std::string& line) {
    std::string folded;
    std::size_t start = 0;
    std::size_t room = kIcsLineOctets;
    while (line.size() - start > room) {
        std::size_t cut = start + room;
        // Back to the first byte of a UTF-8 character; a run of follow-on
        // bytes with no lead byte (no UTF-8 at all) is cut where it stands.
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        if (cut == start) {
            cut = start + room;
        }
        folded.append(line, start, cut - start).append("\r\n ");
        start = cut;
        room = kIcsLineOctets - 1;  // the leading blank counts
    }
    return folded.append(line, start, std::string::npos).append("\r\n");
}

void WriteTimelineCsv(const std::vector<TimelineEvent>& events, const ChartClock& clock,
                      std::ostream& out) {
    out << "kind,ut,clock,moving,aspect,natal,sign,orb,enter,leave,retrograde,"
           "pluto_outside_theory\n";
    for (const TimelineEvent& e : events) {
        out << KindName(e) << ',' << IsoMomentOfJulianDay(e.jd) << ','
            << ClockMoment(e.jd, clock(e.jd)) << ',' << CsvField(PointName(e.moving)) << ','
            << AspectOf(e) << ',' << (e.natal ? CsvField(PointName(e.natal)) : "") << ','
            << (e.sign ? std::string(SignAbbreviation(e.sign)) : "") << ','
            << (IsHit(e) ? FormatNumber(e.orbDeg, "0.0") : "") << ',' << Edge(e.enterJd, false)
            << ',' << Edge(e.leaveJd, false) << ',' << (e.retrograde ? "true" : "false") << ','
            << (e.plutoOutsideTheory ? "true" : "false") << '\n';
    }
}

void WriteTimelineJson(const std::vector<TimelineEvent>& events, const ChartClock& clock,
                       std::ostream& out) {
    out << '[';
    bool first = true;
    for (const TimelineEvent& e : events) {
        out << (first ? "" : ",") << "\n{\"kind\":" << Quoted(KindName(e))
            << ",\"ut\":" << Quoted(IsoMomentOfJulianDay(e.jd))
            << ",\"clock\":" << Quoted(ClockMoment(e.jd, clock(e.jd))) << ",\"jd\":" << Number(e.jd)
            << ",\"moving\":" << Quoted(PointName(e.moving))
            << ",\"aspect\":" << (e.aspect ? Quoted(AspectOf(e)) : "null")
            << ",\"natal\":" << (e.natal ? Quoted(PointName(e.natal)) : "null")
            << ",\"sign\":" << (e.sign ? Quoted(std::string(SignAbbreviation(e.sign))) : "null")
            << ",\"orb\":" << (IsHit(e) ? Number(e.orbDeg) : "null")
            << ",\"enter\":" << Edge(e.enterJd, true) << ",\"leave\":" << Edge(e.leaveJd, true)
            << ",\"retrograde\":" << (e.retrograde ? "true" : "false")
            << ",\"pluto_outside_theory\":" << (e.plutoOutsideTheory ? "true" : "false") << '}';
        first = false;
    }
    out << "\n]\n";
}

void WriteTimelineIcs(const std::vector<TimelineEvent>& events, const std::string& name,
                      const ChartClock& clock, double stampJd, std::ostream& out) {
    out << IcsFolded("BEGIN:VCALENDAR") << IcsFolded("VERSION:2.0")
        << IcsFolded("PRODID:-//SOLVARIS//Timeline//EN") << IcsFolded("CALSCALE:GREGORIAN");
    const std::string stamp = UtcStamp(stampJd);
    for (const TimelineEvent& e : events) {
        const auto second = std::llround(e.jd * kSecondsPerDay);
        const std::string uid = KindName(e) + "-" + std::to_string(second) + "-" +
                                std::to_string(e.moving) + "-" + std::to_string(e.natal) + "-" +
                                std::to_string(e.aspect) + "-" + std::to_string(e.sign) +
                                "@solvaris";
        std::string description =
            name + ": exact " + DescribedMoment(e.jd, "UT") + ", " +
            DescribedMoment(e.jd - clock(e.jd) / kHoursPerDay, "on the chart's clock");
        if (IsHit(e)) {
            const auto edge = [](double jd) {
                return std::isnan(jd) ? std::string("beyond the span searched")
                                      : DescribedMoment(jd, "UT");
            };
            description += "\nwithin the orb of " + FormatNumber(e.orbDeg, "0.0") +
                           " degree from " + edge(e.enterJd) + " to " + edge(e.leaveJd);
        }
        // The report's fixed-width fields read as single blanks here.
        std::string squeezed;
        for (const char c : TimelineEventText(e)) {
            if (c != ' ' || (!squeezed.empty() && squeezed.back() != ' ')) {
                squeezed += c;
            }
        }
        if (!squeezed.empty() && squeezed.back() == ' ') {
            squeezed.pop_back();
        }
        out << IcsFolded("BEGIN:VEVENT") << IcsFolded("UID:" + uid) << IcsFolded("DTSTAMP:" + stamp)
            << IcsFolded("DTSTART:" + UtcStamp(e.jd))
            << IcsFolded("SUMMARY:" + IcsEscaped(squeezed))
            << IcsFolded("DESCRIPTION:" + IcsEscaped(description)) << IcsFolded("END:VEVENT");
    }
    // A calendar holds at least one component: a journal entry, which
    // calendar programs keep without showing it on a day.
    if (events.empty()) {
        out << IcsFolded("BEGIN:VJOURNAL")
            << IcsFolded("UID:no-events-" + std::to_string(std::llround(stampJd * kSecondsPerDay)) +
                         "@solvaris")
            << IcsFolded("DTSTAMP:" + stamp)
            << IcsFolded("SUMMARY:" + IcsEscaped(name + ": no events in this range"))
            << IcsFolded("END:VJOURNAL");
    }
    out << IcsFolded("END:VCALENDAR");
}

}  // namespace solvaris
