// What the core asks of the desktop: message boxes, the clock and the
// user's regional settings. The Qt side and the headless side implement it.
#pragma once

#include <string>
#include <string_view>

#include "engine/calendar.hpp"

namespace solvaris {

enum class MessageIcon { Information, Exclamation, Question, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

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
    // A modal message box; returns the button pressed.
    virtual MessageAnswer ShowMessage(std::string_view text, std::string_view title,
                                      MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;
    virtual LocalDateTime Now() const = 0;
    // Regional settings: the date order and whether the clock shows A.M./P.M.
    virtual DateOrder UserDateOrder() const = 0;
    virtual bool TwelveHourClock() const = 0;
};

}  // namespace solvaris
