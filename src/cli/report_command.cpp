#include "cli/report_command.hpp"

#include <algorithm>
#include <cmath>

#include "app/wheel_command.hpp"
#include "app/wheel_drawing.hpp"
#include "aspects/aspect_grid_text.hpp"
#include "aspects/orb_choice.hpp"
#include "base/horary_glyphs.hpp"
#include "base/number_text.hpp"
#include "base/option_numbers.hpp"
#include "chart/planetary_hours.hpp"
#include "cli/chart_setup.hpp"
#include "cli/exit_status.hpp"
#include "cli/harmonic_option.hpp"
#include "cli/orb_file_status.hpp"
#include "cli/report_options.hpp"
#include "people/entry_rules.hpp"
#include "platform/headless/recording_canvas.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/data_menu.hpp"
#include "reports/ephemeris_report.hpp"
#include "reports/transit_interpretations.hpp"
#include "wheel/ascii_chart.hpp"

namespace solvaris {

namespace {

// The window's CR LF line ends as LF.
std::string WithLineFeeds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        out += text[i];
    }
    return out;
}

std::string CodesText(const std::string& text) {
    std::string out;
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (!GlyphSymbol(code).empty()) {
            out += std::to_string(code);
        } else {
            out += c;
        }
    }
    return out;
}

// The ephemeris pages asked for must start no later than the last year the
// entry check accepts: empty when they do, else why not.
std::string EphemerisPagesProblem(const ReportRequest& request, const BirthData& start) {
    // A date the entry check refuses is left to it.
    if (start.month < 1 || start.month > 12 || start.day < 1 || start.year > kLastEntryYear) {
        return {};
    }
    const double firstDay = JulianDayNumber(start.year, start.month, start.day);
    const int pages = Count(request.pages);
    const double lastStart = firstDay + kEphemerisDays * (pages - 1.0);
    if (CalendarDateOfDayNumber(lastStart).year <= kLastEntryYear) {
        return {};
    }
    const double lastAccepted = JulianDayNumber(kLastEntryYear, 12, 31);
    const double most = std::max(0.0, std::floor((lastAccepted - firstDay) / kEphemerisDays) + 1);
    return "--pages " + std::to_string(pages) + " would run past the year " +
           std::to_string(kLastEntryYear) + "; from this date at most " + NumberAsTyped(most) +
           " pages";
}

// The interpretations' days, from the diurnal date, must end by the last
// year the entry check accepts: empty when they do, else why not.
std::string InterpretationDaysProblem(const ReportRequest& request, double firstDay) {
    const int days = Count(request.days);
    const double lastAccepted = JulianDayNumber(kLastEntryYear, 12, 31);
    if (firstDay + days - 1 <= lastAccepted) {
        return {};
    }
    return "--days " + std::to_string(days) + " would run past the year " +
           std::to_string(kLastEntryYear) + "; from this date at most " +
           NumberAsTyped(std::max(0.0, lastAccepted - firstDay + 1)) + " days";
}

// Every page the window shows, one after the other. The command line keeps
// no session, so the buffer is emptied before each page and never fills.
int EphemerisPages(const ReportRequest& request, BirthOptions& options, ReportContext& ctx,
                   RecordingDataWindow& window, std::string& text) {
    const EphemerisHour hour = request.noon ? EphemerisHour::Noon : EphemerisHour::Midnight;
    EphemerisPaging paging;
    if (!StartEphemeris(ctx, options.natal, options.houseSystem, hour, paging)) {
        return kExitRefusedData;
    }
    text += window.text;
    for (int page = 1; page < Count(request.pages); ++page) {
        ctx.session.reports.EmptySession();
        if (!EphemerisForward(ctx, options.natal, options.houseSystem, paging)) {
            return kExitRefusedData;
        }
        text += window.text;
    }
    return kExitDone;
}

int RunPlanetaryHours(const BirthOptions& options, const Ephemeris& ephemeris, Platform& platform,
                      std::string& text) {
    const BirthData natal = ReadNatalData(options.natal, platform.UserDateOrder());
    const auto day = OpenPlanetaryHours(ephemeris, natal, platform);
    if (!day) {
        return kExitRefusedData;
    }
    for (const std::string& line : DayLines(*day)) {
        text += line;
        text += "\r\n";
    }
    if (const std::string line = EphemerisReportLine(ephemeris); !line.empty()) {
        text += line + "\r\n";
    }
    // A day without sunrise or sunset has no hours to divide: its messages
    // have said so.
    return day->sun.BothFound() ? kExitDone : kExitRefusedData;
}

int RunAspectGrid(const ReportRequest& request, const BirthOptions& options, Session& session,
                  Platform& platform, std::string& text, std::ostream& err) {
    if (!RunWheelCommand(session, WheelOf(request), options.diurnal, platform)) {
        return kExitRefusedData;
    }
    if (!request.orbs.empty()) {
        session.currentOrbFile = request.orbs;
    }
    if (!LoadOrbTable(session.currentOrbFile, session.orbTable, platform)) {
        return OrbFileStatus(session.currentOrbFile, "report", err);
    }
    const std::string glyphs =
        AspectGridText({session.wheel, session.charts, session.orbTable,
                        GridUsesPlanetClassOrbs(session.options(opt::OrbScheme),
                                                session.currentOrbFile, session.folder)});
    text = request.codes ? CodesText(glyphs) : GlyphTextToUnicode(glyphs);
    return kExitDone;
}

// The wheel window's ASCII chart: the wheel is painted once (on a canvas
// that only records) so that the main ring's placement exists.
int RunAsciiChart(const ReportRequest& request, const BirthOptions& options, Session& session,
                  Platform& platform, std::string& text) {
    if (!RunWheelCommand(session, WheelOf(request), options.diurnal, platform)) {
        return kExitRefusedData;
    }
    WheelDrawing drawing;
    if (const std::string problem = LoadWheelDrawing(session, false, drawing); !problem.empty()) {
        platform.ShowMessage(problem, "Error", MessageIcon::Critical);
        return kExitFileProblem;
    }
    RecordingCanvas canvas;
    PaintSessionWheel(session, drawing, canvas, platform, 1024, 768);
    for (const std::string& line : AsciiChartLines(drawing.state)) {
        text += line;
        text += "\r\n";
    }
    return kExitDone;
}

// A relationship report or wheel needs the second person: empty when it
// has one or none is asked, else why not.
std::string RelationshipProblem(const ReportRequest& request) {
    const bool relationshipReport = request.name == DataMenuCommand(DataReport::Composite).name ||
                                    request.name == DataMenuCommand(DataReport::Davison).name;
    const bool relationshipWheel =
        !request.wheel.empty() &&
        (WheelOf(request) == WheelKind::Composite || WheelOf(request) == WheelKind::Davison);
    if (!relationshipReport && !relationshipWheel) {
        return {};
    }
    const std::string what =
        relationshipReport ? "the " + request.name + " report" : "--wheel " + request.wheel;
    return SecondChartProblem(request.birth, what);
}

int RunEphemerisReport(const ReportRequest& request, BirthOptions& options, ReportContext& ctx,
                       RecordingDataWindow& window, std::string& text, std::ostream& err) {
    const BirthData start = ReadNatalData(options.natal, ctx.platform.UserDateOrder());
    if (const std::string problem = EphemerisPagesProblem(request, start); !problem.empty()) {
        err << "solvaris report: " << problem << '\n';
        return kExitBadCommandLine;
    }
    return EphemerisPages(request, options, ctx, window, text);
}

// A report of the Data menu, by its name. The interpretations show each
// day asked for, one after the other, the buffer emptied before each as
// for the ephemeris pages.
int RunDataMenuReport(const ReportRequest& request, ReportContext& ctx,
                      const HeadlessPlatform& platform, RecordingDataWindow& window,
                      std::string& text) {
    const auto& menu = DataMenuCommands();
    const auto command = std::find_if(
        menu.begin(), menu.end(), [&](const ReportCommand& c) { return c.name == request.name; });
    const std::size_t messagesBefore = platform.Messages().size();
    const int showsBefore = window.shows;
    command->run(ctx);
    // A report that said why in a message and showed nothing failed.
    if (window.shows == showsBefore && platform.Messages().size() > messagesBefore) {
        return kExitRefusedData;
    }
    text += window.text;
    for (int day = 1; request.name == "interpretations" && day < Count(request.days); ++day) {
        ctx.session.reports.EmptySession();
        InterpretationsForward(ctx);
        text += window.text;
    }
    return kExitDone;
}

// The report's text into `text`: the ephemeris and the planetary hours from
// the birth options as they stand, every other report from the charts cast.
int RunNamedReport(const ReportRequest& request, BirthOptions& options, Session& session,
                   HeadlessPlatform& platform, ReportContext& ctx, RecordingDataWindow& window,
                   std::string& text, std::ostream& err) {
    if (request.name == "ephemeris") {
        return RunEphemerisReport(request, options, ctx, window, text, err);
    }
    if (request.name == "planetary-hours") {
        return RunPlanetaryHours(options, session.ChosenEphemeris(), platform, text);
    }
    if (const int status = ComputeFromBirthOptions(session, options, platform, window, err)) {
        return status;
    }
    if (request.name == "ascii-chart") {
        return RunAsciiChart(request, options, session, platform, text);
    }
    if (request.name == "aspect-grid") {
        return RunAspectGrid(request, options, session, platform, text, err);
    }
    if (request.name == "interpretations") {
        if (const std::string problem =
                InterpretationDaysProblem(request, session.charts.interpretationDay);
            !problem.empty()) {
            err << "solvaris report: " << problem << '\n';
            return kExitBadCommandLine;
        }
    }
    return RunDataMenuReport(request, ctx, platform, window, text);
}

int RunReport(const ReportRequest& request, Session& session, HeadlessPlatform& platform,
              std::ostream& out, std::ostream& err) {
    if (const std::string problem = UnreadOption(request); !problem.empty()) {
        err << "solvaris report: " << problem << '\n';
        return kExitBadCommandLine;
    }
    if (const std::string problem = RelationshipProblem(request); !problem.empty()) {
        err << "solvaris report: " << problem << '\n';
        return kExitBadCommandLine;
    }
    BirthOptions options;
    if (const int status =
            FillBirthOptions(request.birth, "report", session, platform, err, options)) {
        return status;
    }
    ApplyHarmonicOption(request.harmonic, session);
    RecordingDataWindow window;
    ReportContext ctx{session, platform, window};
    std::string text;
    if (const int status =
            RunNamedReport(request, options, session, platform, ctx, window, text, err)) {
        return status;
    }
    out << (request.crlf ? text : WithLineFeeds(text));
    return kExitDone;
}

}  // namespace

CommandRun DeclareReportCommand(CLI::App& app) {
    auto request = std::make_shared<ReportRequest>();
    DeclareReportOptions(app, *request);
    return
        [request](Session& session, HeadlessPlatform& platform, std::ostream& out,
                  std::ostream& err) { return RunReport(*request, session, platform, out, err); };
}

}  // namespace solvaris
