#include "cli/timeline_command.hpp"

#include <chrono>

#include "cli/chart_setup.hpp"
#include "cli/exit_status.hpp"
#include "cli/iso_date.hpp"
#include "engine/ephemeris.hpp"
#include "formats/timeline_formats.hpp"
#include "people/entry_rules.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/chart_clock.hpp"
#include "reports/timeline_setup.hpp"
#include "reports/timeline_text.hpp"

namespace solvaris {

namespace {

// What the parser writes into, kept alive by the command.
struct TimelineOptions {
    BirthOptionTexts birth;
    std::string from, to;
    bool transits = false;
    bool progressions = false;
    bool directions = false;
    bool moon = false;
    bool minor = false;
    std::string format = "text";
};

std::string DateProblem(const std::string& text) {
    return ParseIsoDate(text) ? std::string()
                              : "malformed value '" + text + "' (expected YYYY-MM-DD)";
}

double JdOf(const std::string& text, double dayFraction) {
    const CivilDate date = *ParseIsoDate(text);
    return JulianDayNumber(date.year, date.month, date.day) - 0.5 + dayFraction;
}

double NowJd() {
    using namespace std::chrono;
    const auto seconds =
        duration_cast<std::chrono::seconds>(system_clock::now().time_since_epoch());
    return kUnixEpochJd + static_cast<double>(seconds.count()) / 86400;
}

// Empty when the range and the birth options can be read, else why not.
std::string RangeOrBirthProblem(const TimelineOptions& options, double fromJd, double toJd) {
    if (const std::string problem = TimelineRangeProblem(fromJd, toJd); !problem.empty()) {
        return problem;
    }
    return NatalOnlyProblem(options.birth, "timeline");
}

// No house is read: a polar birth is cast with Meridian houses, which are
// computed at any latitude, and the timeline leaves its Ascendant out.
BeforeCasting PolarBirthInMeridianHouses(const Platform& platform) {
    return [&platform](BirthOptions& typed) {
        if (TimelineLeavesAscendantOut(ReadNatalData(typed.natal, platform.UserDateOrder())) &&
            !Info(typed.houseSystem).anyLatitude) {
            typed.houseSystem = HouseSystem::Meridian;
        }
        return kExitDone;
    };
}

// The events in the format asked for. The text holds the notes among its
// lines and ends with the engine's line; the files keep their layout, and
// the notes and the engine are said beside them.
void WriteTimeline(const TimelineOptions& options, const TimelineRequest& request,
                   const std::vector<TimelineEvent>& events, const Session& session, double fromJd,
                   double toJd, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> notes = TimelineNotes(events, request);
    const ChartClock zone = NatalChartClock(session);
    if (options.format != "text") {
        for (const std::string& note : notes) {
            err << "solvaris timeline: " << note.substr(note.find_first_not_of(' ')) << '\n';
        }
    }
    if (options.format == "csv") {
        WriteTimelineCsv(events, zone, out);
    } else if (options.format == "json") {
        WriteTimelineJson(events, zone, out);
    } else if (options.format == "ics") {
        WriteTimelineIcs(events, session.natal.name, zone, NowJd(), out);
    } else {
        for (const std::string& line :
             TimelineLines(events, session.natal.name, fromJd, toJd, zone, notes)) {
            out << line << '\n';
        }
    }
    if (const std::string line = EphemerisReportLine(request.ephemeris); !line.empty()) {
        (options.format == "text" ? out : err)
            << (options.format == "text" ? "" : "solvaris timeline: ") << line << '\n';
    }
}

int RunTimeline(const TimelineOptions& options, Session& session, HeadlessPlatform& platform,
                std::ostream& out, std::ostream& err) {
    const double fromJd = JdOf(options.from, 0);
    const double toJd = JdOf(options.to, 1);
    if (const std::string problem = RangeOrBirthProblem(options, fromJd, toJd); !problem.empty()) {
        err << "solvaris timeline: " << problem << '\n';
        return kExitBadCommandLine;
    }
    BirthOptions birth;
    RecordingDataWindow window;
    if (const int status =
            CastFromBirthOptions(options.birth, "timeline", session, platform, window, err, birth,
                                 PolarBirthInMeridianHouses(platform))) {
        return status;
    }
    TimelineRequest request = TimelineRequestFor(
        {session.folder, session.charts, session.natal, session.options}, fromJd, toJd, platform);
    AskTimelineKinds(request,
                     {options.transits, options.progressions, options.directions, options.moon});
    request.minorAspects = options.minor;
    const std::vector<TimelineEvent> events = ComputeTimeline(request);
    WriteTimeline(options, request, events, session, fromJd, toJd, out, err);
    return kExitDone;
}

void DeclareTimelineOptions(CLI::App& app, TimelineOptions& options) {
    DeclareBirthOptions(app, options.birth);
    AddValue(app, "--from", options.from, "YYYY-MM-DD",
             std::string("the first day of the range (UT), ") + kIsoDateCalendar, DateProblem)
        ->required();
    AddValue(app, "--to", options.to, "YYYY-MM-DD",
             std::string("the last day of the range (UT), ") + kIsoDateCalendar, DateProblem)
        ->required();
    app.add_flag("--transits", options.transits,
                 "transits, stations and ingresses (all three kinds when none is named)");
    app.add_flag("--progressions", options.progressions, "secondary progressed aspects");
    app.add_flag("--directions", options.directions, "solar-arc directed aspects");
    app.add_flag("--moon", options.moon,
                 "the transiting Moon too (alone with --progressions or --directions)");
    app.add_flag("--minor", options.minor, "the semi-sextile to the bi-quintile too");
    AddChoice(app, "--format", options.format, {"text", "csv", "json", "ics"}, "format",
              "the output format (default text)");
}

}  // namespace

CommandRun DeclareTimelineCommand(CLI::App& app) {
    auto options = std::make_shared<TimelineOptions>();
    DeclareTimelineOptions(app, *options);
    return
        [options](Session& session, HeadlessPlatform& platform, std::ostream& out,
                  std::ostream& err) { return RunTimeline(*options, session, platform, out, err); };
}

}  // namespace solvaris
