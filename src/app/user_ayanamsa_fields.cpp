#include "app/user_ayanamsa_fields.hpp"

#include <charconv>

#include "app/option_lines.hpp"
#include "app/zodiac_option_lines.hpp"
#include "engine/ayanamsa.hpp"

namespace solvaris {

namespace {

std::optional<double> NumberOfFieldIn(std::string_view typed, double low, double bound) {
    const std::string text = TrimmedText(typed);
    double value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || fault != std::errc() || end != text.data() + text.size() ||
        !(value >= low && value < bound)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<double> UserAyanamsaDegOfField(std::string_view typed) {
    return NumberOfFieldIn(typed, kLowestUserAyanamsaDeg, kUserAyanamsaDegBound);
}

std::optional<double> UserEpochYearOfField(std::string_view typed) {
    return NumberOfFieldIn(typed, kEarliestUserEpochYear, kUserEpochYearBound);
}

Problem UserAyanamsaFieldsProblem(std::string_view typedDeg, std::string_view typedEpoch) {
    if (!UserAyanamsaDegOfField(typedDeg)) {
        return "The user's ayanamsa must be a number of degrees from 0 up to 360, not '" +
               TrimmedText(typedDeg) + "'. Nothing was saved.";
    }
    if (!UserEpochYearOfField(typedEpoch)) {
        return "The epoch of the user's ayanamsa must be a year from 100 up to 3000 (2000.0 is "
               "J2000), not '" +
               TrimmedText(typedEpoch) + "'. Nothing was saved.";
    }
    return {};
}

std::string UserAyanamsaDegText(double deg) { return TrimmedText(UserAyanamsaDegField(deg)); }

std::string UserEpochYearText(double year) { return TrimmedText(UserEpochYearField(year)); }

std::optional<std::string> TextWithUserAyanamsa(std::string_view text, double deg,
                                                double epochYear) {
    Zodiac zodiac = ZodiacChoiceInText(text);
    zodiac.userDeg = deg;
    zodiac.userEpochJd = JulianEpochJd(epochYear);
    return TextWithZodiac(text, zodiac);
}

double UserAyanamsaDegInText(std::string_view text) { return ZodiacChoiceInText(text).userDeg; }

double UserEpochYearInText(std::string_view text) {
    return JulianEpochYear(ZodiacChoiceInText(text).userEpochJd);
}

}  // namespace solvaris
