// --zodiac tropical|sidereal and --ayanamsa NAME (with --ayanamsa-value DEG
// and --ayanamsa-epoch YEAR for the user's own), on every command that
// computes positions: they override the options file's choice for one run.
#pragma once

#include <string>

#include "app/session.hpp"
#include "cli/option_parser.hpp"

namespace solvaris {

struct ZodiacOptionTexts {
    std::string zodiac;    // "tropical", "sidereal" or empty
    std::string ayanamsa;  // an AyanamsaWord or empty
    std::string userValue;
    std::string userEpoch;
};

void DeclareZodiacOptions(CLI::App& app, ZodiacOptionTexts& texts);

// The typed choice into the session's option table; an ayanamsa named
// without --zodiac chooses the sidereal zodiac.
void ApplyZodiacOptions(const ZodiacOptionTexts& texts, Session& session);

}  // namespace solvaris
