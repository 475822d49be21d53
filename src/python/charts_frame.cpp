#include "python/charts_frame.hpp"

#include <pybind11/numpy.h>

#include <algorithm>
#include <sstream>

#include "base/parallel_indices.hpp"
#include "cli/batch_casting.hpp"
#include "cli/command_line.hpp"
#include "cli/jobs_option.hpp"
#include "cli/names_command.hpp"
#include "python/command_messages.hpp"
#include "python/command_words.hpp"

namespace py = pybind11;

namespace solvaris {

namespace {

// What the records are called in the messages, as the names file is in the batch's.
constexpr const char* kRecordsLabel = "records";

constexpr std::array<const char*, 7> kRecordFields{"name", "date",      "time",    "meridiem",
                                                   "zone", "longitude", "latitude"};

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

// Each record as the line of a names file that holds it; nothing for one
// that no line holds (a field with a comma or a line end).
std::vector<std::optional<std::string>> RecordLines(const py::object& records) {
    std::vector<std::optional<std::string>> lines;
    for (std::size_t f = 0; f < kRecordFields.size(); ++f) {
        if (!py::bool_(records.attr("__contains__")(kRecordFields[f]))) {
            throw py::value_error(std::string("charts(): the records have no column '") +
                                  kRecordFields[f] +
                                  "' (the names file's fields: name, date, time, meridiem, zone, "
                                  "longitude, latitude)");
        }
        std::size_t row = 0;
        for (const py::handle value : records[kRecordFields[f]]) {
            const std::string text = py::str(value);
            if (f == 0) {
                lines.emplace_back(text);
            } else if (row >= lines.size()) {
                throw py::value_error("charts(): the record columns differ in length");
            } else if (lines[row]) {
                *lines[row] += ',';
                *lines[row] += text;
            }
            if (text.find_first_of(",\r\n") != std::string::npos) {
                lines[row].reset();
            }
            ++row;
        }
        if (row != lines.size()) {
            throw py::value_error("charts(): the record columns differ in length");
        }
    }
    return lines;
}

struct CastRows {
    std::vector<std::optional<BatchRow>> rows;
    std::vector<std::string> refusals;  // empty for a row cast
};

CastRows Cast(const std::vector<std::optional<std::string>>& lines, const BatchRequest& request,
              const Session& session, int workers) {
    CastRows cast;
    cast.rows.resize(lines.size());
    cast.refusals.resize(lines.size());
    std::vector<HeadlessPlatform> quiet(static_cast<std::size_t>(workers));
    ForEachIndexInParallel(lines.size(), workers, [&](int worker, std::size_t i) {
        const std::optional<NameRecord> record = lines[i] ? ParseNameLine(*lines[i]) : std::nullopt;
        if (!record) {
            cast.refusals[i] = kNotARecord;
            return;
        }
        PersonChart chart;
        if (CastRecord(*record, request, session, quiet[static_cast<std::size_t>(worker)], chart,
                       cast.refusals[i])) {
            cast.rows[i] = BatchRowOf(*record, chart, request);
        }
    });
    return cast;
}

py::object Frame(const CastRows& cast, const std::vector<BatchColumn>& columns) {
    std::vector<const BatchRow*> rows;
    for (const auto& row : cast.rows) {
        if (row) {
            rows.push_back(&*row);
        }
    }
    py::dict data;
    std::size_t number = 0;
    std::size_t text = 0;
    for (const BatchColumn& column : columns) {
        if (column.number) {
            py::array_t<double> values(static_cast<py::ssize_t>(rows.size()));
            double* value = values.mutable_data();
            for (const BatchRow* row : rows) {
                *value++ = row->numbers[number];
            }
            data[column.name.c_str()] = values;
            ++number;
        } else {
            py::list values(rows.size());
            for (std::size_t r = 0; r < rows.size(); ++r) {
                const BatchRow& row = *rows[r];
                values[r] = py::str(text < row.fields.size() ? row.fields[text]
                                                             : row.tail[text - row.fields.size()]);
            }
            data[column.name.c_str()] =
                py::module_::import("numpy").attr("array")(values, py::arg("dtype") = "object");
            ++text;
        }
    }
    return py::module_::import("pandas").attr("DataFrame")(data);
}

}  // namespace

py::object ChartsOf(const py::object& records, const std::string& refused,
                    const py::kwargs& options) {
    if (refused != "raise" && refused != "skip") {
        throw py::value_error("charts(): refused is 'raise' or 'skip', not '" + refused + "'");
    }
    Session session;
    const BatchChoices choices = OpenBatchSession(CommandWords(options), session);
    BatchRequest request = BatchRequestFor(session, choices.house);
    request.file = kRecordsLabel;
    const int workers =
        std::min(choices.jobs.empty() ? DefaultJobs() : *PositiveWholeNumber(choices.jobs),
                 kMostWorkerThreads);
    const std::vector<std::optional<std::string>> lines = RecordLines(records);
    CastRows cast;
    {
        const py::gil_scoped_release released;
        cast = Cast(lines, request, session, workers);
    }
    py::list skipped;
    for (std::size_t i = 0; i < cast.rows.size(); ++i) {
        if (cast.rows[i]) {
            continue;
        }
        std::string message = SkippedRecordText(request.file, i + 1, cast.refusals[i]);
        message.pop_back();
        if (refused == "raise") {
            throw py::value_error(message.substr(0, message.rfind(" (skipped)")));
        }
        skipped.append(message);
    }
    py::object frame = Frame(cast, BatchCsvColumns(request));
    frame.attr("attrs")["skipped"] = skipped;
    return frame;
}

}  // namespace solvaris
