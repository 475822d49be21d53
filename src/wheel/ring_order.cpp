#include "wheel/ring_order.hpp"

#include <algorithm>
#include <cctype>
#include <utility>

namespace solvaris {

int HouseNumberOf(std::string_view houseText, int point) {
    const std::size_t start = 10 * static_cast<std::size_t>(point - 1);
    if (point < 1 || start >= houseText.size()) {
        return 0;
    }
    std::string_view field = houseText.substr(start, 10);
    while (!field.empty() && field.front() == ' ') {
        field.remove_prefix(1);
    }
    int house = 0;
    for (std::size_t i = 0; i < field.size() && i < 2 && std::isdigit(uint8_t(field[i])); ++i) {
        house = 10 * house + (field[i] - '0');
    }
    return house >= 1 && house <= 12 ? house : 0;
}

std::vector<RingEntry> RingVisitOrder(std::vector<RingEntry> entries) {
    const std::size_t n = entries.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (entries[j].longitude > entries[i].longitude) {
                std::swap(entries[i], entries[j]);
            }
        }
    }
    // At most n - 1 turns: a ring whose points all share one house has no
    // boundary to start from.
    for (std::size_t turns = 0; turns + 1 < n && entries.front().house == entries.back().house;
         ++turns) {
        std::rotate(entries.rbegin(), entries.rbegin() + 1, entries.rend());
    }
    std::reverse(entries.begin(), entries.end());
    return entries;
}

}  // namespace solvaris
