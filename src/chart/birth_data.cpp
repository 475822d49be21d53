#include "chart/birth_data.hpp"

namespace solvaris {

namespace {
bool BeforeBirthday(const BirthData& natal, const BirthData& diurnal) {
    return diurnal.month < natal.month || (diurnal.month == natal.month && diurnal.day < natal.day);
}
}  // namespace

std::int16_t AgeYears(const BirthData& natal, const BirthData& diurnal) {
    return static_cast<std::int16_t>(diurnal.year - natal.year -
                                     (BeforeBirthday(natal, diurnal) ? 1 : 0));
}

std::int16_t LastBirthdayYear(const BirthData& natal, const BirthData& diurnal) {
    return static_cast<std::int16_t>(diurnal.year - (BeforeBirthday(natal, diurnal) ? 1 : 0));
}

}  // namespace solvaris
