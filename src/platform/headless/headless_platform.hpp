// The command line's platform: messages are kept and printed to a stream in
// the front end's words; nobody is there to answer, so a question (a Yes/No
// box, the file chooser, the input box, the atlas) is a fault of the program
// and throws. The clock is the system's universal time.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/shown_message.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// The system's present instant in universal time.
LocalDateTime UniversalTimeNow();

class HeadlessPlatform : public Platform {
public:
    // How a message is printed: the words of the front end in place of the
    // window's.
    using Wording = std::function<std::string(std::string_view text)>;

    // Without an echo the messages are only kept.
    explicit HeadlessPlatform(std::ostream* echo = nullptr, Wording wording = {})
        : echo_(echo), wording_(std::move(wording)) {}

    // "Title words", once when the same message comes twice in a row.
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons,
                              std::optional<MessageAnswer> defaultButton) override;
    std::string ChooseFile(std::string_view pattern, std::string_view current) override;
    std::string ChooseSaveFile(std::string_view pattern, std::string_view proposed) override;
    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override;
    bool StartAndWait(const std::filesystem::path& program) override;
    // No pointer to show.
    void SetBusy(bool) override {}
    LocalDateTime Now() const override { return UniversalTimeNow(); }
    DateOrder UserDateOrder() const override { return DateOrder::MonthDayYear; }
    bool TwelveHourClock() const override { return true; }

    const std::vector<ShownMessage>& Messages() const { return messages_; }
    void ClearMessages() { messages_.clear(); }

private:
    std::ostream* echo_;
    Wording wording_;
    std::string lastEcho_;
    std::vector<ShownMessage> messages_;
};

}  // namespace solvaris
