#include "cli/chart_command.hpp"

#include "base/option_numbers.hpp"
#include "chart/composite_chart.hpp"
#include "chart/davison_chart.hpp"
#include "chart/harmonic_chart.hpp"
#include "chart/house_cusps.hpp"
#include "chart/zodiac.hpp"
#include "cli/chart_setup.hpp"
#include "cli/exit_status.hpp"
#include "cli/harmonic_option.hpp"
#include "cli/relationship_json.hpp"
#include "engine/positions.hpp"
#include "formats/json_text.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/position_format.hpp"
#include "wheel/ring_order.hpp"

namespace solvaris {

namespace {

constexpr std::array<std::string_view, kPointCount + 1> kPointNames{
    "",          "Sun",      "Mercury", "Venus", "Mars",       "Jupiter",    "Saturn",
    "Uranus",    "Neptune",  "Pluto",   "Moon",  "North Node", "South Node", "Part of Fortune",
    "Ascendant", "Midheaven"};

constexpr std::array<std::string_view, 13> kSignNames{
    "",      "Aries",   "Taurus",      "Gemini",    "Cancer",   "Leo",   "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// The rest of a point's object after its name and numbers: its place in the
// sign as the reports round it, its house and whether it is retrograde.
void AppendPlaceInSign(std::string& json, double longitude, int house, bool retrograde) {
    const SplitLongitude place = Split(longitude);
    json.append(",\"sign\":")
        .append(Quoted(std::string(kSignNames[place.sign])))
        .append(",\"degree\":")
        .append(std::to_string(place.degrees))
        .append(",\"minute\":")
        .append(std::to_string(place.minutes))
        .append(",\"house\":")
        .append(std::to_string(house))
        .append(",\"retrograde\":")
        .append(retrograde ? "true" : "false")
        .append("}");
}

// Each point by name with its place in the sign, house and retrograde flag.
std::string PointsJson(const PointArray& longitude, const ChartTexts& texts) {
    std::string json(1, '[');
    for (int p = 1; p <= kPointCount; ++p) {
        const bool retrograde = static_cast<std::size_t>(p) <= texts.retrogradeMarks.size() &&
                                texts.retrogradeMarks[p - 1] == 'R';
        json.append(p > 1 ? "," : "")
            .append("{\"name\":")
            .append(Quoted(std::string(kPointNames[p])));
        AppendPlaceInSign(json, longitude[p], HouseNumberOf(texts.housePositionText, p),
                          retrograde);
    }
    return json + "]";
}

// The cusps in house order, the 1st (the Ascendant) first.
std::string HouseCuspsJson(const CuspSet& cusps) {
    std::array<double, kCuspCount + 1> byHouse{};
    for (int house = 1; house <= kCuspCount; ++house) {
        byHouse[house] = cusps[SlotOfHouse(house)];
    }
    return Numbers(byHouse, 1, kCuspCount);
}

}  // namespace

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
    json.append(",\"points\":").append(PointsJson(set.longitude, texts));
    json.append(",\"house_cusps\":").append(HouseCuspsJson(cusps));
    json.append("}");
    return json;
}

namespace {

// Each extra point by its key with its longitude, latitude, place in the
// sign, house among `cusps` and whether it moves backward.
std::string ExtraPointsJson(const std::vector<ExtraPlace>& places, const CuspSet& cusps) {
    std::string json(1, '[');
    for (const ExtraPlace& place : places) {
        const int slot = HouseSlotOf(place.longitude, cusps);
        json.append(json.size() > 1 ? "," : "")
            .append("{\"name\":")
            .append(Quoted(std::string(NameOf(place.point).word)))
            .append(",\"longitude\":")
            .append(Number(place.longitude))
            .append(",\"latitude\":")
            .append(Number(place.latitude));
        AppendPlaceInSign(json, place.longitude, slot == 0 ? 0 : HouseOfSlot(slot),
                          DailyMotion(place.longitude, place.nextDayLongitude) < 0);
    }
    return json + "]";
}

}  // namespace

// The rule of a zone found by name, or null.
std::string ZoneFoundJson(const std::optional<ZoneFound>& zone) {
    if (!zone) {
        return "null";
    }
    const char* fold = !zone->fold                    ? "null"
                       : *zone->fold == Fold::Earlier ? "\"earlier\""
                                                      : "\"later\"";
    return "{\"zone\":" + Quoted(zone->name) +
           ",\"abbreviation\":" + Quoted(zone->rule.abbreviation) +
           ",\"hours_west\":" + Number(zone->rule.secondsWest / 3600.0) +
           ",\"daylight_saving\":" + (zone->rule.daylightSaving ? "true" : "false") +
           ",\"mean_time_at\":" +
           (zone->rule.meanTimeAt.empty() ? "null" : Quoted(zone->rule.meanTimeAt)) +
           ",\"fold\":" + fold + "}";
}

namespace {

// The natal, progressed and transit charts, each with its points, cusps and
// texts, then the solar arc's.
void WriteChartSets(const ChartStore& s, std::ostream& out) {
    const PlutoOutsideTheory& outside = s.plutoOutsideTheory;
    out << "\"natal\":" << PointSetJson(s.natal.points, s.natal.cusps, s.natal.texts, outside.natal)
        << ",\"progressed\":"
        << PointSetJson(s.progressed.points, s.progressed.cusps, s.progressed.texts,
                        outside.progressed)
        << ",\"transit\":"
        << PointSetJson(s.transit.points, s.transit.cusps, s.transit.texts, outside.transit)
        << ",\"solar_arc\":{\"arc\":" << Number(s.solarArc.arc)
        << ",\"longitude\":" << Numbers(s.solarArc.longitude, 1, kPointCount)
        << ",\"converse\":" << Numbers(s.solarArc.converseLongitude, 1, kPointCount)
        << ",\"cusps\":" << Numbers(s.solarArc.cusps, 1, kCuspCount) << "}";
}

// The three charts' obliquity and RAMC, the special points and the true node.
void WriteAnglesAndSpecialPoints(const ChartStore& s, std::ostream& out) {
    const ExtraAngles& x = s.transit.extraAngles;
    const std::array<double, 4> transitSpecial{x.vertex, x.equatorialAscendant, x.coAscendant,
                                               x.polarAscendant};
    out << ",\"obliquity\":{\"natal\":" << Number(s.natalObliquity)
        << ",\"progressed\":" << Number(s.progressedObliquity)
        << ",\"transit\":" << Number(s.transitObliquity) << "}"
        << ",\"ramc\":{\"natal\":" << Number(s.natalRamc)
        << ",\"progressed\":" << Number(s.progressedRamc)
        << ",\"transit\":" << Number(s.transitRamc) << "}"
        << ",\"special_points\":" << Numbers(s.natal.specialPoints, 1, 8)
        << ",\"transit_special_points\":" << Numbers(transitSpecial, 0, 3)
        << ",\"true_node\":{\"longitude\":" << Number(s.natal.trueNodeLongitude)
        << ",\"declination\":" << Number(s.natal.trueNodeDeclination) << "}";
}

// Stated only for a harmonic other than the first, so that other charts
// read as before.
void WriteHarmonicMember(const Session& session, std::ostream& out) {
    if (const int n = HarmonicOfOption(session.options); n != 1) {
        const HarmonicChart harmonic = HarmonicOf(session.charts.natal, n);
        out << ",\"harmonic\":{\"n\":" << n
            << ",\"longitude\":" << Numbers(harmonic.longitude, 1, kPointCount)
            << ",\"houses\":" << Quoted(harmonic.texts.housePositionText)
            << ",\"cusps\":" << Numbers(harmonic.cusps, 1, kCuspCount)
            << ",\"points\":" << PointsJson(harmonic.longitude, harmonic.texts)
            << ",\"house_cusps\":" << HouseCuspsJson(harmonic.cusps) << "}";
    }
}

// Stated only for the sidereal zodiac, so that tropical charts read as
// before.
void WriteZodiacMember(const ChartStore& s, std::ostream& out) {
    if (s.zodiac.sidereal) {
        out << ",\"zodiac\":{\"name\":\"sidereal\",\"ayanamsa\":"
            << Quoted(AyanamsaWord(s.zodiac.ayanamsa))
            << ",\"heading\":" << Quoted(ZodiacHeading(s.zodiac))
            << ",\"ayanamsa_deg\":{\"natal\":" << Number(s.natalAyanamsa)
            << ",\"progressed\":" << Number(s.progressedAyanamsa)
            << ",\"transit\":" << Number(s.transitAyanamsa) << "}}";
    }
}

// Stated only when shown, so that other charts read as before. The
// transit moment's are computed here: only this file shows them.
void WriteExtraPointsMember(const Session& session, std::ostream& out) {
    const ChartStore& s = session.charts;
    if (session.options(opt::ExtraPoints) == 1) {
        out << ",\"extra_points\":{\"natal\":"
            << ExtraPointsJson(s.natal.extraPoints, s.natal.cusps) << ",\"transit\":"
            << ExtraPointsJson(ExtraPointsInZodiac(s.ephemeris, s.zodiac, s.transit.jd),
                               s.transit.cusps)
            << "}";
    }
}

// The zone rules and the places found by name; each stated only where one
// was found, so that other charts read as before.
void WriteFoundByNameMembers(const BirthOptions* zonesFound, std::ostream& out) {
    if (zonesFound != nullptr && (zonesFound->natalZone || zonesFound->diurnalZone)) {
        out << ",\"zone_rules\":{\"natal\":" << ZoneFoundJson(zonesFound->natalZone)
            << ",\"diurnal\":" << ZoneFoundJson(zonesFound->diurnalZone) << "}";
    }
    if (zonesFound != nullptr &&
        (!zonesFound->natalPlace.empty() || !zonesFound->diurnalPlace.empty())) {
        const auto place = [](const std::string& text) {
            return text.empty() ? std::string("null") : Quoted(text);
        };
        out << ",\"places\":{\"natal\":" << place(zonesFound->natalPlace)
            << ",\"diurnal\":" << place(zonesFound->diurnalPlace) << "}";
    }
}

}  // namespace

void WriteChartJson(const Session& session, std::ostream& out, const BirthOptions* zonesFound,
                    std::string_view extraMembers) {
    const ChartStore& s = session.charts;
    out << "{";
    WriteChartSets(s, out);
    WriteAnglesAndSpecialPoints(s, out);
    out << ",\"age_years\":" << session.ageYears
        << ",\"last_birthday_year\":" << session.lastBirthdayYear
        << ",\"house_system\":" << Quoted(std::string(Info(s.houseSystem).code));
    WriteHarmonicMember(session, out);
    WriteZodiacMember(s, out);
    WriteExtraPointsMember(session, out);
    // Stated only with Swiss Ephemeris, so that charts of the built-in
    // theories read as before.
    if (s.ephemeris.Swiss()) {
        out << ",\"ephemeris\":" << Quoted(EphemerisName(s.ephemeris));
    }
    WriteFoundByNameMembers(zonesFound, out);
    out << extraMembers << "}\n";
}

namespace {

// What the parser writes into: kept alive by the command, since the
// parser writes into it after the declaration returns.
struct ChartRequest {
    BirthOptionTexts birth;
    std::string format;
    bool composite = false;
    bool davison = false;
    std::string harmonic;
};

}  // namespace

CommandRun DeclareChartCommand(CLI::App& app) {
    auto request = std::make_shared<ChartRequest>();
    DeclareBirthOptions(app, request->birth);
    AddChoice(app, "--format", request->format, {"json"}, "format",
              "the output format (json only)");
    CLI::Option* composite =
        app.add_flag("--composite", request->composite,
                     "with the composite chart of the natal person and the second person: " +
                         std::string(kCompositeMethod));
    app.add_flag("--davison", request->davison,
                 "with the Davison chart of the natal person and the second person: " +
                     std::string(kDavisonMethod))
        ->excludes(composite);
    DeclareHarmonicOption(app, request->harmonic,
                          "the natal chart's nth harmonic beside it as \"harmonic\", 1 to 180 "
                          "(default: option 224; 1 adds nothing)");
    return [request](Session& session, HeadlessPlatform& platform, std::ostream& out,
                     std::ostream& err) {
        BirthOptions options;
        RecordingDataWindow window;
        const bool relationship = request->composite || request->davison;
        if (relationship) {
            if (const std::string problem = SecondChartProblem(
                    request->birth, request->composite ? "--composite" : "--davison");
                !problem.empty()) {
                err << "solvaris chart: " << problem << '\n';
                return kExitBadCommandLine;
            }
        }
        if (const int status = CastFromBirthOptions(request->birth, "chart", session, platform,
                                                    window, err, options, [&](BirthOptions&) {
                                                        ApplyHarmonicOption(request->harmonic,
                                                                            session);
                                                        return kExitDone;
                                                    })) {
            return status;
        }
        std::string extra;
        if (relationship) {
            const auto json = request->composite ? CompositeJsonMember(session, platform)
                                                 : DavisonJsonMember(session, platform);
            if (!json) {
                return kExitRefusedData;
            }
            extra = *json;
        }
        WriteChartJson(session, out, &options, extra);
        return kExitDone;
    };
}

}  // namespace solvaris
