#include "wheel/intercepted_signs.hpp"

#include "base/option_numbers.hpp"
#include "engine/angles.hpp"
#include "wheel/cusp_labels.hpp"
#include "wheel/house_sizes.hpp"
#include "wheel/point_label.hpp"
#include "wheel/wheel_geometry.hpp"
#include "wheel/wheel_glyphs.hpp"

namespace solvaris {

namespace {

int NextSign(int sign) { return sign % 12 + 1; }

}  // namespace

int InterceptedSign(const CuspSet& cusps, int house) {
    const int first = LabelParts(CuspOfHouse(cusps, house)).sign;
    const int next = LabelParts(CuspOfHouse(cusps, house + 1)).sign;
    return next == NextSign(NextSign(first)) ? NextSign(first) : 0;
}

void DrawInterceptedSigns(WheelTarget& target, const WheelState& state) {
    const HouseSizes sizes = ComputeHouseSizes(state.mainCusps);
    for (int house = 1; house <= 12; ++house) {
        const int sign = InterceptedSign(state.mainCusps, house);
        if (sign == 0) {
            continue;
        }
        const double angle = IsEuropeanSingle(state)
                                 ? OnCircle(EuropeanCuspAngle(state.mainCusps, house) +
                                            HouseSizeOf(sizes, house) / 2)
                                 : OnCircle(AmericanHouseAngle(house) + 15);
        // Outside the circle, where no point's glyph or label reaches, and
        // in the middle of its house, apart from the cusp labels.
        SetGlyphFont(target,
                     SurfaceOption(target, opt::ScreenCuspSignSize, opt::PrinterCuspSignSize));
        target.canvas.SetForeColour(
            SurfaceColour(target, opt::ScreenCuspSignColour, opt::PrinterCuspSignColour));
        const std::string glyph = SignGlyph(sign);
        const auto [x, y] = OutsideCircleCorner(target, angle, target.canvas.TextWidth(glyph),
                                                target.canvas.TextHeight(glyph));
        target.canvas.MoveTo(x, y);
        target.canvas.Print(glyph);
    }
}

}  // namespace solvaris
