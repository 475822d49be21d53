// What the core asks of the desktop: message boxes, the file chooser, the
// input box, starting an outside program, the clock and the user's regional
// settings. The Qt side and the headless side implement it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/calendar.hpp"

namespace solvaris {

enum class MessageIcon { Information, Exclamation, Question, Critical };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;  // 0-23
    int minute = 0;
    int second = 0;
};

class Platform {
public:
    virtual ~Platform() = default;
    // A modal message box; returns the button pressed. `defaultButton` is
    // the one Enter presses (the first when not given); closing the box
    // answers Cancel when there is one, else No, else Ok.
    virtual MessageAnswer ShowMessage(
        std::string_view text, std::string_view title, MessageIcon icon,
        MessageButtons buttons = MessageButtons::Ok,
        std::optional<MessageAnswer> defaultButton = std::nullopt) = 0;
    // The file chooser on files matching `pattern` ("*.FIL"), `current`
    // preselected: the chosen full path, empty when cancelled.
    virtual std::string ChooseFile(std::string_view pattern, std::string_view current) = 0;
    // The file chooser for saving: a new or an existing file matching
    // `pattern`, `proposed` preselected; an existing file is chosen only when
    // the user agrees to replace it. The full path, empty when cancelled.
    virtual std::string ChooseSaveFile(std::string_view pattern, std::string_view proposed) = 0;
    // An input box: the typed text, empty when cancelled.
    virtual std::string InputBox(std::string_view prompt, std::string_view title,
                                 std::string_view defaultText) = 0;
    // Starts a program in its own window and waits until it has ended, the
    // user interface staying responsive; false when it cannot be started.
    virtual bool StartAndWait(const std::filesystem::path& program) = 0;
    // The busy (hourglass) pointer over every window, or the normal one.
    // Calls nest: the pointer returns when each SetBusy(true) has had its
    // SetBusy(false).
    virtual void SetBusy(bool busy) = 0;
    // The present instant in universal time, whatever the machine's own
    // zone; the core expresses it in the home zone of the options.
    virtual LocalDateTime Now() const = 0;
    // Regional settings: the date order and whether the clock shows A.M./P.M.
    virtual DateOrder UserDateOrder() const = 0;
    virtual bool TwelveHourClock() const = 0;
};

// The busy pointer for the life of a command, restored however it ends.
class BusyPointer {
public:
    explicit BusyPointer(Platform& platform) : platform_(platform) { platform_.SetBusy(true); }
    ~BusyPointer() { platform_.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Platform& platform_;
};

}  // namespace solvaris
