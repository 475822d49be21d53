#include "app/extra_points_option_lines.hpp"

#include "app/late_option_lines.hpp"
#include "base/option_numbers.hpp"

namespace solvaris {

bool ExtraPointsInText(std::string_view text) {
    return OptionsInText(text, opt::ExtraPoints)(opt::ExtraPoints) == 1;
}

std::optional<std::string> TextWithExtraPoints(std::string_view text, bool shown) {
    if (ExtraPointsInText(text) == shown) {
        return std::nullopt;
    }
    return TextWithLateOption(text, opt::ExtraPoints, shown ? 1 : 0);
}

}  // namespace solvaris
