#include "python/command_messages.hpp"

#include <pybind11/pybind11.h>

#include "base/text_lines.hpp"

namespace py = pybind11;

namespace solvaris {

void ThrowCommandError(const std::string& err) {
    std::string text = err;
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    throw py::value_error(text);
}

void WarnCommandNotes(const std::string& err) {
    if (err.empty()) {
        return;
    }
    const py::object warn = py::module_::import("warnings").attr("warn");
    ForEachLine(err, [&](std::string_view line) {
        warn(std::string(line), py::module_::import("builtins").attr("UserWarning"), 2);
    });
}

}  // namespace solvaris
