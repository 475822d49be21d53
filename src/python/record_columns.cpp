#include "python/record_columns.hpp"

#include <pybind11/numpy.h>

#include <algorithm>
#include <optional>

#include "base/parallel_indices.hpp"

namespace py = pybind11;

namespace solvaris {

namespace {

constexpr std::array<const char*, kRecordFieldCount> kRecordFields{
    "name", "date", "time", "meridiem", "zone", "longitude", "latitude"};

[[noreturn]] void ThrowLengthsDiffer() {
    throw py::value_error("charts(): the record columns differ in length");
}

// The UTF-8 of a str, a UnicodeEncodeError as str's encode() raises it for
// one that has none (a lone surrogate).
std::string_view Utf8Of(PyObject* text) {
    Py_ssize_t size = 0;
    const char* data = PyUnicode_AsUTF8AndSize(text, &size);
    if (data == nullptr) {
        throw py::error_already_set();
    }
    return {data, static_cast<std::size_t>(size)};
}

// The array of a column whose values stand as objects in one dimension
// (a DataFrame's object column, a numpy object array), whose iteration
// gives those very objects; nothing for any other.
std::optional<py::array> ObjectArrayOf(const py::object& values) {
    py::object array = values;
    if (!py::isinstance<py::array>(values)) {
        if (!py::hasattr(values, "to_numpy") || !py::hasattr(values, "dtype") ||
            !py::isinstance<py::dtype>(values.attr("dtype")) ||
            py::reinterpret_borrow<py::dtype>(values.attr("dtype")).kind() != 'O') {
            return std::nullopt;
        }
        array = values.attr("to_numpy")();
        if (!py::isinstance<py::array>(array)) {
            return std::nullopt;
        }
    }
    auto objects = py::reinterpret_borrow<py::array>(array);
    if (objects.ndim() != 1 || objects.dtype().kind() != 'O') {
        return std::nullopt;
    }
    return objects;
}

// The column as its array when every value there is a str already, whose
// str() is itself; nothing when any is not. Unless it is the first column,
// `rows` is the first's length, which it must have.
std::optional<RecordColumn> StrCells(const py::object& values, std::size_t rows, bool first) {
    const std::optional<py::array> objects = ObjectArrayOf(values);
    if (!objects) {
        return std::nullopt;
    }
    RecordColumn column{*objects, static_cast<const char*>(objects->data()), objects->strides(0)};
    const auto size = static_cast<std::size_t>(objects->shape(0));
    const std::size_t checked = first ? size : std::min(size, rows);
    for (std::size_t row = 0; row < checked; ++row) {
        PyObject* value = column.At(row);
        if (!PyUnicode_CheckExact(value)) {
            return std::nullopt;
        }
        Utf8Of(value);
    }
    if (!first && size != rows) {
        ThrowLengthsDiffer();
    }
    return column;
}

// The column as a list of its values' str(), in the order of its iteration.
RecordColumn StrList(const py::object& values, std::size_t rows, bool first) {
    auto list = py::reinterpret_steal<py::list>(PySequence_List(values.ptr()));
    if (!list) {
        throw py::error_already_set();
    }
    const auto size = static_cast<std::size_t>(PyList_GET_SIZE(list.ptr()));
    const std::size_t checked = first ? size : std::min(size, rows);
    for (std::size_t row = 0; row < checked; ++row) {
        const auto at = static_cast<Py_ssize_t>(row);
        PyObject* text = PyObject_Str(PyList_GET_ITEM(list.ptr(), at));
        if (text == nullptr) {
            throw py::error_already_set();
        }
        PyList_SetItem(list.ptr(), at, text);
        Utf8Of(text);
    }
    if (!first && size != rows) {
        ThrowLengthsDiffer();
    }
    const auto* cells = reinterpret_cast<const char*>(PySequence_Fast_ITEMS(list.ptr()));
    return {list, cells, static_cast<py::ssize_t>(sizeof(PyObject*))};
}

void ReadRecordTexts(const RecordColumns& columns, std::size_t first, std::size_t count,
                     RecordTexts& texts) {
    texts.objects.clear();
    texts.fields.clear();
    for (std::size_t row = first; row < first + count; ++row) {
        for (const RecordColumn& column : columns.fields) {
            // Another thread may have put a value of another kind in the
            // array while the block before was cast.
            PyObject* value = column.At(row);
            texts.objects.push_back(PyUnicode_Check(value)
                                        ? py::reinterpret_borrow<py::object>(value)
                                        : py::reinterpret_steal<py::object>(PyObject_Str(value)));
            if (!texts.objects.back()) {
                throw py::error_already_set();
            }
            texts.fields.push_back(Utf8Of(texts.objects.back().ptr()));
        }
    }
}

// The names file line of the record in `slot`, as charts() always read the
// records: the fields joined by commas; empty when a field holds a comma or
// a line end, which no line can hold.
std::string_view RecordLine(const RecordTexts& texts, std::size_t slot, std::string& line) {
    line.clear();
    for (std::size_t field = 0; field < kRecordFieldCount; ++field) {
        const std::string_view text = texts.Field(slot, field);
        if (text.find_first_of(",\r\n") != std::string_view::npos) {
            return {};
        }
        if (field > 0) {
            line += ',';
        }
        line += text;
    }
    return line;
}

}  // namespace

RecordColumns ReadRecordColumns(const py::object& records) {
    RecordColumns columns;
    for (std::size_t f = 0; f < kRecordFields.size(); ++f) {
        if (!py::bool_(records.attr("__contains__")(kRecordFields[f]))) {
            throw py::value_error(std::string("charts(): the records have no column '") +
                                  kRecordFields[f] +
                                  "' (the names file's fields: name, date, time, meridiem, zone, "
                                  "longitude, latitude)");
        }
        const py::object values = records[kRecordFields[f]];
        const bool first = f == 0;
        std::optional<RecordColumn> column = StrCells(values, columns.count, first);
        columns.fields[f] = column ? std::move(*column) : StrList(values, columns.count, first);
        if (first) {
            columns.count = py::len(columns.fields[0].owner);
        }
    }
    return columns;
}

void CastRecordBlocks(const RecordColumns& columns, int workers,
                      const std::function<void(int worker, std::size_t slot, std::size_t record,
                                               std::string_view line)>& cast,
                      const std::function<void(const RecordTexts& texts, std::size_t first,
                                               std::size_t count)>& take) {
    RecordTexts texts;
    std::vector<std::string> lines(static_cast<std::size_t>(workers));
    for (std::size_t first = 0; first < columns.count; first += kRecordsPerBlock) {
        const std::size_t count = std::min(kRecordsPerBlock, columns.count - first);
        ReadRecordTexts(columns, first, count, texts);
        {
            const py::gil_scoped_release released;
            ForEachIndexInParallel(count, workers, [&](int worker, std::size_t slot) {
                std::string& line = lines[static_cast<std::size_t>(worker)];
                cast(worker, slot, first + slot, RecordLine(texts, slot, line));
            });
        }
        take(texts, first, count);
    }
}

}  // namespace solvaris
