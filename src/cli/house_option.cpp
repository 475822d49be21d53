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

}  // namespace solvaris
