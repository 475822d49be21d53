// The platform of the tests: message boxes recorded and answered from a
// script; the clock universal time unless a fixed instant is set.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "platform/headless/shown_message.hpp"
#include "platform/platform.hpp"

namespace solvaris {

class ScriptedPlatform : public Platform {
public:
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons,
                              std::optional<MessageAnswer> defaultButton) override;
    std::string ChooseFile(std::string_view pattern, std::string_view current) override;
    // Answered from the same script as ChooseFile.
    std::string ChooseSaveFile(std::string_view pattern, std::string_view proposed) override {
        return ChooseFile(pattern, proposed);
    }
    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override;
    bool StartAndWait(const std::filesystem::path& program) override;
    void SetBusy(bool busy) override;
    LocalDateTime Now() const override;
    DateOrder UserDateOrder() const override { return DateOrder::MonthDayYear; }
    bool TwelveHourClock() const override { return twelveHourClock_; }

    // Answers used in order; an empty script answers a box's default button
    // (else Yes) and cancels a chooser or an input box.
    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    void QueueChosenFile(std::string path) { chosenFiles_.push_back(std::move(path)); }
    void QueueInput(std::string text) { inputs_.push_back(std::move(text)); }
    // A fixed present instant, in universal time.
    void SetNow(const LocalDateTime& universalTime) { now_ = universalTime; }
    void SetTwelveHourClock(bool twelveHour) { twelveHourClock_ = twelveHour; }

    const std::vector<ShownMessage>& Messages() const { return messages_; }
    // The input boxes shown: text is the prompt.
    const std::vector<ShownMessage>& InputBoxes() const { return inputBoxes_; }
    void ClearMessages() { messages_.clear(); }
    // Whether the busy pointer shows now, and how often it was asked for.
    bool Busy() const { return busyDepth_ > 0; }
    int BusyRequests() const { return busyRequests_; }

private:
    std::deque<MessageAnswer> answers_;
    std::deque<std::string> chosenFiles_, inputs_;
    std::vector<ShownMessage> messages_, inputBoxes_;
    std::optional<LocalDateTime> now_;
    bool twelveHourClock_ = true;
    int busyDepth_ = 0, busyRequests_ = 0;
};

}  // namespace solvaris
