#include <algorithm>
#include <optional>
#include <sstream>

#include "app/compute_charts.hpp"
#include "base/option_numbers.hpp"
#include "base/parallel_indices.hpp"
#include "base/text_lines.hpp"
#include "base/visible_text.hpp"
#include "chart/zodiac.hpp"
#include "cli/exit_status.hpp"
#include "cli/house_option.hpp"
#include "cli/jobs_option.hpp"
#include "cli/names_command.hpp"
#include "engine/chart_point.hpp"
#include "engine/extra_points.hpp"
#include "formats/json_text.hpp"
#include "people/entry_rules.hpp"
#include "people/names_file.hpp"
#include "platform/headless/headless_platform.hpp"

namespace solvaris {

namespace {

constexpr const char* kPointColumns =
    "sun,mercury,venus,mars,jupiter,saturn,uranus,neptune,pluto,moon,north_node,south_node,"
    "part_of_fortune,ascendant,midheaven";

// With Swiss Ephemeris a last column names it, so that the built-in
// theories' files stay as they were. The extra points, when shown, stand
// after the cusps, each in its column, empty where it cannot be computed.
std::string CsvHeader(const Ephemeris& ephemeris, const Zodiac& zodiac, bool extraPoints) {
    std::string header = "name,date,time,meridiem,zone,longitude,latitude,";
    header += kPointColumns;
    for (int house = 1; house <= kCuspCount; ++house) {
        header += ",cusp" + std::to_string(house);
    }
    if (extraPoints) {
        for (const ExtraPointName& name : ExtraPointNames()) {
            header += ',';
            header += name.word;
        }
    }
    if (ephemeris.Swiss()) {
        header += ",ephemeris";
    }
    if (zodiac.sidereal) {
        header += ",zodiac";
    }
    return header;
}

// The fields as the file holds them, a control character shown as an
// escape: a name must not steer the terminal the rows are read on.
void WriteCsvRow(const NameRecord& r, const NatalSet& natal, const Ephemeris& ephemeris,
                 const Zodiac& zodiac, bool extraPoints, std::ostream& out) {
    out << CsvField(VisibleText(r.name));
    for (const std::string* field :
         {&r.date, &r.time, &r.meridiem, &r.zone, &r.longitude, &r.latitude}) {
        out << ',' << CsvField(VisibleText(*field));
    }
    for (int p = 1; p <= kPointCount; ++p) {
        out << ',' << Number(natal.points.longitude[p]);
    }
    for (int house = 1; house <= kCuspCount; ++house) {
        out << ',' << Number(natal.cusps[SlotOfHouse(house)]);
    }
    if (extraPoints) {
        for (const ExtraPointName& name : ExtraPointNames()) {
            out << ',';
            for (const ExtraPlace& place : natal.extraPoints) {
                if (place.point == name.point) {
                    out << Number(place.longitude);
                }
            }
        }
    }
    if (ephemeris.Swiss()) {
        out << ',' << CsvField(EphemerisName(ephemeris));
    }
    if (zodiac.sidereal) {
        out << ',' << CsvField(ZodiacHeading(zodiac));
    }
    out << '\n';
}

// The object without the separator before it, which depends on the persons before.
void WriteJsonObject(const NameRecord& r, const NatalSet& natal, const Ephemeris& ephemeris,
                     const Zodiac& zodiac, bool extraPoints, std::ostream& out) {
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
    if (extraPoints) {
        out << ",\"extra_points\":{";
        for (const ExtraPlace& place : natal.extraPoints) {
            out << (&place == natal.extraPoints.data() ? "" : ",")
                << Quoted(std::string(NameOf(place.point).word)) << ':' << Number(place.longitude);
        }
        out << '}';
    }
    if (ephemeris.Swiss()) {
        out << ",\"ephemeris\":" << Quoted(EphemerisName(ephemeris));
    }
    if (zodiac.sidereal) {
        out << ",\"zodiac\":" << Quoted(ZodiacHeading(zodiac));
    }
    out << '}';
}

// Persons cast before their text is written: enough to keep every worker busy,
// few enough that the buffered text stays small.
constexpr std::size_t kPersonsPerBlock = 4096;

struct BatchRequest {
    std::string file;
    bool json = false;
    HouseSystem system = HouseSystem::Placidus;
    Ephemeris ephemeris;
    Zodiac zodiac;
    bool extraPoints = false;
};

// The options as typed.
struct BatchOptions {
    std::string file, format, house, jobs;
};

// A line of the names file that is not blank, and where it stands.
struct PersonLine {
    std::string_view text;
    std::size_t number = 0;
};

// What one line of the names file gives: the person's row or object, or
// the reason it was skipped.
struct PersonText {
    enum class Kind { Chart, Skipped } kind = Kind::Chart;
    std::string text;
};

PersonText CastPerson(std::string_view line, std::size_t lineNumber, const BatchRequest& request,
                      const Session& session, HeadlessPlatform& quiet) {
    const auto skip = [&](const std::string& why) {
        return PersonText{
            PersonText::Kind::Skipped,
            request.file + ':' + std::to_string(lineNumber) + ": " + why + " (skipped)\n"};
    };
    const auto record = ParseNameLine(line);
    if (!record) {
        return skip("not a record of seven comma-separated fields");
    }
    quiet.ClearMessages();
    NatalEntryWindow natal;
    DiurnalEntryWindow diurnal;
    if (!FillNatalFromRecord(*record, natal, quiet.UserDateOrder(), quiet)) {
        return skip(VisibleText(record->name) + ": a field cannot be read");
    }
    diurnal.fields = natal.fields;
    // The rows carry no motion: the bodies are evaluated once. Each row
    // names the source its own calls used.
    const Ephemeris ephemeris = WithOwnSourceRecord(request.ephemeris);
    NatalSet chart;
    if (!ComputeNatalChart(session, natal, diurnal, request.system, ephemeris, quiet, chart,
                           NatalMotion::Omitted)) {
        return skip(VisibleText(record->name) + ": " +
                    (quiet.Messages().empty() ? std::string("refused") : quiet.Messages()[0].text));
    }
    std::ostringstream text;
    if (request.json) {
        WriteJsonObject(*record, chart, ephemeris, request.zodiac, request.extraPoints, text);
    } else {
        WriteCsvRow(*record, chart, ephemeris, request.zodiac, request.extraPoints, text);
    }
    return {PersonText::Kind::Chart, std::move(text).str()};
}

int RunBatch(const BatchOptions& typed, Session& session, std::ostream& out, std::ostream& err) {
    BatchRequest request;
    request.file = typed.file;
    request.json = typed.format == "json";
    request.ephemeris = session.ChosenEphemeris();
    request.zodiac = ChosenZodiac(session.options);
    request.extraPoints = session.options(opt::ExtraPoints) == 1;
    request.system =
        typed.house.empty() ? HouseSystem::Placidus : *HouseSystemFromOption(typed.house);
    const int jobs = typed.jobs.empty() ? DefaultJobs() : *PositiveWholeNumber(typed.jobs);
    const auto text = ReadText(request.file);
    if (!text) {
        err << "solvaris batch: " << request.file << " cannot be read ("
            << FileReadProblem(request.file) << ")\n";
        return kExitFileProblem;
    }
    const int workers = std::min(jobs, kMostWorkerThreads);
    // Each worker reads the session's options only and answers its own messages.
    std::vector<HeadlessPlatform> quiet(static_cast<std::size_t>(workers));
    std::vector<PersonLine> lines;
    std::vector<PersonText> block;
    bool skipped = false;
    bool first = true;
    if (request.json) {
        out << '[';
    } else {
        out << CsvHeader(request.ephemeris, request.zodiac, request.extraPoints) << '\n';
    }
    // Cast a block at a time, written in the order of the file, as one
    // worker would.
    const auto castBlock = [&] {
        block.assign(lines.size(), PersonText{});
        ForEachIndexInParallel(lines.size(), workers, [&](int worker, std::size_t i) {
            block[i] = CastPerson(lines[i].text, lines[i].number, request, session,
                                  quiet[static_cast<std::size_t>(worker)]);
        });
        for (const PersonText& person : block) {
            if (person.kind == PersonText::Kind::Skipped) {
                err << person.text;
                skipped = true;
            } else {
                if (request.json) {
                    out << (first ? "\n" : ",\n");
                }
                out << person.text;
                first = false;
            }
        }
        lines.clear();
    };
    std::size_t number = 0;
    ForEachLine(*text, [&](std::string_view line) {
        ++number;
        if (line.find_first_not_of(" \t") == std::string_view::npos) {
            return;
        }
        lines.push_back({line, number});
        if (lines.size() == kPersonsPerBlock) {
            castBlock();
        }
    });
    castBlock();
    if (request.json) {
        out << (first ? "]\n" : "\n]\n");
    }
    return skipped ? kExitRefusedData : kExitDone;
}

}  // namespace

CommandRun DeclareBatchCommand(CLI::App& app) {
    auto typed = std::make_shared<BatchOptions>();
    AddPath(app, "--names", typed->file, "FILE", "the names file")->required();
    AddChoice(app, "--format", typed->format, {"csv", "json"}, "format",
              "the output format (default csv)");
    AddValue(app, "--house", typed->house, "SYSTEM", "house system: " + HouseOptionValues(),
             HouseOptionProblem);
    AddValue(app, "--jobs", typed->jobs, "N", "the persons spread over N cores (default: all)",
             JobsProblem);
    return [typed](Session& session, HeadlessPlatform&, std::ostream& out, std::ostream& err) {
        return RunBatch(*typed, session, out, err);
    };
}

}  // namespace solvaris
