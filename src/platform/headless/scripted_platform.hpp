// The platform for tests and the command line: message boxes are recorded
// (and, when asked, printed to a stream) and answered from a script; the
// clock is the system's unless a fixed moment is set.
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <vector>

#include "platform/platform.hpp"

namespace solvaris {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
};

class ScriptedPlatform : public Platform {
public:
    explicit ScriptedPlatform(std::ostream* echo = nullptr) : echo_(echo) {}

    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override;
    LocalDateTime Now() const override;
    DateOrder UserDateOrder() const override { return dateOrder_; }
    bool TwelveHourClock() const override { return twelveHourClock_; }

    // Answers for Yes/No boxes, used in order; an empty script answers Yes.
    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    void SetNow(const LocalDateTime& now) { now_ = now; }
    void SetDateOrder(DateOrder order) { dateOrder_ = order; }
    void SetTwelveHourClock(bool twelveHour) { twelveHourClock_ = twelveHour; }

    const std::vector<ShownMessage>& Messages() const { return messages_; }
    void ClearMessages() { messages_.clear(); }

private:
    std::ostream* echo_;
    std::deque<MessageAnswer> answers_;
    std::vector<ShownMessage> messages_;
    std::optional<LocalDateTime> now_;
    DateOrder dateOrder_ = DateOrder::MonthDayYear;
    bool twelveHourClock_ = true;
};

}  // namespace solvaris
