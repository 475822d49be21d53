#include "reports/report_buffer.hpp"

namespace solvaris {

void ReportBuffer::AppendLine(Platform& platform) {
    if (LineCount() >= kMaxReportLines) {
        platform.ShowMessage(
            "Buffer cannot hold any more data. Please print and/or clear data buffer before "
            "displaying any more data. This message may appear up to 35 times depending on how "
            "full the buffer is and how much the program wants to write to it.",
            "Warning!", MessageIcon::Critical);
        return;
    }
    session_.push_back(line);
    current_.push_back(line);
}

void ReportBuffer::AppendBlankLine(Platform& platform) {
    line.clear();
    AppendLine(platform);
}

void ReportBuffer::BeginReport(DataWindowView& window) {
    if (interpretationStepping) {
        window.SetMoreMenuVisible(false);
        interpretationStepping = false;
    }
    window.SetMoreNewDateVisible(false);
    current_.clear();
}

void ReportBuffer::ShowReport(DataWindowView& window, Platform& platform,
                              const std::string& titleText) {
    if (LineCount() == 0 || window.Minimised()) {
        return;
    }
    AppendBlankLine(platform);
    std::string text;
    const std::size_t capacity = window.TextCapacity();
    // Index CurrentCount is the spare empty slot.
    for (int i = 0; i <= CurrentCount(); ++i) {
        const std::string& l = i < CurrentCount() ? current_[i] : std::string();
        if (text.size() + l.size() + 2 > capacity) {
            platform.ShowMessage(
                "You have generated too much data to fit in the Data Window. I "
                "will display what I can and truncate the rest.\n\nI have "
                "truncated " +
                    std::to_string(CurrentCount() - i + 1) + " lines of text.",
                "Warning!", MessageIcon::Exclamation);
            break;
        }
        text += l;
        text += "\r\n";
    }
    window.SetText(text);
    if (LineCount() > kNearlyFullLines) {
        platform.ShowMessage(
            "The data buffer is nearly full. Please consider clearing the data buffer by "
            "clicking on the 'Clear all data' menu item.",
            "Warning!", MessageIcon::Information);
    }
    window.Show(titleText + "Data");
}

void ReportBuffer::ClearBuffer(Platform& platform) {
    session_.clear();
    platform.ShowMessage("All data cleared from buffer.", "Information!", MessageIcon::Exclamation);
}

}  // namespace solvaris
