#include "wheel/wheel_state.hpp"

namespace solvaris {

void LoadWheel(WheelState& state, const WheelSetup& setup) {
    state.layout = static_cast<WheelLayout>(setup.layout);
    state.family = static_cast<WheelFamily>(setup.family);
    state.returnKind = static_cast<int>(setup.kind);
    state.mainSet = setup.longitude;
    state.mainCusps = setup.cusps;
    state.mainMarks = setup.texts.retrogradeMarks;
    state.mainHouses = setup.texts.housePositionText;
    state.secondSet = setup.second.longitude;
    state.secondMarks = setup.second.retrogradeMarks;
    state.thirdSet = setup.third.longitude;
    state.thirdMarks = setup.third.retrogradeMarks;
    state.mainExtra = setup.extraPoints;
    state.secondExtra = setup.second.extraPoints;
    state.thirdExtra = setup.third.extraPoints;
    state.heading1 = setup.innerHeader;
    state.heading2 = setup.secondHeader;
    state.swapDone = false;
    state.slotOf = kNoSlots;
    state.angleOf = {};
    if (IsNinetyDegreeWheel(state)) {
        state.chartType = 0;
    }
}

bool IsEuropeanSingle(const WheelState& state) {
    return state.chartType == 1 && state.family == WheelFamily::Single &&
           state.layout == WheelLayout::Single;
}

bool IsNinetyDegreeWheel(const WheelState& state) {
    return state.heading1[0].ends_with("90 degree wheel");
}

bool AspectsMenuEnabled(const WheelState& state) { return state.family != WheelFamily::Triple; }

std::string WheelCaption(std::string_view titleText) {
    return std::string(titleText) + "Chartwheels";
}

}  // namespace solvaris
