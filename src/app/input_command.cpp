#include "app/input_command.hpp"

#include <string>

#include "people/entry_keys.hpp"

namespace solvaris {

void WritePresentMoment(NatalEntryWindow& natal, const LocalDateTime& present) {
    natal.fields.month = std::to_string(present.month);
    natal.fields.day = std::to_string(present.day);
    natal.fields.year = std::to_string(present.year);
    natal.fields.hour = std::to_string(present.hour);
    natal.fields.minute = std::to_string(present.minute);
    natal.fields.pm = present.hour >= 12;
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
        OnHourChanged(natal.fields.hour, natal.fields.pm, platform, false);
    }
}

}  // namespace solvaris
