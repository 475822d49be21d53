// The report buffer: every report writes its fixed-width lines here. It
// keeps the whole session (what Save and Print data use) and the current
// report (what the data window shows), each with its spare empty slot.
#pragma once

#include <string>
#include <vector>

#include "platform/data_window.hpp"
#include "platform/platform.hpp"

namespace solvaris {

inline constexpr int kMaxReportLines = 32767;
inline constexpr int kNearlyFullLines = 1000;

class ReportBuffer {
public:
    // The line being assembled; appending does not clear it.
    std::string line;

    // `line` into both views. When the session holds 32,767 lines the line
    // is dropped and the box says so; the report goes on.
    void AppendLine(Platform& platform);
    void AppendBlankLine(Platform& platform);
    // Starts a new current report and resets the data window's More menu.
    void BeginReport(DataWindowView& window);
    // The current report into the data window, which is brought up.
    void ShowReport(DataWindowView& window, Platform& platform, const std::string& titleText);
    // "Clear all data": the session emptied, the current report kept.
    void ClearBuffer(Platform& platform);
    // The session emptied without a word (after a chart with option 211).
    void EmptySession() { session_.clear(); }

    int LineCount() const { return static_cast<int>(session_.size()); }
    int CurrentCount() const { return static_cast<int>(current_.size()); }
    const std::vector<std::string>& Session() const { return session_; }
    const std::vector<std::string>& Current() const { return current_; }

    // Set by the transit interpretations; BeginReport hides More and clears
    // it.
    bool interpretationStepping = false;

private:
    std::vector<std::string> session_;
    std::vector<std::string> current_;
};

}  // namespace solvaris
