#include "platform/headless/headless_platform.hpp"

#include <ctime>
#include <stdexcept>

namespace solvaris {

namespace {

[[noreturn]] void NobodyToAnswer(std::string_view question) {
    throw std::logic_error("the command line has nobody to answer " + std::string(question));
}

}  // namespace

LocalDateTime UniversalTimeNow() {
    const std::time_t t = std::time(nullptr);
    std::tm universal{};
    gmtime_r(&t, &universal);
    return {universal.tm_year + 1900, universal.tm_mon + 1, universal.tm_mday,
            universal.tm_hour,        universal.tm_min,     universal.tm_sec};
}

MessageAnswer HeadlessPlatform::ShowMessage(std::string_view text, std::string_view title,
                                            MessageIcon icon, MessageButtons buttons,
                                            std::optional<MessageAnswer> defaultButton) {
    if (buttons != MessageButtons::Ok) {
        NobodyToAnswer("the message box \"" + std::string(title) + "\"");
    }
    messages_.push_back({std::string(text), std::string(title), icon, buttons, defaultButton});
    if (echo_ != nullptr) {
        const std::string words = wording_ ? wording_(text) : std::string(text);
        std::string line = std::string(title) + ' ' + words + '\n';
        // A message without words prints nothing.
        if (!words.empty() && line != lastEcho_) {
            *echo_ << line;
        }
        lastEcho_ = std::move(line);
    }
    return MessageAnswer::Ok;
}

std::string HeadlessPlatform::ChooseFile(std::string_view pattern, std::string_view) {
    NobodyToAnswer("the file chooser on " + std::string(pattern));
}

std::string HeadlessPlatform::ChooseSaveFile(std::string_view pattern, std::string_view) {
    NobodyToAnswer("the file chooser on " + std::string(pattern));
}

std::string HeadlessPlatform::InputBox(std::string_view, std::string_view title, std::string_view) {
    NobodyToAnswer("the input box \"" + std::string(title) + "\"");
}

// The atlas is a program the user answers in.
bool HeadlessPlatform::StartAndWait(const std::filesystem::path& program) {
    NobodyToAnswer(program.string());
}

}  // namespace solvaris
