#include "cli/position_instants.hpp"

#include "base/number_text.hpp"
#include "engine/calendar.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

double FirstAcceptedJd() { return JulianDayNumber(kFirstNatalYear, 1, 1) - 0.5; }
double LastAcceptedJd() { return JulianDayNumber(kLastEntryYear, 12, 31) + 0.5; }

std::string AcceptedSpanText() {
    return "the years " + std::to_string(kFirstNatalYear) + " to " +
           std::to_string(kLastEntryYear) + ", JD " + FixedDecimals(FirstAcceptedJd(), 1) + " to " +
           FixedDecimals(LastAcceptedJd(), 1);
}

std::string JdProblem(const std::string& text) {
    const auto jd = ParseNumber(text);
    if (!jd) {
        return "malformed value '" + text + "'";
    }
    return *jd >= FirstAcceptedJd() && *jd < LastAcceptedJd()
               ? std::string()
               : "'" + text + "' lies outside " + AcceptedSpanText();
}

}  // namespace solvaris
