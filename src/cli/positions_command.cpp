#include "cli/positions_command.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/number_text.hpp"
#include "base/option_numbers.hpp"
#include "base/ordered_chunks.hpp"
#include "chart/zodiac.hpp"
#include "cli/exit_status.hpp"
#include "cli/iso_date.hpp"
#include "cli/jobs_option.hpp"
#include "cli/position_instants.hpp"
#include "cli/position_rows.hpp"
#include "engine/calendar.hpp"
#include "engine/ephemeris.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

namespace {

// Enough for a century of hourly instants.
constexpr long long kMaxInstants = 1000000;

// Every number of the export has seven decimals.
constexpr int kDecimals = 7;
// Instants a worker takes at a time: enough that claiming them costs
// nothing, few enough that the chunks waiting to be written stay small.
constexpr std::size_t kInstantsPerChunk = 64;

struct PositionsRequest {
    std::vector<double> instants;
    int jobs = DefaultJobs();
};

// With Swiss Ephemeris each row ends with a column that names it, so that
// the built-in theories' files stay as they were.
// In the sidereal zodiac a further column names the ayanamsa.
void AppendRow(std::string& text, const Ephemeris& ephemeris, const Zodiac& zodiac, double jd,
               const PositionRow& row) {
    AppendFixedDecimals(text, jd, kDecimals);
    text += ',';
    text += row.body;
    for (const double value : {row.longitudeDeg, row.latitudeDeg, row.declinationDeg,
                               row.rightAscensionDeg, row.nextDayLongitudeDeg}) {
        text += ',';
        AppendFixedDecimals(text, value, kDecimals);
    }
    if (ephemeris.Swiss()) {
        text += ",swiss";
    }
    if (zodiac.sidereal) {
        text += ',';
        text += AyanamsaWord(zodiac.ayanamsa);
    }
    text += '\n';
}

// With `extraPoints` a row for each extra point computed at the instant;
// `rows` is the caller's, kept so that its room is reused.
bool AppendInstant(std::string& text, std::vector<PositionRow>& rows, const Ephemeris& ephemeris,
                   const Zodiac& zodiac, bool extraPoints, double jd) {
    rows.clear();
    if (!AppendPositionRows(ephemeris, zodiac, extraPoints, jd, rows)) {
        return false;
    }
    for (const PositionRow& row : rows) {
        AppendRow(text, ephemeris, zodiac, jd, row);
    }
    return true;
}

std::string DateProblem(const std::string& text) {
    if (!ParseIsoDate(text)) {
        return "malformed value '" + text + "' (expected YYYY-MM-DD)";
    }
    const int year = ParseIsoDate(text)->year;
    return year >= kFirstNatalYear && year <= kLastEntryYear
               ? std::string()
               : "'" + text + "' lies outside " + AcceptedSpanText();
}

std::string PositiveProblem(const std::string& text) {
    const auto value = ParseNumber(text);
    return value && *value > 0 ? std::string() : "must be positive: '" + text + "'";
}

std::string HoursProblem(const std::string& text) {
    const auto value = ParseNumber(text);
    return value && *value >= 0 && *value < 24 ? std::string()
                                               : "must be at least 0 and below 24: '" + text + "'";
}

// The options as typed.
struct PositionsOptions {
    std::vector<std::string> jd;
    std::string from, days, step, ut, jobs;
};

// The instants asked for: empty when fine, else why not.
std::string Instants(const PositionsOptions& typed, PositionsRequest& request) {
    std::vector<double>& instants = request.instants;
    for (const std::string& jd : typed.jd) {
        instants.push_back(*ParseNumber(jd));
    }
    if (!typed.jobs.empty()) {
        request.jobs = *PositiveWholeNumber(typed.jobs);
    }
    if (!typed.from.empty()) {
        const CivilDate from = *ParseIsoDate(typed.from);
        const double step = typed.step.empty() ? 1 : *ParseNumber(typed.step);
        const double utHours = typed.ut.empty() ? 0 : *ParseNumber(typed.ut);
        const double start = JulianDayNumber(from.year, from.month, from.day) - 0.5 + utHours / 24;
        const double count = std::ceil(*ParseNumber(typed.days) / step);
        if (count + static_cast<double>(instants.size()) > kMaxInstants) {
            return "--days / --step asks for more than 1000000 instants";
        }
        if (start + (count - 1) * step >= LastAcceptedJd()) {
            return "--days runs past " + AcceptedSpanText();
        }
        for (long long k = 0; k < static_cast<long long>(count); ++k) {
            instants.push_back(start + static_cast<double>(k) * step);
        }
    }
    if (instants.empty()) {
        return "no instant given: use --jd JD or --from YYYY-MM-DD --days N";
    }
    return {};
}

int RunPositions(const PositionsOptions& typed, const Ephemeris& ephemeris, const Zodiac& zodiac,
                 bool extraPoints, std::ostream& out, std::ostream& err) {
    PositionsRequest request;
    if (const std::string problem = Instants(typed, request); !problem.empty()) {
        err << "solvaris positions: " << problem << '\n';
        return kExitBadCommandLine;
    }
    const std::vector<double>& instants = request.instants;
    const int workers = std::min(request.jobs, kMostWorkerThreads);
    out << "jd_ut,point,longitude,latitude,declination,right_ascension,next_day_longitude"
        << (ephemeris.Swiss() ? ",ephemeris" : "") << (zodiac.sidereal ? ",ayanamsa\n" : "\n");
    const std::size_t chunkCount = (instants.size() + kInstantsPerChunk - 1) / kInstantsPerChunk;
    // Where each chunk stopped, if it did: read by the writer once the chunk
    // is handed over.
    std::vector<std::size_t> stoppedAt(chunkCount);
    int status = kExitDone;
    ComputeChunksInOrder(
        chunkCount, workers,
        [&](std::size_t chunk, std::string& text) {
            const std::size_t end = std::min(instants.size(), (chunk + 1) * kInstantsPerChunk);
            std::vector<PositionRow> rows;
            for (std::size_t i = chunk * kInstantsPerChunk; i < end; ++i) {
                if (!AppendInstant(text, rows, ephemeris, zodiac, extraPoints, instants[i])) {
                    stoppedAt[chunk] = i;
                    return false;
                }
            }
            return true;
        },
        [&](std::size_t chunk, const std::string& text, bool complete) {
            // Written in order, up to the first instant that could not be
            // computed, as one worker would.
            out << text;
            if (complete) {
                return true;
            }
            err << "solvaris positions: " << UncomputedInstantProblem(instants[stoppedAt[chunk]])
                << '\n';
            status = kExitRefusedData;
            return false;
        });
    if (status != kExitDone) {
        return status;
    }
    if (const std::string note = PlutoApproximateNote(ephemeris, instants); !note.empty()) {
        err << "solvaris positions: " << note << '\n';
    }
    return kExitDone;
}

}  // namespace

CommandRun DeclarePositionsCommand(CLI::App& app) {
    auto typed = std::make_shared<PositionsOptions>();
    app.add_option("--jd", typed->jd, "an instant as a Julian day (UT); again for more")
        ->type_name("JD")
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->check(CLI::Validator(
            [](std::string& text) {
                return text.empty() ? std::string("an empty value") : JdProblem(text);
            },
            ""));
    CLI::Option* from = AddValue(app, "--from", typed->from, "YYYY-MM-DD",
                                 std::string("the first day, ") + kIsoDateCalendar, DateProblem);
    CLI::Option* days =
        AddValue(app, "--days", typed->days, "N", "the days from --from", PositiveProblem);
    CLI::Option* step = AddValue(app, "--step", typed->step, "DAYS",
                                 "the days between instants (default 1)", PositiveProblem);
    CLI::Option* ut = AddValue(app, "--ut", typed->ut, "HOURS",
                               "the universal time of each day (default 0)", HoursProblem);
    AddValue(app, "--jobs", typed->jobs, "N", "the instants spread over N cores (default: all)",
             JobsProblem);
    from->needs(days);
    days->needs(from);
    step->needs(from);
    ut->needs(from);
    return [typed](Session& session, HeadlessPlatform&, std::ostream& out, std::ostream& err) {
        // Named after the rows, as their calls answered.
        const Ephemeris ephemeris = session.ChosenEphemeris();
        const int status = RunPositions(*typed, ephemeris, ChosenZodiac(session.options),
                                        session.options(opt::ExtraPoints) == 1, out, err);
        if (ephemeris.Swiss()) {
            err << "solvaris positions: " << EphemerisName(ephemeris) << '\n';
        }
        return status;
    };
}

}  // namespace solvaris
