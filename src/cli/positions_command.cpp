#include "cli/positions_command.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/number_text.hpp"
#include "base/parallel_indices.hpp"
#include "cli/jobs_option.hpp"
#include "engine/angles.hpp"
#include "engine/calendar.hpp"
#include "engine/chart_point.hpp"
#include "engine/positions.hpp"
#include "engine/sidereal.hpp"

namespace solvaris {

namespace {

// Enough for a century of hourly instants.
constexpr long long kMaxInstants = 1000000;

struct BadArgument {
    std::string message;
};

std::optional<CivilDate> ParseIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = ParseInteger(std::string_view(text).substr(0, 4));
    const auto month = ParseInteger(std::string_view(text).substr(5, 2));
    const auto day = ParseInteger(std::string_view(text).substr(8, 2));
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1) {
        return std::nullopt;
    }
    const CivilDate date{static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day)};
    if (date.day > DaysInMonth(date.year, date.month) ||
        (date.year == 1582 && date.month == 10 && date.day > 4 && date.day < 15)) {
        return std::nullopt;
    }
    return date;
}

// Every number of the export has seven decimals.
constexpr int kDecimals = 7;
// Instants computed before their rows are written: enough to keep every
// worker busy, few enough that the buffered text stays small.
constexpr std::size_t kInstantsPerBlock = 4096;

struct PositionsRequest {
    std::vector<double> instants;
    int jobs = DefaultJobs();
};

void AppendRow(std::string& text, double jd, std::string_view name, double longitude,
               double latitude, const Equatorial& eq, double nextLongitude) {
    AppendFixedDecimals(text, jd, kDecimals);
    text += ',';
    text += name;
    for (const double value :
         {longitude, latitude, eq.declination, eq.rightAscension, nextLongitude}) {
        text += ',';
        AppendFixedDecimals(text, value, kDecimals);
    }
    text += '\n';
}

bool AppendInstant(std::string& text, double jd) {
    PositionRequest request;
    request.dayNumber = std::floor(jd + 0.5);
    request.utFraction = jd + 0.5 - request.dayNumber;
    const TimeArgs args = TimeArguments(request.dayNumber, request.utFraction);
    request.obliquityRad = DegToRad(Obliquity(args.t));

    PositionTables tables;
    double trueNode = kTrueNodeUnset;
    if (!ComputePositions(request, tables, trueNode)) {
        return false;
    }
    for (int p = Sun; p <= Moon; ++p) {
        AppendRow(text, jd, kPointListNames[p], tables.longitude[p], tables.latitude[p],
                  {tables.declination[p], tables.rightAscension[p]}, tables.nextDayLongitude[p]);
    }
    const double node = tables.longitude[NorthNode];
    AppendRow(text, jd, kPointListNames[NorthNode], node, 0,
              EquatorialFromEcliptic(node, 0, request.obliquityRad), tables.meanNodeNextDay);
    return true;
}

double RequireNumber(const std::vector<std::string>& args, std::size_t& i) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) {
        throw BadArgument{option + " needs a value"};
    }
    const auto value = ParseNumber(args[++i]);
    if (!value) {
        throw BadArgument{"malformed value for " + option + ": '" + args[i] + "'"};
    }
    return *value;
}

PositionsRequest ParseRequest(const std::vector<std::string>& args) {
    PositionsRequest request;
    std::vector<double>& instants = request.instants;
    std::optional<CivilDate> from;
    std::optional<double> days;
    double step = 1;
    double utHours = 0;
    bool stepGiven = false;
    bool utGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--jd") {
            instants.push_back(RequireNumber(args, i));
        } else if (a == "--from") {
            if (i + 1 >= args.size()) {
                throw BadArgument{"--from needs a value"};
            }
            from = ParseIsoDate(args[++i]);
            if (!from) {
                throw BadArgument{"malformed value for --from: '" + args[i] +
                                  "' (expected YYYY-MM-DD)"};
            }
        } else if (a == "--days") {
            days = RequireNumber(args, i);
            if (*days <= 0) {
                throw BadArgument{"--days must be positive: '" + args[i] + "'"};
            }
        } else if (a == "--step") {
            step = RequireNumber(args, i);
            stepGiven = true;
            if (step <= 0) {
                throw BadArgument{"--step must be positive: '" + args[i] + "'"};
            }
        } else if (a == "--jobs") {
            if (i + 1 >= args.size()) {
                throw BadArgument{"--jobs needs a value"};
            }
            const auto jobs = PositiveWholeNumber(args[++i]);
            if (!jobs) {
                throw BadArgument{"--jobs takes a positive whole number, not '" + args[i] + "'"};
            }
            request.jobs = *jobs;
        } else if (a == "--ut") {
            utHours = RequireNumber(args, i);
            utGiven = true;
            if (utHours < 0 || utHours >= 24) {
                throw BadArgument{"--ut must be at least 0 and below 24: '" + args[i] + "'"};
            }
        } else {
            throw BadArgument{"unknown argument '" + a + "'"};
        }
    }
    if (from.has_value() != days.has_value()) {
        throw BadArgument{from ? "--from needs --days" : "--days needs --from"};
    }
    if (!from && (stepGiven || utGiven)) {
        throw BadArgument{std::string(stepGiven ? "--step" : "--ut") + " needs --from"};
    }
    if (from) {
        const double start =
            JulianDayNumber(from->year, from->month, from->day) - 0.5 + utHours / 24;
        const double count = std::ceil(*days / step);
        if (count + static_cast<double>(instants.size()) > kMaxInstants) {
            throw BadArgument{"--days / --step asks for more than 1000000 instants"};
        }
        for (long long k = 0; k < static_cast<long long>(count); ++k) {
            instants.push_back(start + static_cast<double>(k) * step);
        }
    }
    if (instants.empty()) {
        throw BadArgument{"no instant given: use --jd JD or --from YYYY-MM-DD --days N"};
    }
    return request;
}

}  // namespace

int RunPositionsCommand(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
    PositionsRequest request;
    try {
        request = ParseRequest(args);
    } catch (const BadArgument& bad) {
        err << "solvaris positions: " << bad.message << '\n';
        return 2;
    }
    const std::vector<double>& instants = request.instants;
    const int workers = std::min(request.jobs, kMostWorkerThreads);
    out << "jd_ut,point,longitude,latitude,declination,right_ascension,next_day_longitude\n";
    std::vector<std::string> rows;
    // One byte each, not vector<bool>: the workers write neighbouring flags.
    std::vector<unsigned char> computed;
    for (std::size_t begin = 0; begin < instants.size(); begin += kInstantsPerBlock) {
        const std::size_t count = std::min(kInstantsPerBlock, instants.size() - begin);
        rows.assign(count, std::string());
        computed.assign(count, 0);
        ForEachIndexInParallel(count, workers, [&](int, std::size_t i) {
            computed[i] = AppendInstant(rows[i], instants[begin + i]) ? 1 : 0;
        });
        // Written in order, up to the first instant that could not be
        // computed, as one worker would.
        for (std::size_t i = 0; i < count; ++i) {
            if (computed[i] == 0) {
                err << "solvaris positions: the positions at JD "
                    << FixedDecimals(instants[begin + i], kDecimals) << " could not be computed\n";
                return 1;
            }
            out << rows[i];
        }
    }
    return 0;
}

}  // namespace solvaris
