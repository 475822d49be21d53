#include "wheel/ring_spread.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <tuple>

#include "engine/angles.hpp"
#include "wheel/house_sizes.hpp"
#include "wheel/ring_parameters.hpp"
#include "wheel/wheel_geometry.hpp"

namespace solvaris {

namespace {

// Placement tries angles this far apart.
constexpr double kTryStepDegrees = 0.25;
// Every box stays this far from a house line and from the next label.
constexpr double kClearUnits = 1.0;
// The house test's reach before a cusp.
constexpr double kOnCuspDegrees = 1.0 / 36000;

double HouseStart(const WheelState& state, int house) {
    return IsEuropeanSingle(state) ? EuropeanCuspAngle(state.mainCusps, house)
                                   : OnCircle(AmericanHouseAngle(house));
}

double HouseSpan(const WheelState& state, int house) {
    return OnCircle(HouseStart(state, house % 12 + 1) - HouseStart(state, house));
}

struct House {
    int number;
    double start;
    double span;
    std::vector<std::size_t> members;  // of layout.placed, by true place
    std::vector<double> target;        // offsets from the house's start
    std::vector<bool> pinned;          // the angles stay at their places
};

// How far into the house an angle lies; an angle outside it (a point the
// house test puts in the house a hair before its cusp) takes the nearer end.
double OffsetInHouse(double angle, const House& house) {
    const double offset = OnCircle(angle + kOnCuspDegrees - house.start);
    if (offset <= house.span) {
        return std::max(0.0, offset - kOnCuspDegrees);
    }
    return offset - house.span < 360 - offset ? house.span : 0;
}

bool InsideHouse(const std::vector<PrintedBox>& boxes, const House& house) {
    for (const PrintedBox& box : boxes) {
        for (const auto& [x, y] :
             {std::pair{box.left, box.top}, std::pair{box.right, box.top},
              std::pair{box.left, box.bottom}, std::pair{box.right, box.bottom}}) {
            const double distance = std::hypot(x, y);
            if (distance < kClearUnits) {
                return false;
            }
            const double margin = RadToDeg(std::asin(std::min(1.0, kClearUnits / distance)));
            const double offset = OnCircle(RadToDeg(std::atan2(y, x)) - house.start);
            if (offset < margin || offset > house.span - margin) {
                return false;
            }
        }
    }
    return true;
}

bool Apart(const std::vector<PrintedBox>& a, const std::vector<PrintedBox>& b) {
    for (const PrintedBox& p : a) {
        for (const PrintedBox& q : b) {
            const double across = std::min(p.right, q.right) - std::max(p.left, q.left);
            const double down = std::min(p.top, q.top) - std::max(p.bottom, q.bottom);
            if (across > -kClearUnits && down > -kClearUnits) {
                return false;
            }
        }
    }
    return true;
}

struct Spreader {
    const WheelState& state;
    RingRole role;
    const WheelData& data;
    const LabelBoxesOf& boxesOf;

    // A single wheel's glyphs keep the radius table of the main ring. In a
    // dual or triple wheel each label stands as far out as the outer circle
    // of its band allows: there the ring is longest, and the band's depth
    // stays free for a label pulled in.
    double RadiusAt(const House& house, std::size_t member, double offset) const {
        const double angle = OnCircle(house.start + offset);
        if (state.layout == WheelLayout::Single) {
            return MainRingRadius(data, angle);
        }
        constexpr double kCircleClearUnits = 1.5;
        const double limit = RingBandOf(role, state.layout).outer - kCircleClearUnits;
        double radius = limit;
        for (int pass = 0; pass < 2; ++pass) {
            double reach = 0;
            for (const PrintedBox& box : boxesOf(house.members[member], angle, radius)) {
                for (const double x : {box.left, box.right}) {
                    for (const double y : {box.top, box.bottom}) {
                        reach = std::max(reach, std::hypot(x, y));
                    }
                }
            }
            radius -= reach - limit;
        }
        return radius;
    }
    std::vector<PrintedBox> BoxesAt(const House& house, std::size_t member, double offset) const {
        return boxesOf(house.members[member], OnCircle(house.start + offset),
                       RadiusAt(house, member, offset));
    }
    bool Fits(const House& house, std::size_t member, double offset) const {
        return InsideHouse(BoxesAt(house, member, offset), house);
    }
    // The nearest and farthest offsets at which the label lies wholly in
    // its house; the middle of the house when it fits nowhere.
    std::pair<double, double> Bounds(const House& house, std::size_t member) const {
        for (double low = 0; low <= house.span; low += kTryStepDegrees) {
            if (Fits(house, member, low)) {
                double high = house.span;
                while (high > low && !Fits(house, member, high)) {
                    high -= kTryStepDegrees;
                }
                return {low, high};
            }
        }
        return {house.span / 2, house.span / 2};
    }
    // The least turn after `offset` at which the next label clears this one.
    double Gap(const House& house, std::size_t member, double offset) const {
        const std::vector<PrintedBox> here = BoxesAt(house, member, offset);
        double gap = 0;
        while (gap < house.span && !Apart(here, BoxesAt(house, member + 1, offset + gap))) {
            gap += kTryStepDegrees;
        }
        return gap;
    }
};

// Too little room: the offsets squeezed evenly between the first's and the
// last's bounds, in order, spaced as their gaps (`before`, their sums) are.
void SqueezeEvenly(std::vector<double>& offset, const std::vector<double>& low,
                   const std::vector<double>& high, const std::vector<double>& before) {
    const std::size_t n = offset.size();
    const double from = std::min(low[0], high[n - 1]);
    const double room = high[n - 1] - from;
    for (std::size_t k = 0; k < n; ++k) {
        offset[k] = from + room * (before[n - 1] > 0 ? before[k] / before[n - 1]
                                                     : static_cast<double>(k) / (n - 1));
    }
}

// Offsets as near the targets as the bounds allow, each at least its gap
// after the one before: runs of points that would crowd one another move
// together to the mean of their targets (pool-adjacent-violators).
std::vector<double> Solve(const std::vector<double>& target, const std::vector<double>& low,
                          const std::vector<double>& high, const std::vector<double>& gap) {
    const std::size_t n = target.size();
    std::vector<double> before(n, 0);  // the sum of the gaps before each
    for (std::size_t k = 1; k < n; ++k) {
        before[k] = before[k - 1] + gap[k - 1];
    }
    struct Run {
        std::size_t first;
        std::size_t last;
        double start;  // offset of the first
    };
    const auto place = [&](Run& run) {
        double sum = 0;
        double lowest = -1e9;
        double highest = 1e9;
        for (std::size_t k = run.first; k <= run.last; ++k) {
            const double shift = before[k] - before[run.first];
            sum += target[k] - shift;
            lowest = std::max(lowest, low[k] - shift);
            highest = std::min(highest, high[k] - shift);
        }
        const double mean = sum / static_cast<double>(run.last - run.first + 1);
        run.start = lowest <= highest ? std::clamp(mean, lowest, highest) : lowest;
    };
    std::vector<Run> runs;
    for (std::size_t k = 0; k < n; ++k) {
        runs.push_back({k, k, 0});
        place(runs.back());
        while (runs.size() > 1) {
            Run& previous = runs[runs.size() - 2];
            const Run& current = runs.back();
            const double previousEnd = previous.start + before[previous.last] -
                                       before[previous.first] + gap[previous.last];
            if (previousEnd <= current.start + 1e-9) {
                break;
            }
            previous.last = current.last;
            runs.pop_back();
            place(runs.back());
        }
    }
    std::vector<double> offset(n, 0);
    for (const Run& run : runs) {
        for (std::size_t k = run.first; k <= run.last; ++k) {
            offset[k] = run.start + before[k] - before[run.first];
        }
    }
    if (n > 1 && offset[n - 1] > high[n - 1] + 1e-9) {
        SqueezeEvenly(offset, low, high, before);
    }
    return offset;
}

// The house's offsets; false when its labels at full size need more room
// than the house has, or (holding the angles) than it has beside them.
bool SpreadHouse(const Spreader& spreader, const House& house, std::vector<double>& offset,
                 bool holdAngles) {
    const std::size_t n = house.members.size();
    std::vector<double> low(n);
    std::vector<double> high(n);
    for (std::size_t k = 0; k < n; ++k) {
        std::tie(low[k], high[k]) = spreader.Bounds(house, k);
        if (holdAngles && house.pinned[k]) {
            low[k] = high[k] = std::clamp(house.target[k], low[k], high[k]);
        }
    }
    // The gaps depend on where the labels stand: measured at the true
    // places, then again where the first solution put them.
    std::vector<double> gap(n, 0);
    offset = house.target;
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t k = 0; k + 1 < n; ++k) {
            gap[k] = std::max(gap[k], spreader.Gap(house, k, offset[k]));
        }
        offset = Solve(house.target, low, high, gap);
    }
    // An angle held where the labels beside it cannot make way moves with
    // them after all.
    // An angle held where the labels beside it cannot make way: the house
    // is too crowded with the angles at their places.
    for (std::size_t k = 0; holdAngles && k < n; ++k) {
        if (offset[k] < low[k] - 1e-9 || offset[k] > high[k] + 1e-9 ||
            (k + 1 < n && offset[k + 1] - offset[k] < gap[k] - 1e-9)) {
            return false;
        }
    }
    const double needed = std::accumulate(gap.begin(), gap.end(), 0.0);
    return needed <= high[n - 1] - low[0] + 1e-9;
}

}  // namespace

bool LabelInsideHouse(const WheelState& state, int house, const std::vector<PrintedBox>& boxes) {
    return InsideHouse(boxes,
                       House{house, HouseStart(state, house), HouseSpan(state, house), {}, {}, {}});
}

double TrueAngle(const WheelState& state, const PlacedPoint& placed) {
    if (IsEuropeanSingle(state)) {
        return EuropeanAngle(placed.longitude, state.mainCusps);
    }
    const double size = HouseSizeOf(ComputeHouseSizes(state.mainCusps), placed.house);
    // The house test counts a point a hair before a cusp as on it (the
    // Midheaven on the 10th cusp): it begins the house, not ends it.
    const double into =
        OnCircle(placed.longitude + kOnCuspDegrees - CuspOfHouse(state.mainCusps, placed.house));
    const double share = size > 0 ? std::clamp(into / size, 0.0, 1.0) : 0;
    return OnCircle(AmericanHouseAngle(placed.house) + 30 * share);
}

namespace {

// The house's points in the order of their true places, with the offsets
// they aim at; the angles pinned.
House HouseMembers(const RingLayout& layout, const WheelState& state, int h) {
    House house{h, HouseStart(state, h), HouseSpan(state, h), {}, {}, {}};
    std::vector<std::pair<double, std::size_t>> byPlace;
    for (std::size_t i = 0; i < layout.placed.size(); ++i) {
        if (layout.placed[i].house == h) {
            byPlace.push_back({OffsetInHouse(TrueAngle(state, layout.placed[i]), house), i});
        }
    }
    std::stable_sort(byPlace.begin(), byPlace.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [offset, i] : byPlace) {
        house.members.push_back(i);
        house.target.push_back(offset);
        const int point = layout.placed[i].point;
        house.pinned.push_back(point == Ascendant || point == Midheaven);
    }
    return house;
}

// The house's point least asked for taken out of it: its index in the
// layout; nothing when none may be left out.
std::optional<std::size_t> LeaveOneOut(const RingLayout& layout, House& house) {
    auto out = house.members.end();
    for (const int point : kLeftOutWhenCrowded) {
        if (out == house.members.end()) {
            out = std::find_if(house.members.begin(), house.members.end(),
                               [&](std::size_t i) { return layout.placed[i].point == point; });
        }
    }
    if (out == house.members.end()) {
        return std::nullopt;
    }
    const std::size_t index = *out;
    const auto at = out - house.members.begin();
    house.target.erase(house.target.begin() + at);
    house.pinned.erase(house.pinned.begin() + at);
    house.members.erase(out);
    return index;
}

}  // namespace

std::vector<std::size_t> SpreadRing(RingLayout& layout, const WheelState& state, RingRole role,
                                    const WheelData& data, const LabelBoxesOf& boxesOf) {
    std::vector<std::size_t> leftOut;
    const Spreader spreader{state, role, data, boxesOf};
    for (int h = 1; h <= 12; ++h) {
        House house = HouseMembers(layout, state, h);
        if (house.members.empty()) {
            continue;
        }
        std::vector<double> offset;
        bool holdAngles = true;
        while (!SpreadHouse(spreader, house, offset, holdAngles)) {
            // Too little room at full size: a point is left out, as from a
            // house with more points than slots.
            if (const auto out = LeaveOneOut(layout, house)) {
                leftOut.push_back(*out);
                continue;
            }
            // Nothing left to leave out: the angles make way too.
            if (holdAngles) {
                holdAngles = false;
                continue;
            }
            break;
        }
        const std::size_t n = house.members.size();
        for (std::size_t k = 0; k < n; ++k) {
            PlacedPoint& placed = layout.placed[house.members[k]];
            placed.angleDegrees = OnCircle(house.start + offset[k]);
            placed.radius = spreader.RadiusAt(house, k, offset[k]);
        }
    }
    std::sort(leftOut.begin(), leftOut.end());
    return leftOut;
}

}  // namespace solvaris
