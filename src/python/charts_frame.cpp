#include "python/charts_frame.hpp"

#include <pybind11/numpy.h>

#include <algorithm>

#include "base/parallel_indices.hpp"
#include "cli/batch_casting.hpp"
#include "platform/headless/headless_platform.hpp"
#include "python/batch_records.hpp"

namespace py = pybind11;

namespace solvaris {

namespace {

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
    const bool raise = RaisesRefused(refused, "charts");
    Session session;
    const RecordsBatch batch = OpenRecordsBatch(options, session);
    const BatchRequest& request = batch.request;
    const int workers = batch.workers;
    const std::vector<std::optional<std::string>> lines = RecordLines(records);
    CastRows cast;
    {
        const py::gil_scoped_release released;
        cast = Cast(lines, request, session, workers);
    }
    py::list skipped;
    for (std::size_t i = 0; i < cast.rows.size(); ++i) {
        if (!cast.rows[i]) {
            TakeRefusal(SkippedRecordText(request.file, i + 1, cast.refusals[i]), raise, skipped);
        }
    }
    py::object frame = Frame(cast, BatchCsvColumns(request));
    frame.attr("attrs")["skipped"] = skipped;
    return frame;
}

}  // namespace solvaris
