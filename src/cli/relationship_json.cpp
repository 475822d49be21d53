#include "cli/relationship_json.hpp"

#include "chart/composite_chart.hpp"
#include "chart/davison_chart.hpp"
#include "cli/chart_command.hpp"
#include "formats/json_text.hpp"

namespace solvaris {

namespace {

TwoBirths BirthsOf(const Session& session) {
    return {session.natal, session.diurnal, session.charts.houseSystem, session.options,
            session.charts.ephemeris};
}

// The set's object with `members` added before its closing brace.
std::string SetWith(const std::string& set, const std::string& members) {
    return set.substr(0, set.size() - 1) + members + "}";
}

}  // namespace

std::optional<std::string> CompositeJsonMember(const Session& session, Platform& platform) {
    const auto c = CastComposite(BirthsOf(session));
    if (!c) {
        platform.ShowMessage(kRelationshipChartFault, "Error!", MessageIcon::Critical);
        return std::nullopt;
    }
    return ",\"composite\":" +
           SetWith(PointSetJson(c->points, c->cusps, c->texts, false),
                   ",\"obliquity\":" + Number(c->obliquity) + ",\"ramc\":" + Number(c->ramc) +
                       ",\"latitude\":" + Number(c->latitude) +
                       ",\"method\":" + Quoted(kCompositeMethod));
}

std::optional<std::string> DavisonJsonMember(const Session& session, Platform& platform) {
    const DavisonResult result = CastDavison(BirthsOf(session));
    if (!result.chart) {
        platform.ShowMessage(result.problem, "Error!", MessageIcon::Critical);
        return std::nullopt;
    }
    const DavisonChart& d = *result.chart;
    const NatalSet& set = d.chart.set;
    // The day number counts from noon: the civil day begins half a day
    // before it.
    const double julianDay = d.moment.dayNumber - 0.5 + d.moment.dayFraction;
    const std::string moment = "{\"julian_day\":" + Number(julianDay) +
                               ",\"ut\":" + Quoted(IsoMomentOfJulianDay(julianDay)) + "}";
    return ",\"davison\":" +
           SetWith(PointSetJson(set.points, set.cusps, set.texts, d.plutoOutsideTheory),
                   ",\"moment\":" + moment +
                       ",\"place\":{\"longitude_west\":" + Number(d.place.longitude) +
                       ",\"latitude_north\":" + Number(d.place.latitude) + "}" + ",\"obliquity\":" +
                       Number(d.chart.obliquity) + ",\"ramc\":" + Number(d.chart.ramc) +
                       ",\"special_points\":" + Numbers(set.specialPoints, 1, 8) +
                       ",\"method\":" + Quoted(kDavisonMethod));
}

}  // namespace solvaris
