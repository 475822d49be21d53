// The order in which a ring's points are placed: by increasing longitude,
// house by house, starting with a house boundary so that a house spanning
// 0 Aries is not split in two.
#pragma once

#include <string_view>
#include <vector>

namespace solvaris {

struct RingEntry {
    int point;  // wheel point 1-22
    double longitude;
    int house;                // 1-12
    bool retrograde = false;  // of an extra point
};

// The house number at the start of point p's 10-character field of a
// house-position text ("10TH HOUSE", " 1ST HOUSE"); 0 when the field holds
// no house 1-12.
int HouseNumberOf(std::string_view houseText, int point);

// The entries sorted largest longitude first (an exchange sort, so that
// ties fall as they always have), then turned one place at a time while
// the first and the last lie in the same house; returned last to first,
// which is the placement order.
std::vector<RingEntry> RingVisitOrder(std::vector<RingEntry> entries);

}  // namespace solvaris
