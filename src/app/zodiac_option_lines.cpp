#include "app/zodiac_option_lines.hpp"

#include <array>
#include <cmath>
#include <cstdio>

#include "app/ephemeris_choice.hpp"
#include "app/option_lines.hpp"
#include "base/option_numbers.hpp"
#include "base/options.hpp"
#include "chart/zodiac.hpp"

namespace solvaris {

namespace {

constexpr std::size_t kValueWidth = 7;
constexpr std::size_t kFirstLine = opt::Zodiac;
constexpr std::size_t kLastLine = opt::UserAyanamsaEpochYear;

constexpr std::array<std::string_view, 4> kDescriptions{
    "Zodiac: 0 = tropical, 1 = sidereal",
    "Ayanamsa: 0 = Lahiri, 1 = Fagan/Bradley, 2 = Krishnamurti, 3 = Raman, 4 = the user's",
    "The user's ayanamsa in degrees at its epoch",
    "The epoch of the user's ayanamsa, a year (2000.0 is J2000)",
};

// A value in the 7 characters that the options are read from.
std::string ValueField(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string field = text;
    field.resize(kValueWidth, ' ');
    return field;
}

std::array<std::string, 4> ValueFields(const Zodiac& zodiac) {
    return {"    " + std::string(zodiac.sidereal ? "1" : "0") + "  ",
            "    " + std::to_string(static_cast<int>(zodiac.ayanamsa)) + "  ",
            UserAyanamsaDegField(zodiac.userDeg),
            UserEpochYearField(JulianEpochYear(zodiac.userEpochJd))};
}

}  // namespace

std::string UserAyanamsaDegField(double deg) {
    // The decimals are chosen for the value as rounded to them, so that
    // 99.99996 is written 100.000 in the field's seven places; what rounds
    // to 360 is the whole circle, written 0.
    const int decimals = std::round(deg * 1e4) / 1e4 >= 100 ? 3 : 4;
    const double scale = decimals == 3 ? 1e3 : 1e4;
    const double rounded = std::round(deg * scale) / scale;
    return ValueField(rounded >= 360 ? 0 : rounded, rounded >= 360 ? 4 : decimals);
}

std::string UserEpochYearField(double year) {
    // The decimals the field has room for after the whole years and the
    // point; the trailing zeros beyond the first dropped.
    char whole[32];
    const int wholeWidth = std::snprintf(whole, sizeof whole, "%.0f", year);
    const int room = static_cast<int>(kValueWidth) - wholeWidth - 1;
    std::string field = ValueField(year, room > 1 ? room : 1);
    const auto point = field.find('.');
    auto last = field.find_last_not_of(' ');
    while (point != std::string::npos && last > point + 1 && field[last] == '0') {
        field[last--] = ' ';
    }
    return field;
}

Zodiac ZodiacChoiceInText(std::string_view text) {
    const OptionLines split = SplitOptionLines(text);
    const std::vector<float> values = ValueLines(split.lines, kLastLine);
    OptionTable table;
    for (std::size_t n = kFirstLine; n <= values.size(); ++n) {
        table.Set(static_cast<int>(n), values[n - 1]);
    }
    return ChosenZodiac(table);
}

bool ZodiacLinesWritable(std::string_view text) {
    return SplitOptionLines(text).optionCount >= opt::PositionsEngine;
}

std::optional<std::string> TextWithZodiac(std::string_view text, const Zodiac& zodiac) {
    OptionLines split = SplitOptionLines(text);
    if (split.optionCount < opt::PositionsEngine) {
        return std::nullopt;
    }
    const auto insertAt = [&](std::size_t line, std::string content) {
        split.lines.insert(split.lines.begin() + static_cast<std::ptrdiff_t>(line - 1),
                           std::move(content));
        ++split.optionCount;
    };
    if (split.optionCount < opt::PositionsFilesFolder) {
        insertAt(opt::PositionsFilesFolder, std::string(kEphemerisFilesLabel));
    }
    const std::array<std::string, 4> fields = ValueFields(zodiac);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t line = kFirstLine + i;
        if (split.optionCount < line) {
            insertAt(line, fields[i] + std::string(kDescriptions[i]));
            continue;
        }
        std::string& existing = split.lines[line - 1];
        existing = fields[i] +
                   (existing.size() > kValueWidth ? existing.substr(kValueWidth) : std::string());
    }
    std::string rewritten = JoinOptionLines(split);
    if (rewritten == text) {
        return std::nullopt;
    }
    return rewritten;
}

}  // namespace solvaris
