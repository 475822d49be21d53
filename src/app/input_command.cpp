#include "app/input_command.hpp"

#include <string>

#include "people/entry_keys.hpp"

namespace solvaris {

void WritePresentMoment(NatalEntryWindow& natal, const LocalDateTime& present) {
    natal.txtMonth = std::to_string(present.month);
    natal.txtDay = std::to_string(present.day);
    natal.txtYear = std::to_string(present.year);
    natal.txtBirthHour = std::to_string(present.hour);
    natal.txtBirthMinute = std::to_string(present.minute);
    natal.optPM = present.hour >= 12;
}

void RunInputCommand(Session& session, NatalEntryWindow& natal, const DiurnalEntryWindow& diurnal,
                     const LocalDateTime& present, Platform& platform) {
    session.reports.EmptySession();
    session.secondPersonName.clear();
    if (!diurnal.chk2ndPerson) {
        session.secondPerson = false;
    }
    if (natal.txtName == kPresentMomentName) {
        WritePresentMoment(natal, present);
        // The hour field takes "14" as a typed 14: 2 and P.M., which the
        // chart's checks accept.
        OnHourChanged(natal.txtBirthHour, natal.optPM, platform, false);
    }
}

}  // namespace solvaris
