#include "wheel/ring_parameters.hpp"

namespace solvaris {

namespace {

const RingParameters kMainRing{
    7,
    4.0,
    {0, 180, 209, 240, 272, 304, 335, 4, 34, 65, 95, 124, 153},
    {0, 217, 212, 201, 196, 194, 197, 199, 202, 206, 208, 212, 217},
};

const RingParameters kDualInnerRing{
    5,
    5.3,
    {0, 181, 209, 240, 273, 306, 337, 7, 37, 68, 96, 126, 154},
    {0, 138, 130, 123, 119, 120, 121, 126, 126, 129, 132, 137, 139},
};

const RingParameters kTripleMiddleRing{
    7,
    3.9,
    {0, 180, 209, 240, 272, 305, 335, 5, 34, 65, 95, 125, 153},
    {0, 165, 160, 147, 145, 144, 146, 152, 152, 152, 156, 163, 165},
};

const RingParameters kTripleInnerRing{
    5,
    5.3,
    {0, 181, 210, 241, 273, 306, 337, 8, 37, 67, 96, 125, 153},
    {0, 106, 101, 97, 94, 93, 94, 97, 100, 103, 105, 109, 110},
};

// A label with minutes and mark is about 45 units long at the shipped
// sizes, one without minutes about 41 at its longest (a diagonal one with
// its mark).
constexpr double kDualMainInner = 168;
constexpr double kTripleMainInner = 175;
constexpr double kTripleMiddleInner = 134;

}  // namespace

const RingParameters& RingParametersOf(RingRole role, WheelLayout layout) {
    switch (role) {
        case RingRole::Main: return kMainRing;
        case RingRole::Middle: return kTripleMiddleRing;
        case RingRole::Inner:
            return layout == WheelLayout::Triple ? kTripleInnerRing : kDualInnerRing;
    }
    return kMainRing;
}

RingBand RingBandOf(RingRole role, WheelLayout layout) {
    constexpr double kOuterCircle = 217;
    constexpr double kHouseNumberCircle = 62;
    switch (role) {
        case RingRole::Main:
            return {layout == WheelLayout::Single ? 120
                    : layout == WheelLayout::Dual ? kDualMainInner
                                                  : kTripleMainInner,
                    kOuterCircle};
        case RingRole::Middle: return {kTripleMiddleInner, kTripleMainInner};
        case RingRole::Inner:
            return {kHouseNumberCircle,
                    layout == WheelLayout::Triple ? kTripleMiddleInner : kDualMainInner};
    }
    return {120, kOuterCircle};
}

const PointArray& RingLongitudes(const WheelState& state, RingRole role) {
    if (role == RingRole::Main) {
        return state.mainSet;
    }
    return role == RingRole::Inner && state.layout == WheelLayout::Triple ? state.thirdSet
                                                                          : state.secondSet;
}

const std::string& RingMarks(const WheelState& state, RingRole role) {
    if (role == RingRole::Main) {
        return state.mainMarks;
    }
    return role == RingRole::Inner && state.layout == WheelLayout::Triple ? state.thirdMarks
                                                                          : state.secondMarks;
}

const std::vector<ExtraPlace>& RingExtraPoints(const WheelState& state, RingRole role) {
    if (role == RingRole::Main) {
        return state.mainExtra;
    }
    return role == RingRole::Inner && state.layout == WheelLayout::Triple ? state.thirdExtra
                                                                          : state.secondExtra;
}

}  // namespace solvaris
