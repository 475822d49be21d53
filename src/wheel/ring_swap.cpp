#include "wheel/ring_swap.hpp"

#include <utility>

#include "chart/house_cusps.hpp"

namespace solvaris {

void SwapRingsForOption216(WheelState& state, bool secondPersonChecked) {
    if (state.swapDone || state.layout != WheelLayout::Dual || secondPersonChecked) {
        return;
    }
    std::swap(state.mainSet, state.secondSet);
    std::swap(state.mainMarks, state.secondMarks);
    std::swap(state.mainExtra, state.secondExtra);
    HousePositions(state.mainSet, state.mainCusps, state.mainHouses);
    state.swapDone = true;
}

}  // namespace solvaris
