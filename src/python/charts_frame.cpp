#include "python/charts_frame.hpp"

#include <pybind11/numpy.h>

#include <cstring>
#include <optional>
#include <vector>

#include "cli/batch_casting.hpp"
#include "platform/headless/headless_platform.hpp"
#include "python/batch_records.hpp"
#include "python/record_columns.hpp"

namespace py = pybind11;

namespace solvaris {

namespace {

// The frame's columns a row at a time, in the arrays the frame is made of
// without a copy: the longitudes in one float64 array of a row per chart,
// the texts in object arrays (the seven fields, then the tail's).
class FrameRows {
public:
    FrameRows(const std::vector<BatchColumn>& columns, std::size_t capacity) {
        const py::module_ numpy = py::module_::import("numpy");
        for (const BatchColumn& column : columns) {
            (column.number                            ? numberNames_
             : fieldNames_.size() < kRecordFieldCount ? fieldNames_
                                                      : tailNames_)
                .append(column.name);
        }
        const auto rows = static_cast<py::ssize_t>(capacity);
        numbers_ = py::array_t<double>({rows, static_cast<py::ssize_t>(py::len(numberNames_))});
        // numpy.empty fills an object array with None, a reference in each cell.
        const auto objects = [&](const py::list& names) {
            return py::array(numpy.attr("empty")(py::make_tuple(rows, py::len(names)),
                                                 py::arg("dtype") = "object"));
        };
        fields_ = objects(fieldNames_);
        tail_ = objects(tailNames_);
        tailTexts_.resize(py::len(tailNames_));
    }

    // The row of the record in `slot` of `texts`: a field that reads as the
    // record gave it is that very str.
    void Append(const BatchRow& row, const RecordTexts& texts, std::size_t slot) {
        std::memcpy(numbers_.mutable_data(static_cast<py::ssize_t>(rows_), 0), row.numbers.data(),
                    row.numbers.size() * sizeof(double));
        auto** cells = static_cast<PyObject**>(fields_.mutable_data()) + rows_ * kRecordFieldCount;
        for (std::size_t f = 0; f < kRecordFieldCount; ++f) {
            PyObject* given = texts.objects[slot * kRecordFieldCount + f].ptr();
            Put(cells[f], PyUnicode_CheckExact(given) && texts.Field(slot, f) == row.fields[f]
                              ? py::reinterpret_borrow<py::object>(given)
                              : py::str(row.fields[f]));
        }
        // Each tail column names one of a few sources, kept from the row before.
        cells = static_cast<PyObject**>(tail_.mutable_data()) + rows_ * tailTexts_.size();
        for (std::size_t t = 0; t < tailTexts_.size(); ++t) {
            if (!tailTexts_[t] || tailTexts_[t]->first != row.tail[t]) {
                tailTexts_[t].emplace(row.tail[t], py::str(row.tail[t]));
            }
            Put(cells[t], tailTexts_[t]->second);
        }
        ++rows_;
    }

    py::object Frame() const {
        const py::module_ pandas = py::module_::import("pandas");
        const py::slice filled(0, static_cast<py::ssize_t>(rows_), 1);
        // dtype=object: no guessing of dates in the texts.
        const auto part = [&](const py::array& values, const py::list& names, bool texts) {
            return pandas.attr("DataFrame")(
                values[filled], py::arg("columns") = names,
                py::arg("dtype") = texts ? py::object(py::str("object")) : py::object(py::none()),
                py::arg("copy") = false);
        };
        py::list parts;
        parts.append(part(fields_, fieldNames_, true));
        parts.append(part(numbers_, numberNames_, false));
        if (!tailTexts_.empty()) {
            parts.append(part(tail_, tailNames_, true));
        }
        return pandas.attr("concat")(parts, py::arg("axis") = 1, py::arg("copy") = false);
    }

private:
    static void Put(PyObject*& cell, const py::object& value) {
        Py_XSETREF(cell, value.inc_ref().ptr());
    }

    py::list fieldNames_, numberNames_, tailNames_;
    py::array_t<double> numbers_;
    py::array fields_, tail_;
    std::vector<std::optional<std::pair<std::string, py::object>>> tailTexts_;
    std::size_t rows_ = 0;
};

// What a worker made of one record: its row, or why it was refused.
struct CastRow {
    std::optional<BatchRow> row;
    std::string why;
};

}  // namespace

py::object ChartsOf(const py::object& records, const std::string& refused,
                    const py::kwargs& options) {
    const bool raise = RaisesRefused(refused, "charts");
    Session session;
    const RecordsBatch batch = OpenRecordsBatch(options, session);
    const BatchRequest& request = batch.request;
    const RecordColumns columns = ReadRecordColumns(records);
    FrameRows frame(BatchCsvColumns(request), columns.count);
    py::list skipped;
    std::vector<HeadlessPlatform> quiet(static_cast<std::size_t>(batch.workers));
    std::vector<CastRow> cast(kRecordsPerBlock);
    CastRecordBlocks(
        columns, batch.workers,
        [&](int worker, std::size_t slot, std::size_t, std::string_view line) {
            CastRow& made = cast[slot];
            made.row.reset();
            const std::optional<NameRecord> record = ParseNameLine(line);
            if (!record) {
                made.why = kNotARecord;
                return;
            }
            PersonChart chart;
            if (CastRecord(*record, request, session, quiet[static_cast<std::size_t>(worker)],
                           chart, made.why)) {
                made.row = BatchRowOf(*record, chart, request);
            }
        },
        [&](const RecordTexts& texts, std::size_t first, std::size_t count) {
            for (std::size_t slot = 0; slot < count; ++slot) {
                if (cast[slot].row) {
                    frame.Append(*cast[slot].row, texts, slot);
                } else {
                    TakeRefusal(SkippedRecordText(request.file, first + slot + 1, cast[slot].why),
                                raise, skipped);
                }
            }
        });
    py::object answer = frame.Frame();
    answer.attr("attrs")["skipped"] = skipped;
    return answer;
}

}  // namespace solvaris
