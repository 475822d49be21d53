#include "python/batch_records.hpp"

#include <sstream>

#include "cli/command_line.hpp"
#include "cli/jobs_option.hpp"
#include "cli/names_command.hpp"
#include "python/command_messages.hpp"
#include "python/command_words.hpp"

namespace py = pybind11;

namespace solvaris {

namespace {

struct BatchChoices {
    std::string house, jobs;
};

// The batch command's options but the file and the format, which the
// records and the frame stand for; its session opened.
BatchChoices OpenBatchSession(const std::vector<std::string>& words, Session& session) {
    CLI::App app;
    PrepareParser(app);
    DeclareBatchCommand(app);
    app.remove_option(app.get_option("--names"));
    app.remove_option(app.get_option("--format"));
    std::ostringstream err;
    if (OpenCommandSession(app, *FindCommand("batch"), words, session, err) != 0) {
        ThrowCommandError(err.str());
    }
    const auto value = [&](const char* name) {
        const CLI::Option* option = app.get_option(name);
        return option->count() > 0 ? option->results().back() : std::string();
    };
    return {value("--house"), value("--jobs")};
}

}  // namespace

RecordsBatch OpenRecordsBatch(const py::kwargs& options, Session& session) {
    const BatchChoices choices = OpenBatchSession(CommandWords(options), session);
    RecordsBatch batch{BatchRequestFor(session, choices.house), WorkerThreads(choices.jobs)};
    batch.request.file = kRecordsLabel;
    return batch;
}

bool RaisesRefused(const std::string& refused, const char* function) {
    if (refused != "raise" && refused != "skip") {
        throw py::value_error(std::string(function) + "(): refused is 'raise' or 'skip', not '" +
                              refused + "'");
    }
    return refused == "raise";
}

void TakeRefusal(std::string message, bool raise, py::list& skipped) {
    message.pop_back();
    if (raise) {
        throw py::value_error(message.substr(0, message.rfind(" (skipped)")));
    }
    skipped.append(message);
}

}  // namespace solvaris
