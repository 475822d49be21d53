// A bytes object written in place, for a CSV of hundreds of megabytes: it
// grows by doubling (the allocator moves a large block's pages, copying
// none), on huge pages where the system lends them, since touching fresh
// memory a 4 KiB page at a time costs more than writing it.
#pragma once

#include <pybind11/pybind11.h>

#include <cstring>
#include <string_view>

namespace solvaris {

class BytesBuilder {
public:
    BytesBuilder() = default;
    BytesBuilder(const BytesBuilder&) = delete;
    BytesBuilder& operator=(const BytesBuilder&) = delete;
    ~BytesBuilder() { Py_XDECREF(bytes_); }  // with the GIL

    bool HasRoom(std::size_t more) const { return size_ + more <= capacity_; }
    // Room for `more` bytes after those written; with the GIL.
    void Reserve(std::size_t more);
    // The same from code that runs without the GIL: it is taken only when
    // the builder must grow.
    void ReserveWithoutGil(std::size_t more) {
        if (!HasRoom(more)) {
            const pybind11::gil_scoped_acquire held;
            Reserve(more);
        }
    }
    // Into the room reserved, with or without the GIL.
    void Append(std::string_view text) {
        std::memcpy(PyBytes_AS_STRING(bytes_) + size_, text.data(), text.size());
        size_ += text.size();
    }
    // The bytes written; with the GIL. The builder is empty after.
    pybind11::bytes Take();

private:
    PyObject* bytes_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace solvaris
