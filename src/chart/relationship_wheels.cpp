#include "chart/relationship_wheels.hpp"

#include <cmath>

#include "base/format_pattern.hpp"
#include "chart/angles.hpp"
#include "chart/composite_chart.hpp"
#include "chart/davison_chart.hpp"

namespace solvaris {

namespace {

std::string Names(const WheelInputs& in) {
    return in.natal.name + " / " +
           (in.secondPerson ? in.secondPersonName : std::string("Second chart"));
}

WheelSetup SingleWheel(const WheelInputs& in) {
    WheelSetup w;
    w.layout = 0;
    w.family = 1;
    w.orbFileName = "NATAL.ORB";
    w.kind = ChartKind::Natal;
    w.innerHeader[6] = HouseSystemLine(in.charts);
    return w;
}

WheelSetup CompositeWheel(const CompositeChart& c, const WheelInputs& in) {
    WheelSetup w = SingleWheel(in);
    w.longitude = c.points.longitude;
    w.cusps = c.cusps;
    w.texts = c.texts;
    w.placeLatitude = PackedToMinute(c.latitude);
    w.latitudeText = LatitudeText(static_cast<float>(c.latitude));
    HeaderLines& h = w.innerHeader;
    h[0] = Names(in) + " - composite";
    h[1] = "Midpoints of the two charts";
    h[2] = "Houses from the mid-MC";
    h[3] = "at the mean latitude";
    h[4] = FormatNumber(std::fabs(w.placeLatitude), "#0.00") + " " + w.latitudeText;
    h[5] = c.texts.siderealTimeText;
    return w;
}

WheelSetup DavisonWheel(const DavisonChart& d, const WheelInputs& in) {
    WheelSetup w = SingleWheel(in);
    const BirthData& b = d.shown;
    w.longitude = d.chart.set.points.longitude;
    w.cusps = d.chart.set.cusps;
    w.texts = d.chart.set.texts;
    w.dateText = FormatDate(b.year, b.month, b.day);
    w.placeLongitude = b.longitude;
    w.placeLatitude = b.latitude;
    w.longitudeText = b.longitudeText;
    w.latitudeText = b.latitudeText;
    HeaderLines& h = w.innerHeader;
    h[0] = Names(in) + " - Davison";
    h[1] = w.dateText;
    h[2] = FormatNumber(b.time, "#0.00") + " " + b.meridiem + " (UT)";
    h[3] = FormatNumber(std::fabs(b.longitude), "##0.00") + " " + b.longitudeText;
    h[4] = FormatNumber(std::fabs(b.latitude), "#0.00") + " " + b.latitudeText;
    h[5] = d.chart.set.texts.siderealTimeText;
    return w;
}

}  // namespace

std::optional<WheelSetup> PrepareRelationshipWheel(WheelKind kind, const WheelInputs& in,
                                                   const OptionTable& options, Platform& platform) {
    const TwoBirths births{in.natal, in.diurnal, in.charts.houseSystem, options,
                           in.charts.ephemeris};
    if (kind == WheelKind::Composite) {
        if (const auto composite = CastComposite(births)) {
            return CompositeWheel(*composite, in);
        }
        platform.ShowMessage(kRelationshipChartFault, "Error!", MessageIcon::Critical);
        return std::nullopt;
    }
    const DavisonResult davison = CastDavison(births);
    if (!davison.chart) {
        platform.ShowMessage(davison.problem, "Error!", MessageIcon::Critical);
        return std::nullopt;
    }
    return DavisonWheel(*davison.chart, in);
}

}  // namespace solvaris
