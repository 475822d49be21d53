#include "support/scripted_platform.hpp"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/headless/headless_platform.hpp"

namespace solvaris {

MessageAnswer ScriptedPlatform::ShowMessage(std::string_view text, std::string_view title,
                                            MessageIcon icon, MessageButtons buttons,
                                            std::optional<MessageAnswer> defaultButton) {
    messages_.push_back({std::string(text), std::string(title), icon, buttons, defaultButton});
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    if (answers_.empty()) {
        return defaultButton.value_or(MessageAnswer::Yes);
    }
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::string ScriptedPlatform::ChooseSaveFile(std::string_view pattern, std::string_view proposed) {
    return ChooseFile(pattern, proposed);
}

std::string ScriptedPlatform::ChooseFile(std::string_view, std::string_view) {
    if (chosenFiles_.empty()) {
        return {};
    }
    std::string path = std::move(chosenFiles_.front());
    chosenFiles_.pop_front();
    return path;
}

std::string ScriptedPlatform::InputBox(std::string_view prompt, std::string_view title,
                                       std::string_view) {
    inputBoxes_.push_back(
        {std::string(prompt), std::string(title), MessageIcon::Question, MessageButtons::Ok, {}});
    if (inputs_.empty()) {
        return {};
    }
    std::string text = std::move(inputs_.front());
    inputs_.pop_front();
    return text;
}

bool ScriptedPlatform::StartAndWait(const std::filesystem::path& program) {
    const std::string file = program.string();
    char* const argv[] = {const_cast<char*>(file.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, file.c_str(), nullptr, nullptr, argv, environ) != 0) {
        return false;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

void ScriptedPlatform::SetBusy(bool busy) {
    if (busy) {
        ++busyDepth_;
        ++busyRequests_;
    } else if (busyDepth_ > 0) {
        --busyDepth_;
    }
}

LocalDateTime ScriptedPlatform::Now() const { return now_ ? *now_ : UniversalTimeNow(); }

}  // namespace solvaris
