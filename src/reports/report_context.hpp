// What a report needs: its part of the session (chart store, birth data,
// options, report buffer), the platform for its message boxes and the data window it
// shows in. Every report is a function of it.
#pragma once

#include <string>

#include "base/options.hpp"
#include "engine/ephemeris.hpp"
#include "platform/data_window.hpp"
#include "platform/platform.hpp"
#include "reports/report_session.hpp"

namespace solvaris {

struct ReportContext {
    ReportSession& session;
    Platform& platform;
    DataWindowView& window;

    // The text as the next line of the report.
    void Line(const std::string& text) {
        session.reports.line = text;
        session.reports.AppendLine(platform);
    }
    void Blank() { session.reports.AppendBlankLine(platform); }
    void Begin() { session.reports.BeginReport(window); }
    void Show() { session.reports.ShowReport(window, platform, TitleText(session.options)); }
    // A report of computed positions: with Swiss Ephemeris its last line
    // names it, the built-in theories add nothing.
    void ShowComputed(const Ephemeris& ephemeris) {
        if (ephemeris.Swiss()) {
            Line(EphemerisReportLine(ephemeris));
        }
        Show();
    }
};

}  // namespace solvaris
