#include "app/harmonic_option_lines.hpp"

#include "app/option_lines.hpp"
#include "app/zodiac_option_lines.hpp"
#include "base/option_numbers.hpp"
#include "base/options.hpp"
#include "chart/harmonic_chart.hpp"

namespace solvaris {

namespace {

constexpr std::size_t kValueWidth = 7;

std::string ValueField(int value) {
    std::string field = "    " + std::to_string(value);
    field.resize(kValueWidth, ' ');
    return field;
}

}  // namespace

int HarmonicInText(std::string_view text) {
    const OptionLines split = SplitOptionLines(text);
    const std::vector<float> values = ValueLines(split.lines, opt::Harmonic);
    OptionTable table;
    if (values.size() >= opt::Harmonic) {
        table.Set(opt::Harmonic, values[opt::Harmonic - 1]);
    }
    return HarmonicOfOption(table);
}

std::optional<std::string> TextWithHarmonic(std::string_view text, int n) {
    if (!ZodiacLinesWritable(text) || HarmonicInText(text) == n) {
        return std::nullopt;
    }
    std::string full(text);
    if (SplitOptionLines(full).optionCount < opt::UserAyanamsaEpochYear) {
        full = *TextWithZodiac(full, ZodiacChoiceInText(full));
    }
    OptionLines split = SplitOptionLines(full);
    const auto insertAt = [&](std::size_t line, std::string content) {
        split.lines.insert(split.lines.begin() + static_cast<std::ptrdiff_t>(line - 1),
                           std::move(content));
        ++split.optionCount;
    };
    if (split.optionCount < opt::MidpointOrbDeg) {
        insertAt(opt::MidpointOrbDeg, "    1.5  Midpoint orb in degrees (planetary pictures)");
    }
    const std::string field = ValueField(n);
    if (split.optionCount < opt::Harmonic) {
        insertAt(opt::Harmonic, field + "Harmonic of the natal wheel and report: 1 = natal, 2-180");
    } else {
        std::string& existing = split.lines[opt::Harmonic - 1];
        existing = field + (existing.size() > kValueWidth ? existing.substr(kValueWidth) : "");
    }
    std::string rewritten = JoinOptionLines(split);
    if (rewritten == text) {
        return std::nullopt;
    }
    return rewritten;
}

}  // namespace solvaris
