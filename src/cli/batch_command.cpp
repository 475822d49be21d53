#include "base/text_lines.hpp"
#include "cli/batch_blocks.hpp"
#include "cli/batch_casting.hpp"
#include "cli/exit_status.hpp"
#include "cli/house_option.hpp"
#include "cli/jobs_option.hpp"
#include "cli/names_command.hpp"

namespace solvaris {

namespace {

// The options as typed.
struct BatchOptions {
    std::string file, format, house, jobs;
};

// What the output has had so far: whether a person was written yet (the
// JSON's commas) and whether a record was skipped.
struct BatchProgress {
    bool first = true;
    bool skipped = false;
};

// One person as cast: a skipped record named on `err`, a chart written to
// `out`.
void WritePerson(const PersonText& person, bool json, BatchProgress& progress, std::ostream& out,
                 std::ostream& err) {
    if (person.kind == PersonText::Kind::Skipped) {
        err << person.text;
        progress.skipped = true;
        return;
    }
    if (json) {
        out << (progress.first ? "\n" : ",\n");
    }
    out << person.text;
    progress.first = false;
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
    BatchProgress progress;
    if (request.json) {
        out << '[';
    } else {
        out << BatchCsvHeader(request);
    }
    // Written in the order of the file, as one worker would.
    CastNamesText(*text, 1, request, session, WorkerThreads(typed.jobs),
                  [&](const PersonText& person) {
                      WritePerson(person, request.json, progress, out, err);
                      return true;
                  });
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
