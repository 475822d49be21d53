#include "cli/return_command.hpp"

#include <cmath>

#include "chart/returns.hpp"
#include "cli/chart_setup.hpp"
#include "cli/json_text.hpp"
#include "engine/pluto.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/headings.hpp"

namespace solvaris {

namespace {

// The return's day lies outside the years Pluto's series holds.
bool PlutoOutside(const ReturnSet& set) { return !PlutoSeriesHolds(std::floor(set.jd + 0.5)); }

void WriteText(const ReturnSet& set, bool solar, DateOrder order, std::ostream& out) {
    out << (solar ? "SOLAR RETURN" : "LUNAR RETURN") << "  " << ReturnDateText(set, order) << "  "
        << ReturnTimeLine(set) << "  JD " << FixedDecimals(set.jd, 6) << '\n';
    if (PlutoOutside(set)) {
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
}

void WriteJson(const ReturnSet& set, bool solar, DateOrder order, std::ostream& out) {
    out << "{\"kind\":\"" << (solar ? "solar" : "lunar") << "\",\"date\":\""
        << ReturnDateText(set, order) << "\",\"time\":" << FixedDecimals(set.clockTime, 2)
        << ",\"meridiem\":\"" << set.meridiem << "\",\"jd\":" << FixedDecimals(set.jd, 7)
        << ",\"moment\":\"" << IsoMomentOfJulianDay(set.jd) << '"'
        << ",\"longitude\":" << Numbers(set.longitude, 1, kPointCount)
        << ",\"cusps\":" << Numbers(set.cusps, 1, kCuspCount) << ",\"retrograde\":\""
        << set.texts.retrogradeMarks << "\",\"houses\":\"" << set.texts.housePositionText
        << "\",\"sidereal_time\":\"" << set.texts.siderealTimeText
        << "\",\"pluto_outside_theory\":" << (PlutoOutside(set) ? "true" : "false") << "}\n";
}

}  // namespace

int RunReturnCommand(const std::vector<std::string>& args, Session& session, Platform& platform,
                     std::ostream& out, std::ostream& err) {
    std::vector<std::string> rest;
    BirthOptions options;
    RecordingDataWindow window;
    if (const int status =
            ReadBirthOptionsWithDefaults(args, "return", session, platform, err, rest, options)) {
        return status;
    }
    std::string kind;
    long long steps = 0;
    ReturnStep direction = ReturnStep::Next;
    bool json = false;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& a = rest[i];
        if ((a == "solar" || a == "lunar") && kind.empty()) {
            kind = a;
        } else if ((a == "--next" || a == "--previous") && i + 1 < rest.size()) {
            const auto n = ParseInteger(rest[++i]);
            if (!n || *n < 0 || *n > 10000) {
                err << "solvaris return: malformed value for " << a << ": '" << rest[i]
                    << "' (expected 0 to 10000)\n";
                return 2;
            }
            steps = *n;
            direction = a == "--next" ? ReturnStep::Next : ReturnStep::Previous;
        } else if (a == "--format" && i + 1 < rest.size() &&
                   (rest[i + 1] == "json" || rest[i + 1] == "text")) {
            json = rest[++i] == "json";
        } else {
            err << "solvaris return: unknown argument '" << a << "'\n";
            return 2;
        }
    }
    if (kind.empty()) {
        err << "solvaris return: say solar or lunar\n";
        return 2;
    }
    if (const int status = ComputeFromBirthOptions(session, options, platform, window, err)) {
        return status;
    }

    const bool solar = kind == "solar";
    const PointArray& natal = session.charts.natal.points.longitude;
    ReturnSearch& search = session.returnSearch;
    auto find = [&]() {
        return solar ? SolarReturnSearch(natal[Sun], session.natal, search, platform)
                     : LunarReturnSearch(natal[Moon], session.natal, search, platform);
    };
    std::optional<ReturnMoment> moment = find();
    for (long long k = 0; moment && k < steps; ++k) {
        if (solar) {
            StepSolarReturn(search, direction);
        } else {
            StepLunarReturn(search, direction);
        }
        moment = find();
    }
    if (!moment) {
        return 1;
    }
    const auto set = ComputeReturnSet(*moment, search, session.charts.houseSystem);
    if (!set) {
        err << "solvaris return: the return chart could not be computed\n";
        return 1;
    }
    const DateOrder order = platform.UserDateOrder();
    if (json) {
        WriteJson(*set, solar, order, out);
    } else {
        WriteText(*set, solar, order, out);
    }
    return 0;
}

}  // namespace solvaris
