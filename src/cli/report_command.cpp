#include "cli/report_command.hpp"

#include "cli/chart_setup.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/data_menu.hpp"

namespace solvaris {

namespace {

std::vector<ReportCommand> AllReports() { return PositionReportCommands(); }

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

}  // namespace

std::string ReportNames() {
    std::string names;
    for (const ReportCommand& c : AllReports()) {
        if (!names.empty()) {
            names += ", ";
        }
        names += c.name;
    }
    return names;
}

int RunReportCommand(const std::vector<std::string>& args, Session& session, Platform& platform,
                     std::ostream& out, std::ostream& err) {
    std::vector<std::string> rest;
    BirthOptions options;
    RecordingDataWindow window;
    if (const int status =
            ReadBirthOptionsWithDefaults(args, "report", session, platform, err, rest, options)) {
        return status;
    }
    const ReportCommand* command = nullptr;
    bool crlf = false;
    std::string orbs;
    const std::vector<ReportCommand> reports = AllReports();
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--crlf") {
            crlf = true;
        } else if (rest[i] == "--orbs" && i + 1 < rest.size()) {
            orbs = rest[++i];
        } else if (command == nullptr) {
            for (const ReportCommand& c : reports) {
                if (c.name == rest[i]) {
                    command = &c;
                }
            }
            if (command == nullptr) {
                err << "solvaris report: no report named '" << rest[i]
                    << "' (reports: " << ReportNames() << ")\n";
                return 2;
            }
        } else {
            err << "solvaris report: unknown argument '" << rest[i] << "'\n";
            return 2;
        }
    }
    if (command == nullptr) {
        err << "usage: " << kReportUsage << "\nreports: " << ReportNames() << '\n';
        return 2;
    }
    if (const int status = ComputeFromBirthOptions(session, options, platform, window)) {
        return status;
    }
    if (!orbs.empty()) {
        session.currentOrbFile = orbs;
    }
    ReportContext ctx{session, platform, window};
    command->run(ctx);
    out << (crlf ? window.text : WithLineFeeds(window.text));
    return 0;
}

}  // namespace solvaris
