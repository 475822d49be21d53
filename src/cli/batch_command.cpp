#include "base/parallel_indices.hpp"
#include "base/text_lines.hpp"
#include "cli/batch_casting.hpp"
#include "cli/exit_status.hpp"
#include "cli/house_option.hpp"
#include "cli/jobs_option.hpp"
#include "cli/names_command.hpp"

namespace solvaris {

namespace {

// Persons cast before their text is written: enough to keep every worker busy,
// few enough that the buffered text stays small.
constexpr std::size_t kPersonsPerBlock = 4096;

// The options as typed.
struct BatchOptions {
    std::string file, format, house, jobs;
};

// A line of the names file that is not blank, and where it stands.
struct PersonLine {
    std::string_view text;
    std::size_t number = 0;
};

// What the output has had so far: whether a person was written yet (the
// JSON's commas) and whether a record was skipped.
struct BatchProgress {
    bool first = true;
    bool skipped = false;
};

// The persons cast, in the order of the file: each skipped record named on
// `err`, each chart written to `out`.
void WriteBlock(const std::vector<PersonText>& block, bool json, BatchProgress& progress,
                std::ostream& out, std::ostream& err) {
    for (const PersonText& person : block) {
        if (person.kind == PersonText::Kind::Skipped) {
            err << person.text;
            progress.skipped = true;
        } else {
            if (json) {
                out << (progress.first ? "\n" : ",\n");
            }
            out << person.text;
            progress.first = false;
        }
    }
}

// A block cast over the workers, one quiet platform each, and written in
// the order of the file, as one worker would.
void CastBlock(const std::vector<PersonLine>& lines, const BatchRequest& request,
               const Session& session, std::vector<HeadlessPlatform>& quiet,
               BatchProgress& progress, std::ostream& out, std::ostream& err) {
    std::vector<PersonText> block(lines.size());
    ForEachIndexInParallel(
        lines.size(), static_cast<int>(quiet.size()), [&](int worker, std::size_t i) {
            block[i] = CastPerson(lines[i].text, lines[i].number, request, session,
                                  quiet[static_cast<std::size_t>(worker)]);
        });
    WriteBlock(block, request.json, progress, out, err);
}

int RunBatch(const BatchOptions& typed, Session& session, std::ostream& out, std::ostream& err) {
    BatchRequest request = BatchRequestFor(session, typed.house);
    request.file = typed.file;
    request.json = typed.format == "json";
    const auto text = ReadText(request.file);
    if (!text) {
        err << "solvaris batch: " << request.file << " cannot be read ("
            << FileReadProblem(request.file) << ")\n";
        return kExitFileProblem;
    }
    // Each worker reads the session's options only and answers its own messages.
    std::vector<HeadlessPlatform> quiet(static_cast<std::size_t>(WorkerThreads(typed.jobs)));
    std::vector<PersonLine> lines;
    BatchProgress progress;
    if (request.json) {
        out << '[';
    } else {
        out << BatchCsvHeader(request);
    }
    // Cast a block at a time.
    const auto castBlock = [&] {
        CastBlock(lines, request, session, quiet, progress, out, err);
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
        out << (progress.first ? "]\n" : "\n]\n");
    }
    return progress.skipped ? kExitRefusedData : kExitDone;
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
