#include <algorithm>

#include "app/compute_charts.hpp"
#include "base/text_lines.hpp"
#include "cli/exit_status.hpp"
#include "cli/house_option.hpp"
#include "cli/json_text.hpp"
#include "cli/names_command.hpp"
#include "engine/chart_point.hpp"
#include "people/comma_fields.hpp"
#include "people/entry_rules.hpp"
#include "people/names_file.hpp"
#include "platform/headless/scripted_platform.hpp"

namespace solvaris {

namespace {

constexpr const char* kPointColumns =
    "sun,mercury,venus,mars,jupiter,saturn,uranus,neptune,pluto,moon,north_node,south_node,"
    "part_of_fortune,ascendant,midheaven";

std::string CsvHeader() {
    std::string header = "name,date,time,meridiem,zone,longitude,latitude,";
    header += kPointColumns;
    for (int house = 1; house <= kCuspCount; ++house) {
        header += ",cusp" + std::to_string(house);
    }
    return header;
}

void WriteCsvRow(const NameRecord& r, const NatalSet& natal, std::ostream& out) {
    out << CsvField(r.name);
    for (const std::string* field :
         {&r.date, &r.time, &r.meridiem, &r.zone, &r.longitude, &r.latitude}) {
        out << ',' << CsvField(*field);
    }
    for (int p = 1; p <= kPointCount; ++p) {
        out << ',' << Number(natal.points.longitude[p]);
    }
    for (int house = 1; house <= kCuspCount; ++house) {
        out << ',' << Number(natal.cusps[SlotOfHouse(house)]);
    }
    out << '\n';
}

void WriteJsonObject(const NameRecord& r, const NatalSet& natal, bool first, std::ostream& out) {
    std::array<double, kCuspCount + 1> houseCusps{};
    for (int house = 1; house <= kCuspCount; ++house) {
        houseCusps[house] = natal.cusps[SlotOfHouse(house)];
    }
    out << (first ? "\n" : ",\n") << "{\"name\":" << Quoted(r.name)
        << ",\"date\":" << Quoted(r.date) << ",\"time\":" << Quoted(r.time)
        << ",\"meridiem\":" << Quoted(r.meridiem) << ",\"zone\":" << Quoted(r.zone)
        << ",\"place_longitude\":" << Quoted(r.longitude)
        << ",\"place_latitude\":" << Quoted(r.latitude)
        << ",\"longitude\":" << Numbers(natal.points.longitude, 1, kPointCount)
        << ",\"house_cusps\":" << Numbers(houseCusps, 1, kCuspCount) << '}';
}

}  // namespace

int RunBatchCommand(std::vector<std::string> args, Session& session, std::ostream& out,
                    std::ostream& err) {
    std::string file;
    bool json = false;
    HouseSystem system = HouseSystem::Placidus;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--names" && hasValue) {
            file = args[++i];
        } else if (args[i] == "--format" && hasValue &&
                   (args[i + 1] == "csv" || args[i + 1] == "json")) {
            json = args[++i] == "json";
        } else if (args[i] == "--house" && hasValue && HouseSystemFromOption(args[i + 1])) {
            system = *HouseSystemFromOption(args[++i]);
        } else {
            err << "solvaris batch: bad argument '" << args[i] << "'\nusage: " << kBatchUsage
                << '\n';
            return 2;
        }
    }
    if (file.empty()) {
        err << "usage: " << kBatchUsage << '\n';
        return 2;
    }
    const auto lines = ReadTextLines(file);
    if (!lines) {
        err << "solvaris batch: " << file << " cannot be read (" << FileReadProblem(file) << ")\n";
        return kExitFileProblem;
    }
    ScriptedPlatform quiet;
    bool skipped = false;
    bool first = true;
    if (json) {
        out << '[';
    } else {
        out << CsvHeader() << '\n';
    }
    for (std::size_t n = 0; n < lines->size(); ++n) {
        const std::string& line = (*lines)[n];
        if (Trimmed(line).empty()) {
            continue;
        }
        const auto skip = [&](const std::string& why) {
            err << file << ':' << n + 1 << ": " << why << " (skipped)\n";
            skipped = true;
        };
        const auto record = ParseNameLine(line);
        if (!record) {
            skip("not a record of seven comma-separated fields");
            continue;
        }
        quiet.ClearMessages();
        NatalEntryWindow natal;
        DiurnalEntryWindow diurnal;
        if (!FillNatalFromRecord(*record, natal, quiet.UserDateOrder(), quiet)) {
            skip(record->name + ": a field cannot be read");
            continue;
        }
        diurnal.txtDiurnalMonth = natal.txtMonth;
        diurnal.txtDiurnalDay = natal.txtDay;
        diurnal.txtDiurnalYear = natal.txtYear;
        CopyNatalIntoDiurnal(natal, diurnal);
        NatalSet chart;
        if (!ComputeNatalChart(session, natal, diurnal, system, quiet, chart)) {
            skip(record->name + ": " +
                 (quiet.Messages().empty() ? std::string("refused") : quiet.Messages()[0].text));
            continue;
        }
        if (json) {
            WriteJsonObject(*record, chart, first, out);
        } else {
            WriteCsvRow(*record, chart, out);
        }
        first = false;
    }
    if (json) {
        out << (first ? "]\n" : "\n]\n");
    }
    return skipped ? 1 : 0;
}

}  // namespace solvaris
