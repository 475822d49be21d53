#include "cli/batch_casting.hpp"

#include <cmath>
#include <limits>
#include <sstream>

#include "app/compute_charts.hpp"
#include "base/option_numbers.hpp"
#include "base/visible_text.hpp"
#include "cli/house_option.hpp"
#include "engine/chart_point.hpp"
#include "engine/extra_points.hpp"
#include "formats/json_text.hpp"

namespace solvaris {

namespace {

constexpr std::array<const char*, kPointCount> kPointColumns{
    "sun",        "mercury",    "venus",           "mars",      "jupiter",
    "saturn",     "uranus",     "neptune",         "pluto",     "moon",
    "north_node", "south_node", "part_of_fortune", "ascendant", "midheaven"};

void WriteCsvRow(const BatchRow& row, std::ostream& out) {
    out << CsvField(row.fields[0]);
    for (std::size_t f = 1; f < row.fields.size(); ++f) {
        out << ',' << CsvField(row.fields[f]);
    }
    for (const double number : row.numbers) {
        out << ',';
        if (!std::isnan(number)) {
            out << Number(number);
        }
    }
    for (const std::string& text : row.tail) {
        out << ',' << CsvField(text);
    }
    out << '\n';
}

// The object without the separator before it, which depends on the persons before.
void WriteJsonObject(const NameRecord& r, const PersonChart& chart, const BatchRequest& request,
                     std::ostream& out) {
    const NatalSet& natal = chart.natal;
    std::array<double, kCuspCount + 1> houseCusps{};
    for (int house = 1; house <= kCuspCount; ++house) {
        houseCusps[house] = natal.cusps[SlotOfHouse(house)];
    }
    const auto field = [](const std::string& text) { return Quoted(VisibleText(text)); };
    out << "{\"name\":" << field(r.name) << ",\"date\":" << field(r.date)
        << ",\"time\":" << field(r.time) << ",\"meridiem\":" << field(r.meridiem)
        << ",\"zone\":" << field(r.zone) << ",\"place_longitude\":" << field(r.longitude)
        << ",\"place_latitude\":" << field(r.latitude)
        << ",\"longitude\":" << Numbers(natal.points.longitude, 1, kPointCount)
        << ",\"house_cusps\":" << Numbers(houseCusps, 1, kCuspCount);
    if (request.extraPoints) {
        out << ",\"extra_points\":{";
        for (const ExtraPlace& place : natal.extraPoints) {
            out << (&place == natal.extraPoints.data() ? "" : ",")
                << Quoted(std::string(NameOf(place.point).word)) << ':' << Number(place.longitude);
        }
        out << '}';
    }
    if (request.ephemeris.Swiss()) {
        out << ",\"ephemeris\":" << Quoted(EphemerisName(chart.ephemeris));
    }
    if (request.zodiac.sidereal) {
        out << ",\"zodiac\":" << Quoted(ZodiacHeading(request.zodiac));
    }
    out << '}';
}

}  // namespace

BatchRequest BatchRequestFor(const Session& session, const std::string& house) {
    BatchRequest request;
    request.ephemeris = session.ChosenEphemeris();
    request.zodiac = ChosenZodiac(session.options);
    request.extraPoints = session.options(opt::ExtraPoints) == 1;
    request.system = house.empty() ? HouseSystem::Placidus : *HouseSystemFromOption(house);
    return request;
}

// With Swiss Ephemeris a last column names it, so that the built-in
// theories' files stay as they were. The extra points, when shown, stand
// after the cusps, each in its column, empty where it cannot be computed.
std::vector<BatchColumn> BatchCsvColumns(const BatchRequest& request) {
    std::vector<BatchColumn> columns;
    for (const char* field :
         {"name", "date", "time", "meridiem", "zone", "longitude", "latitude"}) {
        columns.push_back({field, false});
    }
    for (const char* point : kPointColumns) {
        columns.push_back({point, true});
    }
    for (int house = 1; house <= kCuspCount; ++house) {
        columns.push_back({"cusp" + std::to_string(house), true});
    }
    if (request.extraPoints) {
        for (const ExtraPointName& name : ExtraPointNames()) {
            columns.push_back({std::string(name.word), true});
        }
    }
    if (request.ephemeris.Swiss()) {
        columns.push_back({"ephemeris", false});
    }
    if (request.zodiac.sidereal) {
        columns.push_back({"zodiac", false});
    }
    return columns;
}

std::string BatchCsvHeader(const BatchRequest& request) {
    std::string header;
    for (const BatchColumn& column : BatchCsvColumns(request)) {
        header += (header.empty() ? "" : ",") + column.name;
    }
    return header + '\n';
}

bool CastRecord(const NameRecord& record, const BatchRequest& request, const Session& session,
                HeadlessPlatform& quiet, PersonChart& chart, std::string& why) {
    quiet.ClearMessages();
    NatalEntryWindow natal;
    DiurnalEntryWindow diurnal;
    if (!FillNatalFromRecord(record, natal, quiet.UserDateOrder(), quiet)) {
        why = VisibleText(record.name) + ": a field cannot be read";
        return false;
    }
    diurnal.fields = natal.fields;
    // The rows carry no motion: the bodies are evaluated once.
    chart.ephemeris = WithOwnSourceRecord(request.ephemeris);
    if (!ComputeNatalChart(session, natal, diurnal, request.system, chart.ephemeris, quiet,
                           chart.natal, NatalMotion::Omitted)) {
        why = VisibleText(record.name) + ": " +
              (quiet.Messages().empty() ? std::string("refused") : quiet.Messages()[0].text);
        return false;
    }
    return true;
}

BatchRow BatchRowOf(const NameRecord& record, const PersonChart& chart,
                    const BatchRequest& request) {
    BatchRow row;
    row.fields = {VisibleText(record.name),    VisibleText(record.date),
                  VisibleText(record.time),    VisibleText(record.meridiem),
                  VisibleText(record.zone),    VisibleText(record.longitude),
                  VisibleText(record.latitude)};
    const NatalSet& natal = chart.natal;
    row.numbers.reserve(kPointCount + kCuspCount + ExtraPointNames().size());
    for (int p = 1; p <= kPointCount; ++p) {
        row.numbers.push_back(natal.points.longitude[p]);
    }
    for (int house = 1; house <= kCuspCount; ++house) {
        row.numbers.push_back(natal.cusps[SlotOfHouse(house)]);
    }
    if (request.extraPoints) {
        for (const ExtraPointName& name : ExtraPointNames()) {
            double longitude = std::numeric_limits<double>::quiet_NaN();
            for (const ExtraPlace& place : natal.extraPoints) {
                if (place.point == name.point) {
                    longitude = place.longitude;
                }
            }
            row.numbers.push_back(longitude);
        }
    }
    if (request.ephemeris.Swiss()) {
        row.tail.push_back(EphemerisName(chart.ephemeris));
    }
    if (request.zodiac.sidereal) {
        row.tail.push_back(ZodiacHeading(request.zodiac));
    }
    return row;
}

std::string SkippedRecordText(const std::string& file, std::size_t lineNumber,
                              const std::string& why) {
    return file + ':' + std::to_string(lineNumber) + ": " + why + " (skipped)\n";
}

PersonText CastPerson(std::string_view line, std::size_t lineNumber, const BatchRequest& request,
                      const Session& session, HeadlessPlatform& quiet) {
    const auto skip = [&](const std::string& why) {
        return PersonText{PersonText::Kind::Skipped,
                          SkippedRecordText(request.file, lineNumber, why)};
    };
    const auto record = ParseNameLine(line);
    if (!record) {
        return skip(kNotARecord);
    }
    PersonChart chart;
    std::string why;
    if (!CastRecord(*record, request, session, quiet, chart, why)) {
        return skip(why);
    }
    std::ostringstream text;
    if (request.json) {
        WriteJsonObject(*record, chart, request, text);
    } else {
        WriteCsvRow(BatchRowOf(*record, chart, request), text);
    }
    return {PersonText::Kind::Chart, std::move(text).str()};
}

}  // namespace solvaris
