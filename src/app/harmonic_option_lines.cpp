#include "app/harmonic_option_lines.hpp"

#include "app/late_option_lines.hpp"
#include "base/option_numbers.hpp"
#include "chart/harmonic_chart.hpp"

namespace solvaris {

int HarmonicInText(std::string_view text) {
    return HarmonicOfOption(OptionsInText(text, opt::Harmonic));
}

std::optional<std::string> TextWithHarmonic(std::string_view text, int n) {
    if (HarmonicInText(text) == n) {
        return std::nullopt;
    }
    return TextWithLateOption(text, opt::Harmonic, n);
}

}  // namespace solvaris
