#include "cli/harmonic_option.hpp"

#include "base/number_text.hpp"
#include "base/option_numbers.hpp"
#include "chart/harmonic_chart.hpp"

namespace solvaris {

void DeclareHarmonicOption(CLI::App& app, std::string& text, const std::string& help) {
    AddValue(app, "--harmonic", text, "N", help, [](const std::string& typed) {
        const auto n = ParseInteger(typed);
        return n && *n >= 1 && *n <= kMostHarmonic
                   ? std::string()
                   : "a whole number from 1 to 180, not '" + typed + "'";
    });
}

void ApplyHarmonicOption(const std::string& text, Session& session) {
    if (const auto n = ParseInteger(text)) {
        session.options.Set(opt::Harmonic, static_cast<float>(*n));
    }
}

}  // namespace solvaris
