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
    const int workers = WorkerThreads(typed.jobs);
    // Each worker reads the session's options only and answers its own messages.
    std::vector<HeadlessPlatform> quiet(static_cast<std::size_t>(workers));
    std::vector<PersonLine> lines;
    std::vector<PersonText> block;
    bool skipped = false;
    bool first = true;
    if (request.json) {
        out << '[';
    } else {
        out << BatchCsvHeader(request);
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
