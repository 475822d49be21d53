#include "cli/chart_command.hpp"

#include "cli/chart_setup.hpp"
#include "cli/json_text.hpp"
#include "platform/headless/recording_data_window.hpp"

namespace solvaris {

namespace {

// `plutoOutside`: the chart's day lies outside the years Pluto's series
// holds, so its Pluto is approximate.
std::string PointSetJson(const PointSet& set, const CuspSet& cusps, const ChartTexts& texts,
                         bool plutoOutside) {
    std::string json;
    json.append("{\"longitude\":").append(Numbers(set.longitude, 1, kPointCount));
    json.append(",\"declination\":").append(Numbers(set.declination, 1, kPointCount));
    json.append(",\"right_ascension\":").append(Numbers(set.rightAscension, 1, kPointCount));
    json.append(",\"retrograde\":").append(Quoted(texts.retrogradeMarks));
    json.append(",\"houses\":").append(Quoted(texts.housePositionText));
    json.append(",\"cusps\":").append(Numbers(cusps, 1, kCuspCount));
    json.append(",\"sidereal_time\":").append(Quoted(texts.siderealTimeText));
    json.append(",\"pluto_outside_theory\":").append(plutoOutside ? "true" : "false");
    json.append("}");
    return json;
}

}  // namespace

void WriteChartJson(const Session& session, std::ostream& out) {
    const ChartStore& s = session.charts;
    const ExtraAngles& x = s.transit.extraAngles;
    const std::array<double, 4> transitSpecial{x.vertex, x.equatorialAscendant, x.coAscendant,
                                               x.polarAscendant};
    const PlutoOutsideTheory& outside = s.plutoOutsideTheory;
    out << "{\"natal\":"
        << PointSetJson(s.natal.points, s.natal.cusps, s.natal.texts, outside.natal)
        << ",\"progressed\":"
        << PointSetJson(s.progressed.points, s.progressed.cusps, s.progressed.texts,
                        outside.progressed)
        << ",\"transit\":"
        << PointSetJson(s.transit.points, s.transit.cusps, s.transit.texts, outside.transit)
        << ",\"solar_arc\":{\"arc\":" << Number(s.solarArc.arc)
        << ",\"longitude\":" << Numbers(s.solarArc.longitude, 1, kPointCount)
        << ",\"converse\":" << Numbers(s.solarArc.converseLongitude, 1, kPointCount)
        << ",\"cusps\":" << Numbers(s.solarArc.cusps, 1, kCuspCount) << "}"
        << ",\"obliquity\":{\"natal\":" << Number(s.natalObliquity)
        << ",\"progressed\":" << Number(s.progressedObliquity)
        << ",\"transit\":" << Number(s.transitObliquity) << "}"
        << ",\"ramc\":{\"natal\":" << Number(s.natalRamc)
        << ",\"progressed\":" << Number(s.progressedRamc)
        << ",\"transit\":" << Number(s.transitRamc) << "}"
        << ",\"special_points\":" << Numbers(s.natal.specialPoints, 1, 8)
        << ",\"transit_special_points\":" << Numbers(transitSpecial, 0, 3)
        << ",\"true_node\":{\"longitude\":" << Number(s.natal.trueNodeLongitude)
        << ",\"declination\":" << Number(s.natal.trueNodeDeclination) << "}"
        << ",\"age_years\":" << session.ageYears
        << ",\"last_birthday_year\":" << session.lastBirthdayYear
        << ",\"house_system\":" << Quoted(std::string(Info(s.houseSystem).code)) << "}\n";
}

int RunChartCommand(const std::vector<std::string>& args, Session& session, Platform& platform,
                    std::ostream& out, std::ostream& err) {
    std::vector<std::string> rest;
    BirthOptions options;
    RecordingDataWindow window;
    if (const int status =
            ReadBirthOptionsWithDefaults(args, "chart", session, platform, err, rest, options)) {
        return status;
    }
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--format" && i + 1 < rest.size() && rest[i + 1] == "json") {
            ++i;
            continue;
        }
        err << "solvaris chart: unknown argument '" << rest[i] << "'\n";
        return 2;
    }
    if (const int status = ComputeFromBirthOptions(session, options, platform, window, err)) {
        return status;
    }
    WriteChartJson(session, out);
    return 0;
}

}  // namespace solvaris
