#include "platform/headless/scripted_platform.hpp"

#include <ctime>

namespace solvaris {

MessageAnswer ScriptedPlatform::ShowMessage(std::string_view text, std::string_view title,
                                            MessageIcon icon, MessageButtons buttons) {
    messages_.push_back({std::string(text), std::string(title), icon, buttons});
    if (echo_ != nullptr) {
        *echo_ << title << ' ' << text << '\n';
    }
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    if (answers_.empty()) {
        return MessageAnswer::Yes;
    }
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

LocalDateTime ScriptedPlatform::Now() const {
    if (now_) {
        return *now_;
    }
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace solvaris
