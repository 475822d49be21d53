#include "cli/house_option.hpp"

#include "base/text_lines.hpp"

namespace solvaris {

std::optional<HouseSystem> HouseSystemFromOption(std::string_view text) {
    for (const HouseSystemInfo& info : kHouseSystems) {
        if (EqualIgnoringCase(info.optionName, text) || EqualIgnoringCase(info.code, text)) {
            return info.system;
        }
    }
    return std::nullopt;
}

std::string HouseOptionValues() {
    std::string names;
    std::string codes;
    for (const HouseSystemInfo& info : kHouseSystems) {
        names += std::string(info.optionName) + ", ";
        codes += " " + std::string(info.code);
    }
    return names + "or the codes" + codes;
}

std::string HouseOptionProblem(const std::string& text) {
    return HouseSystemFromOption(text)
               ? std::string()
               : "no house system '" + text + "' (" + HouseOptionValues() + ")";
}

}  // namespace solvaris
