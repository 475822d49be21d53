#include "app/late_option_lines.hpp"

#include <array>

#include "app/option_lines.hpp"
#include "app/zodiac_option_lines.hpp"
#include "base/option_numbers.hpp"

namespace solvaris {

namespace {

constexpr std::size_t kValueWidth = 7;

// Option 223 on: the value and the description of the line added for it.
struct LateLine {
    const char* value;
    const char* description;
};
constexpr std::array<LateLine, 3> kLateLines = {{
    {"    1.5  ", "Midpoint orb in degrees (planetary pictures)"},
    {"    1  ", "Harmonic of the natal wheel and report: 1 = natal, 2-180"},
    {"    0  ", "Extra points: 1 = Lilith, Chiron and the asteroids shown"},
}};

std::string ValueField(int value) {
    std::string field = "    " + std::to_string(value);
    field.resize(kValueWidth, ' ');
    return field;
}

}  // namespace

OptionTable OptionsInText(std::string_view text, std::size_t last) {
    const std::vector<float> values = ValueLines(SplitOptionLines(text).lines, last);
    OptionTable table;
    for (std::size_t n = 1; n <= values.size(); ++n) {
        table.Set(static_cast<int>(n), values[n - 1]);
    }
    return table;
}

std::optional<std::string> TextWithLateOption(std::string_view text, std::size_t number,
                                              int value) {
    if (!ZodiacLinesWritable(text)) {
        return std::nullopt;
    }
    std::string full(text);
    if (SplitOptionLines(full).optionCount < opt::UserAyanamsaEpochYear) {
        full = *TextWithZodiac(full, ZodiacChoiceInText(full));
    }
    OptionLines split = SplitOptionLines(full);
    const std::string field = ValueField(value);
    for (std::size_t line = opt::MidpointOrbDeg; line <= number; ++line) {
        const LateLine& late = kLateLines[line - opt::MidpointOrbDeg];
        if (split.optionCount < line) {
            split.lines.insert(
                split.lines.begin() + static_cast<std::ptrdiff_t>(line - 1),
                (line == number ? field : late.value) + std::string(late.description));
            ++split.optionCount;
        } else if (line == number) {
            std::string& existing = split.lines[line - 1];
            existing = field + (existing.size() > kValueWidth ? existing.substr(kValueWidth) : "");
        }
    }
    std::string rewritten = JoinOptionLines(split);
    if (rewritten == text) {
        return std::nullopt;
    }
    return rewritten;
}

}  // namespace solvaris
