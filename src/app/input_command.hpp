// The main menu's Input command as far as it touches the session and the
// entry records; the windows it shows and closes are the shell's part.
#pragma once

#include "app/session.hpp"
#include "people/entry_fields.hpp"
#include "platform/platform.hpp"

namespace solvaris {

inline constexpr const char* kPresentMomentName = "Now";

// The session's line count reset, the second chart's name cleared, the
// second-person mode left unless InputD1 still asks for it, and a "Now"
// entry given the present moment of the home clock, its hour then put right
// as the hour field does (14 becomes 2 P.M.).
void RunInputCommand(Session& session, NatalEntryWindow& natal, const DiurnalEntryWindow& diurnal,
                     const LocalDateTime& present, Platform& platform);

// The present moment as the Input command writes it into the date and time
// fields: month, day, year, the hour 0 to 23, the minute, and P.M. from noon
// on (a 12-hour clock's time text ends in "PM" exactly then).
void WritePresentMoment(NatalEntryWindow& natal, const LocalDateTime& present);

}  // namespace solvaris
