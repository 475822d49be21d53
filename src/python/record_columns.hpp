// The records of charts() and charts_csv() read without copying them: each
// of the seven columns where its values stand (an object column's array) or
// as a list of their str(), and the UTF-8 of a block of records viewed at a
// time, so that the threads that cast them read the texts without the GIL.
#pragma once

#include <pybind11/pybind11.h>

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace solvaris {

inline constexpr std::size_t kRecordFieldCount = 7;

// Records cast before the next are read: enough to keep every worker busy,
// few enough that what a block holds stays small.
inline constexpr std::size_t kRecordsPerBlock = 4096;

// One column's values, each a PyObject* at `cells` + row * `strideBytes`
// in `owner` (an object array, or a list of str made for the call).
struct RecordColumn {
    pybind11::object owner;
    const char* cells = nullptr;
    pybind11::ssize_t strideBytes = 0;
    PyObject* At(std::size_t row) const {
        return *reinterpret_cast<PyObject* const*>(cells + static_cast<pybind11::ssize_t>(row) *
                                                               strideBytes);
    }
};

struct RecordColumns {
    std::array<RecordColumn, kRecordFieldCount> fields;
    std::size_t count = 0;
};

// The columns name, date, time, meridiem, zone, longitude and latitude of a
// DataFrame or mapping, each value's str() taken and its UTF-8 checked now,
// so that a value that cannot be read stops the call before any casting. A
// ValueError for a column missing or of another length than the first.
RecordColumns ReadRecordColumns(const pybind11::object& records);

// The records of one block: for each, its seven fields' str objects and a
// view of their UTF-8, valid while `objects` holds them.
struct RecordTexts {
    std::vector<pybind11::object> objects;
    std::vector<std::string_view> fields;
    std::string_view Field(std::size_t slot, std::size_t field) const {
        return fields[slot * kRecordFieldCount + field];
    }
};

// Records a block at a time, the texts of each block read with the GIL:
// `cast` is called for each record on `workers` threads without the GIL
// (`slot` its place in the block, `record` in all, `line` the names file
// line that holds it, empty when no line does: a field with a comma or a
// line end), then `take` with the GIL for the block.
void CastRecordBlocks(const RecordColumns& columns, int workers,
                      const std::function<void(int worker, std::size_t slot, std::size_t record,
                                               std::string_view line)>& cast,
                      const std::function<void(const RecordTexts& texts, std::size_t first,
                                               std::size_t count)>& take);

}  // namespace solvaris
