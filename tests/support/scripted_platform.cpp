#include "support/scripted_platform.hpp"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

#include "platform/headless/headless_platform.hpp"
#include "support/run_program.hpp"

namespace solvaris {
namespace {

// The script's next answer; an empty script gives `otherwise`.
template <typename T>
T Next(std::deque<T>& script, T otherwise = {}) {
    if (script.empty()) {
        return otherwise;
    }
    T next = std::move(script.front());
    script.pop_front();
    return next;
}

}  // namespace

MessageAnswer ScriptedPlatform::ShowMessage(std::string_view text, std::string_view title,
                                            MessageIcon icon, MessageButtons buttons,
                                            std::optional<MessageAnswer> defaultButton) {
    messages_.push_back({std::string(text), std::string(title), icon, buttons, defaultButton});
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return Next(answers_, defaultButton.value_or(MessageAnswer::Yes));
}

std::string ScriptedPlatform::ChooseFile(std::string_view, std::string_view) {
    return Next(chosenFiles_);
}

std::string ScriptedPlatform::InputBox(std::string_view prompt, std::string_view title,
                                       std::string_view) {
    inputBoxes_.push_back(
        {std::string(prompt), std::string(title), MessageIcon::Question, MessageButtons::Ok, {}});
    return Next(inputs_);
}

// The shell says 126 or 127 when the program cannot be started.
bool ScriptedPlatform::StartAndWait(const std::filesystem::path& program) {
    const int status = std::system(testing::ShellQuoted(program.string()).c_str());
    return WIFEXITED(status) && WEXITSTATUS(status) < 126;
}

void ScriptedPlatform::SetBusy(bool busy) {
    busyRequests_ += busy ? 1 : 0;
    busyDepth_ = std::max(0, busyDepth_ + (busy ? 1 : -1));
}

LocalDateTime ScriptedPlatform::Now() const { return now_ ? *now_ : UniversalTimeNow(); }

}  // namespace solvaris
