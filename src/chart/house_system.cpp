#include "chart/house_system.hpp"

#include <vector>

namespace solvaris {

std::string AnyLatitudeSystemsText() {
    std::vector<std::string> named;
    for (const HouseSystemInfo& info : kHouseSystems) {
        if (info.anyLatitude) {
            named.push_back(std::string(info.displayName) + " (" + std::string(info.code) + ")");
        }
    }
    std::string text;
    for (std::size_t k = 0; k < named.size(); ++k) {
        text += k == 0 ? "" : (k + 1 == named.size() ? " and " : ", ");
        text += named[k];
    }
    return text;
}

}  // namespace solvaris
