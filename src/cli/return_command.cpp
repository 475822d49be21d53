#include "cli/return_command.hpp"

#include <cmath>

#include "chart/returns.hpp"
#include "cli/chart_setup.hpp"
#include "cli/exit_status.hpp"
#include "cli/option_parser.hpp"
#include "engine/ephemeris.hpp"
#include "formats/json_text.hpp"
#include "people/entry_rules.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/headings.hpp"

namespace solvaris {

namespace {

// The return's day lies outside the years Pluto's series holds.
bool PlutoOutside(const Ephemeris& ephemeris, const ReturnSet& set) {
    return PlutoBeyondTheory(ephemeris, std::floor(set.jd + 0.5));
}

void WriteText(const Ephemeris& ephemeris, const Zodiac& zodiac, const ReturnSet& set, bool solar,
               DateOrder order, std::ostream& out) {
    out << (solar ? "SOLAR RETURN" : "LUNAR RETURN") << "  " << DateOfJulianDay(set.jd, order)
        << "  " << ReturnTimeLine(set) << "  JD " << FixedDecimals(set.jd, 6) << '\n';
    if (zodiac.sidereal) {
        out << ZodiacHeading(zodiac) << '\n';
    }
    if (PlutoOutside(ephemeris, set)) {
        out << PlutoOutsideTheoryLine("the return's").substr(2) << '\n';
    }
    for (int p = Sun; p <= kPointCount; ++p) {
        out << ReportName(p) << ' ' << FixedDecimals(set.longitude[p], 4) << ' '
            << set.texts.retrogradeMarks[p - 1] << ' '
            << set.texts.housePositionText.substr(10 * (p - 1), 10) << '\n';
    }
    for (int k = 1; k <= kCuspCount; ++k) {
        out << HouseLabel(k) << " CUSP " << FixedDecimals(set.cusps[k], 4) << '\n';
    }
    out << "SIDEREAL TIME " << set.texts.siderealTimeText << '\n';
    if (const std::string line = EphemerisReportLine(ephemeris); !line.empty()) {
        out << line << '\n';
    }
}

void WriteJson(const Ephemeris& ephemeris, const Zodiac& zodiac, const ReturnSet& set, bool solar,
               DateOrder order, std::ostream& out) {
    out << "{\"kind\":\"" << (solar ? "solar" : "lunar") << "\",\"date\":\""
        << DateOfJulianDay(set.jd, order) << "\",\"time\":" << FixedDecimals(set.clockTime, 2)
        << ",\"meridiem\":\"" << set.meridiem << "\",\"jd\":" << FixedDecimals(set.jd, 7)
        << ",\"moment\":\"" << IsoMomentOfJulianDay(set.jd) << '"'
        << ",\"longitude\":" << Numbers(set.longitude, 1, kPointCount)
        << ",\"cusps\":" << Numbers(set.cusps, 1, kCuspCount) << ",\"retrograde\":\""
        << set.texts.retrogradeMarks << "\",\"houses\":\"" << set.texts.housePositionText
        << "\",\"sidereal_time\":\"" << set.texts.siderealTimeText
        << "\",\"pluto_outside_theory\":" << (PlutoOutside(ephemeris, set) ? "true" : "false");
    if (ephemeris.Swiss()) {
        out << ",\"ephemeris\":" << Quoted(EphemerisName(ephemeris));
    }
    if (zodiac.sidereal) {
        out << ",\"zodiac\":" << Quoted(ZodiacHeading(zodiac));
    }
    out << "}\n";
}

// The returns that fit before the years the entry check accepts run out.
// Solar: one a year. Lunar: one a tropical month, less a day for the
// Moon's uneven pace, so that every count said to fit does.
constexpr double kTropicalMonthDays = 27.321582;
constexpr double kLunarReturnLeewayDays = 1;

long long ReturnsThatFit(bool solar, double firstJd, ReturnStep direction) {
    const bool next = direction == ReturnStep::Next;
    if (solar) {
        const int year = CalendarDateOfDayNumber(firstJd).year;
        return next ? kLastEntryYear - year : year - kFirstNatalYear;
    }
    const double edge = next ? JulianDayNumber(kLastEntryYear, 12, 31) + 0.5
                             : JulianDayNumber(kFirstNatalYear, 1, 1) - 0.5;
    const double room = std::abs(edge - firstJd) - kLunarReturnLeewayDays;
    return std::max(0LL, static_cast<long long>(std::floor(room / kTropicalMonthDays)));
}

// Inside the years as printed, to the nearest second.
bool InsideEntryYears(double jd) {
    constexpr double kHalfSecondDays = 0.5 / 86400;
    const double first = JulianDayNumber(kFirstNatalYear, 1, 1) - 0.5;
    const double end = JulianDayNumber(kLastEntryYear + 1, 1, 1) - 0.5;
    return jd + kHalfSecondDays >= first && jd + kHalfSecondDays < end;
}

std::string YearsText() {
    return std::to_string(kFirstNatalYear) + " to " + std::to_string(kLastEntryYear);
}

struct ReturnRequest {
    BirthOptionTexts birth;
    std::string kind, next, previous, format;
};

std::string StepsProblem(const std::string& text) {
    const auto n = ParseInteger(text);
    return n && *n >= 0 ? std::string()
                        : "a whole number of returns, 0 or more, not '" + text + "'";
}

// The returns to step past the first one, as typed with --next or
// --previous.
struct StepsAsked {
    ReturnStep direction;
    std::string option;
    std::string typed;
    long long count;
};

StepsAsked StepsOf(const ReturnRequest& request) {
    const bool back = !request.previous.empty();
    const std::string& typed = back ? request.previous : request.next;
    return {back ? ReturnStep::Previous : ReturnStep::Next, back ? "--previous" : "--next", typed,
            typed.empty() ? 0 : *ParseInteger(typed)};
}

// The return the search stands on, solar or lunar, of the natal Sun or Moon.
std::optional<ReturnMoment> FindReturn(bool solar, Session& session, Platform& platform) {
    const PointArray& natal = session.charts.natal.points.longitude;
    return solar ? SolarReturnSearch(session.charts.ephemeris, session.charts.zodiac, natal[Sun],
                                     session.natal, session.returnSearch, platform)
                 : LunarReturnSearch(session.charts.ephemeris, session.charts.zodiac, natal[Moon],
                                     session.natal, session.returnSearch, platform);
}

// The first return, and the steps from it, must keep inside the years the
// entry check accepts: kExitDone when they do, else the status, said why.
int FirstReturnStatus(const ReturnRequest& request, const StepsAsked& steps, bool solar,
                      double firstJd, std::ostream& err) {
    if (!InsideEntryYears(firstJd)) {
        err << "solvaris return: the return falls outside the years " << YearsText() << '\n';
        return kExitBadCommandLine;
    }
    if (const long long fit = ReturnsThatFit(solar, firstJd, steps.direction); steps.count > fit) {
        err << "solvaris return: " << steps.option << ' ' << steps.typed
            << " would leave the years " << YearsText() << "; from this return at most " << fit
            << ' ' << request.kind << " returns\n";
        return kExitBadCommandLine;
    }
    return kExitDone;
}

// The return `steps` on from the first, or nothing when a search fails.
std::optional<ReturnMoment> StepReturns(bool solar, const StepsAsked& steps,
                                        std::optional<ReturnMoment> moment, Session& session,
                                        Platform& platform) {
    for (long long k = 0; moment && k < steps.count; ++k) {
        if (solar) {
            StepSolarReturn(session.returnSearch, steps.direction);
        } else {
            StepLunarReturn(session.returnSearch, steps.direction);
        }
        moment = FindReturn(solar, session, platform);
    }
    return moment;
}

// The return chart of `moment`, as text or JSON.
int WriteReturnChart(const ReturnRequest& request, bool solar, const ReturnMoment& moment,
                     Session& session, Platform& platform, std::ostream& out, std::ostream& err) {
    const Ephemeris& ephemeris = session.charts.ephemeris;
    const auto set = ComputeReturnSet(ephemeris, session.charts.zodiac, moment,
                                      session.returnSearch, session.charts.houseSystem);
    if (!set) {
        err << "solvaris return: the return chart could not be computed\n";
        return kExitRefusedData;
    }
    const DateOrder order = platform.UserDateOrder();
    if (request.format == "json") {
        WriteJson(ephemeris, session.charts.zodiac, *set, solar, order, out);
    } else {
        WriteText(ephemeris, session.charts.zodiac, *set, solar, order, out);
    }
    return kExitDone;
}

int RunReturn(const ReturnRequest& request, Session& session, Platform& platform, std::ostream& out,
              std::ostream& err) {
    BirthOptions options;
    RecordingDataWindow window;
    if (const int status = CastFromBirthOptions(request.birth, "return", session, platform, window,
                                                err, options)) {
        return status;
    }
    const bool solar = request.kind == "solar";
    const StepsAsked steps = StepsOf(request);
    std::optional<ReturnMoment> moment = FindReturn(solar, session, platform);
    if (!moment) {
        return kExitRefusedData;
    }
    if (const int status = FirstReturnStatus(request, steps, solar, moment->jd, err)) {
        return status;
    }
    moment = StepReturns(solar, steps, moment, session, platform);
    if (!moment) {
        return kExitRefusedData;
    }
    // A solar return on the last or first day of a year may cross into the next.
    if (!InsideEntryYears(moment->jd)) {
        err << "solvaris return: " << steps.option << ' ' << steps.typed
            << " falls outside the years " << YearsText() << '\n';
        return kExitBadCommandLine;
    }
    return WriteReturnChart(request, solar, *moment, session, platform, out, err);
}

}  // namespace

CommandRun DeclareReturnCommand(CLI::App& app) {
    auto request = std::make_shared<ReturnRequest>();
    AddChoice(app, "solar-or-lunar", request->kind, {"solar", "lunar"}, "return", "")->required();
    CLI::Option* next = AddValue(app, "--next", request->next, "N",
                                 "the Nth return after the first one", StepsProblem);
    CLI::Option* previous = AddValue(app, "--previous", request->previous, "N",
                                     "the Nth return before the first one", StepsProblem);
    next->excludes(previous);
    AddChoice(app, "--format", request->format, {"text", "json"}, "format",
              "the output format (default text)");
    DeclareBirthOptions(app, request->birth);
    return
        [request](Session& session, HeadlessPlatform& platform, std::ostream& out,
                  std::ostream& err) { return RunReturn(*request, session, platform, out, err); };
}

}  // namespace solvaris
