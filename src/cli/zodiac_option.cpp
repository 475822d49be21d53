#include "cli/zodiac_option.hpp"

#include "app/user_ayanamsa_fields.hpp"
#include "base/option_numbers.hpp"
#include "engine/ayanamsa.hpp"

namespace solvaris {

void DeclareZodiacOptions(CLI::App& app, ZodiacOptionTexts& texts) {
    AddChoice(app, "--zodiac", texts.zodiac, {"tropical", "sidereal"}, "zodiac",
              "the longitudes in the tropical or the sidereal zodiac (default: option 219 of "
              "OPTIONS.OPT)");
    AddChoice(app, "--ayanamsa", texts.ayanamsa,
              {"lahiri", "fagan-bradley", "krishnamurti", "raman", "user"}, "ayanamsa",
              "the sidereal zodiac's ayanamsa (default: option 220); user: --ayanamsa-value at "
              "--ayanamsa-epoch");
    AddValue(app, "--ayanamsa-value", texts.userValue, "DEG",
             "the user's ayanamsa in degrees at its epoch (default: option 221)",
             [](const std::string& text) {
                 return UserAyanamsaDegOfField(text) ? std::string()
                                                     : "degrees from 0 to 360, not '" + text + "'";
             });
    AddValue(app, "--ayanamsa-epoch", texts.userEpoch, "YEAR",
             "the year of the user's ayanamsa, 2000.0 for J2000 (default: option 222)",
             [](const std::string& text) {
                 return UserEpochYearOfField(text) ? std::string()
                                                   : "a year from 100 to 2999, not '" + text + "'";
             });
}

void ApplyZodiacOptions(const ZodiacOptionTexts& texts, Session& session) {
    OptionTable& options = session.options;
    if (!texts.ayanamsa.empty()) {
        options.Set(opt::Ayanamsa, static_cast<float>(*AyanamsaOfWord(texts.ayanamsa)));
        options.Set(opt::Zodiac, 1);
    }
    if (!texts.zodiac.empty()) {
        options.Set(opt::Zodiac, texts.zodiac == "sidereal" ? 1.0f : 0.0f);
    }
    if (const auto value = UserAyanamsaDegOfField(texts.userValue)) {
        options.Set(opt::UserAyanamsaDeg, static_cast<float>(*value));
    }
    if (const auto epoch = UserEpochYearOfField(texts.userEpoch)) {
        options.Set(opt::UserAyanamsaEpochYear, static_cast<float>(*epoch));
    }
}

}  // namespace solvaris
