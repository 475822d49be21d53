#include "python/bytes_builder.hpp"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace py = pybind11;

namespace solvaris {

namespace {

constexpr std::size_t kFirstCapacityBytes = 1024 * 1024;
constexpr std::uintptr_t kHugePageBytes = 2 * 1024 * 1024;

// The whole huge pages within the block; a hint the system may ignore.
void AdviseHugePages(char* data, std::size_t size) {
#ifdef MADV_HUGEPAGE
    const auto begin =
        (reinterpret_cast<std::uintptr_t>(data) + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kHugePageBytes - 1);
    if (begin < end) {
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    }
#else
    (void)data;
    (void)size;
#endif
}

}  // namespace

void BytesBuilder::Reserve(std::size_t more) {
    if (HasRoom(more)) {
        return;
    }
    const std::size_t capacity = std::max({size_ + more, 2 * capacity_, kFirstCapacityBytes});
    const auto length = static_cast<Py_ssize_t>(capacity);
    if (bytes_ == nullptr) {
        bytes_ = PyBytes_FromStringAndSize(nullptr, length);
    } else {
        _PyBytes_Resize(&bytes_, length);  // leaves nullptr when it fails
    }
    if (bytes_ == nullptr) {
        size_ = capacity_ = 0;
        throw py::error_already_set();
    }
    capacity_ = capacity;
    AdviseHugePages(PyBytes_AS_STRING(bytes_), capacity_);
}

py::bytes BytesBuilder::Take() {
    if (bytes_ == nullptr) {
        return py::bytes();
    }
    if (_PyBytes_Resize(&bytes_, static_cast<Py_ssize_t>(size_)) != 0) {
        size_ = capacity_ = 0;
        throw py::error_already_set();
    }
    size_ = capacity_ = 0;
    return py::reinterpret_steal<py::bytes>(std::exchange(bytes_, nullptr));
}

}  // namespace solvaris
