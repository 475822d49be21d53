// The chart wheel's own copy of what it draws: the rings, the main chart's
// cusps and houses, the headings, the drawing style and the few flags a
// paint pass and the window commands share. One instance per session; the
// wheel redraws from it on every paint.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/horary_glyphs.hpp"
#include "chart/chart_kinds.hpp"
#include "chart/chart_store.hpp"
#include "engine/chart_point.hpp"
#include "engine/extra_points.hpp"

namespace solvaris {

enum class WheelPrintMode { None, FullPage, HalfPage };

// The ring a placement pass draws. The numbers are those RingInProgress
// holds: the main (outermost) ring 1, the innermost ring 0, the middle ring
// of a triple wheel 2.
enum class RingRole { Inner = 0, Main = 1, Middle = 2 };

// How many charts the wheel draws as rings: one, two or three. The numbers
// are those of WheelSetup::layout.
enum class WheelLayout { Single = 0, Dual = 1, Triple = 2 };

// The Wheels menu's family of commands the wheel was drawn by. The numbers
// are those of WheelSetup::family.
enum class WheelFamily { Single = 1, Dual = 2, Triple = 3 };

// Per house slot 1-12 (slot 1 the 10th house), index 0 unused.
using HouseSizes = std::array<double, kCuspCount + 1>;

// The points a ring draws: the chart points 1-15, then the extra points
// the chart shows when they are turned on, by their numbers (PointNumberOf).
inline constexpr int kWheelPointCount = kPointCount + kExtraPointCount;
static_assert(kWheelPointCount == kGlyphPointCount);

// Per wheel point 1-22, index 0 unused.
using PointSlots = std::array<int, kWheelPointCount + 1>;
using WheelPointAngles = std::array<double, kWheelPointCount + 1>;
// No point placed yet.
inline constexpr PointSlots kNoSlots = [] {
    PointSlots slots{};
    slots.fill(-1);
    return slots;
}();

struct WheelState {
    WheelLayout layout = WheelLayout::Single;
    WheelFamily family = WheelFamily::Single;
    int returnKind = 0;  // chart kind: 0 natal ... 4 solar, 5 lunar return
    int chartType = 0;   // 0 American, 1 European
    int scale = 244;     // half-width of the drawing in wheel units

    PointArray mainSet{};
    CuspSet mainCusps{};
    std::string mainMarks = kNoRetrogradeMarks;
    std::string mainHouses;  // fifteen 10-character house fields
    PointArray secondSet{};  // dual: the second chart; triple: the middle ring
    std::string secondMarks = kNoRetrogradeMarks;
    PointArray thirdSet{};  // triple: the innermost ring
    std::string thirdMarks = kNoRetrogradeMarks;
    // Each ring's extra points, in the chart's zodiac; none unless shown.
    std::vector<ExtraPlace> mainExtra;
    std::vector<ExtraPlace> secondExtra;
    std::vector<ExtraPlace> thirdExtra;
    HouseSizes houseSize{};

    HeaderLines heading1;  // the main chart's lines
    HeaderLines heading2;  // the second chart's lines and the ring legend

    bool swapDone = false;  // main and second sets exchanged for option 216
    bool switchFlag = false;
    WheelPrintMode printMode = WheelPrintMode::None;
    bool suppressPaint = false;

    // Where the last main-ring placement put each point: its slot in its
    // house (-1 when not drawn) and the wheel angle of its glyph. The aspect
    // lines and the ASCII chart read them.
    PointSlots slotOf = kNoSlots;
    WheelPointAngles angleOf{};
};

// The window load: the prepared centre set, cusps, marks and houses become
// the main chart, the rings and headings are copied, and the swap for
// option 216 may happen once more. A 90-degree wheel is always American.
void LoadWheel(WheelState& state, const WheelSetup& setup);

// The zodiac drawn to scale: the European type, for the single-wheel family
// only.
bool IsEuropeanSingle(const WheelState& state);

// Line 1 of the first heading ends with "90 degree wheel": no aspect lines,
// no European type, no Switch.
bool IsNinetyDegreeWheel(const WheelState& state);

// The aspects command is offered for every family but the triple wheels.
bool AspectsMenuEnabled(const WheelState& state);

// The window's caption.
std::string WheelCaption(std::string_view titleText);

}  // namespace solvaris
