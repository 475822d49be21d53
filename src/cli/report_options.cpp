#include "cli/report_options.hpp"

#include <algorithm>

#include "base/number_text.hpp"
#include "cli/harmonic_option.hpp"
#include "cli/report_command.hpp"
#include "reports/data_menu.hpp"

namespace solvaris {

namespace {

// The reports that are not Data-menu texts: they show other windows.
constexpr const char* kWindowReports[] = {"planetary-hours", "ephemeris", "aspect-grid",
                                          "ascii-chart"};

bool IsKnownReport(const std::string& name) {
    const auto& menu = DataMenuCommands();
    return std::any_of(menu.begin(), menu.end(),
                       [&](const ReportCommand& c) { return c.name == name; }) ||
           std::any_of(std::begin(kWindowReports), std::end(kWindowReports),
                       [&](const char* n) { return name == n; });
}

std::string NameProblem(const std::string& text) {
    return IsKnownReport(text) ? std::string()
                               : "no report named '" + text + "' (reports: " + ReportNames() + ")";
}

constexpr long long kMostPagesOrDays = 10000;

std::string CountProblem(const std::string& text) {
    const auto n = ParseInteger(text);
    return n && *n >= 1 && *n <= kMostPagesOrDays
               ? std::string()
               : "a whole number from 1 to 10000, not '" + text + "'";
}

}  // namespace

int Count(const std::string& typed) {
    return typed.empty() ? 1 : static_cast<int>(*ParseInteger(typed));
}

namespace {

std::string WheelProblem(const std::string& text) {
    return WheelKindFromName(text) ? std::string() : "no wheel named '" + text + "'";
}

}  // namespace

std::string UnreadOption(const ReportRequest& r) {
    struct Reader {
        const char* option;
        bool given;
        std::vector<std::string> reports;
    };
    const Reader readers[] = {
        {"--days", !r.days.empty(), {"interpretations"}},
        {"--pages", !r.pages.empty(), {"ephemeris"}},
        {"--noon", r.noon, {"ephemeris"}},
        {"--codes", r.codes, {"aspect-grid"}},
        {"--wheel", !r.wheel.empty(), {"aspect-grid", "ascii-chart"}},
        {"--orbs", !r.orbs.empty(), {std::string(kOrbFileReport)}},
        {"--harmonic", !r.harmonic.empty(), {"harmonic"}},
    };
    for (const Reader& reader : readers) {
        if (reader.given && std::find(reader.reports.begin(), reader.reports.end(), r.name) ==
                                reader.reports.end()) {
            std::string readBy;
            for (const std::string& report : reader.reports) {
                readBy += (readBy.empty() ? "" : " and ") + report;
            }
            std::string why = std::string(reader.option) + " is read only by the " + readBy +
                              " report" + (reader.reports.size() > 1 ? "s" : "") + "; '" + r.name +
                              "' ";
            return why + (std::string_view(reader.option) == "--orbs"
                              ? "takes its orbs from the options file"
                              : "does not read it");
        }
    }
    if (r.name == "planetary-hours") {
        return NatalOnlyProblem(r.birth, "the planetary-hours report");
    }
    // The ephemeris reads the natal data and the house system.
    if (const std::string diurnal = FirstDiurnalOption(r.birth);
        r.name == "ephemeris" && !diurnal.empty()) {
        return diurnal + " is not read by the ephemeris report, which reads the natal data only";
    }
    return {};
}

WheelKind WheelOf(const ReportRequest& request) {
    return request.wheel.empty() ? WheelKind::Natal : *WheelKindFromName(request.wheel);
}

std::string ReportNames() {
    std::string names;
    for (const ReportCommand& c : DataMenuCommands()) {
        names += names.empty() ? "" : ", ";
        names += c.name;
    }
    for (const char* n : kWindowReports) {
        names += ", ";
        names += n;
    }
    return names;
}

void DeclareReportOptions(CLI::App& app, ReportRequest& request) {
    AddValue(app, "report", request.name, "NAME", "", NameProblem)->required();
    AddPath(app, "--orbs", request.orbs, "FILE", "aspect-grid: the orb file (default NATAL.ORB)");
    app.add_flag("--crlf", request.crlf, "the data window's CR LF line ends");
    AddValue(app, "--days", request.days, "N", "interpretations: N days, 1 to 10000", CountProblem);
    AddValue(app, "--pages", request.pages, "N", "ephemeris: N pages, 1 to 10000", CountProblem);
    app.add_flag("--noon", request.noon, "ephemeris: at noon (default: at midnight)");
    AddValue(app, "--wheel", request.wheel, "KIND",
             "aspect-grid and ascii-chart: the wheel's chart (default natal)", WheelProblem);
    app.add_flag("--codes", request.codes, "aspect-grid: glyph codes instead of symbols");
    DeclareHarmonicOption(app, request.harmonic,
                          "harmonic: the harmonic, 1 to 180 (default: option 224)");
    DeclareBirthOptions(app, request.birth);
}

}  // namespace solvaris
